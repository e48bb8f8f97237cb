#include "Measure.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
// Seconds of CPU the whole machine has spent busy, from /proc/stat.
double machineBusySeconds()
{
    std::FILE *stat = std::fopen("/proc/stat", "r");
    if (!stat)
        return 0;
    unsigned long long user = 0, nice = 0, system = 0, idle = 0, iowait = 0, irq = 0, softirq = 0, steal = 0;
    const int read = std::fscanf(stat, "cpu %llu %llu %llu %llu %llu %llu %llu %llu", &user, &nice, &system, &idle,
                                 &iowait, &irq, &softirq, &steal);
    std::fclose(stat);
    return read == 8 ? double(user + nice + system + irq + softirq + steal) / sysconf(_SC_CLK_TCK) : 0;
}
}

long cores()
{
    return std::max(1L, sysconf(_SC_NPROCESSORS_ONLN));
}

Measured inChild(const std::function<int()> &work)
{
    const double busyBefore = machineBusySeconds();
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0)
        _exit(work());
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const double cpu = usage.ru_utime.tv_sec + usage.ru_stime.tv_sec
        + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    const double others = std::max(0.0, machineBusySeconds() - busyBefore - cpu) / (seconds * cores());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, seconds, cpu, usage.ru_maxrss / 1024.0, others};
}

Measured runTool(const std::vector<std::string> &args)
{
    return inChild([&] {
        std::vector<char *> argv;
        for (const std::string &a : args)
            argv.push_back(const_cast<char *>(a.c_str()));
        argv.push_back(nullptr);
        execvp(argv[0], argv.data());
        return 127;
    });
}

std::string toolOutput(const std::string &command)
{
    std::string out;
    if (FILE *p = popen(command.c_str(), "r")) {
        char buf[4096];
        size_t n;
        while ((n = fread(buf, 1, sizeof buf, p)) > 0)
            out.append(buf, n);
        pclose(p);
    }
    return out;
}

std::string loadText()
{
    double load[3] = {};
    if (getloadavg(load, 3) != 3)
        return "unknown";
    char text[64];
    std::snprintf(text, sizeof text, "%.2f %.2f %.2f", load[0], load[1], load[2]);
    return text;
}
