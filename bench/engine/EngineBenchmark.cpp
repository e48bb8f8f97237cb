// Converts one generated 60-second 720p source with the engine, with the ffmpeg command an expert
// types for a PSP, with the ffmpeg tool running the engine's own filters and encoder options, and
// with the engine burning in an ASS track, in turn, and reports paired time ratios, the engine's CPU
// use, SSIM against the source scaled with lanczos, peak memory, the grabber's latency and the
// probe-plus-picture time.
//
// usage: engine_benchmark [rounds]   (3 by default; 0: only the grabber and probe figures)
#include "BenchStats.h"
#include "ConversionSettings.h"
#include "EncoderOptions.h"
#include "FilterChain.h"
#include "SoundChain.h"
#include "abi/EngineEntryPoints.h"

#include <algorithm>
#include <cmath>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>
#include <filesystem>
#include <functional>
#include <mutex>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {
using Clock = std::chrono::steady_clock;
const std::string kMediaDir = BENCH_MEDIA_DIR;
const std::string kSource = kMediaDir + "/source720p60s.mp4";
// The same picture with a keyframe every 2 seconds, as cameras and phones write it.
const std::string kCameraSource = kMediaDir + "/source720p-gop2s.mp4";
// The source's streams in Matroska with an ASS track after them: entry "001" of its stream list.
const std::string kSubtitledSource = kMediaDir + "/source720p60s-ass.mkv";
const PictureSource kSourcePictures{{AV_PIX_FMT_YUV420P, 1280, 720}};

struct Engine : EngineEntryPoints {
    void *handle = nullptr;

    static Engine load()
    {
        Engine e;
        e.handle = dlopen(ENGINE_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL);
        if (!e.handle) {
            std::fprintf(stderr, "cannot load the engine: %s\n", dlerror());
            std::exit(1);
        }
        if (const char *missing = bindEngineEntries(e.handle, AllEngineEntries, e)) {
            std::fprintf(stderr, "the engine has no entry point %s\n", missing);
            std::exit(1);
        }
        return e;
    }
};

struct Measured {
    int status;
    double seconds;
    double cpuSeconds;
    double peakMb;
    double othersShare; // of all cores, what other processes used meanwhile
};

long cores()
{
    return std::max(1L, sysconf(_SC_NPROCESSORS_ONLN));
}

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

Measured inChild(const std::function<int()> &work)
{
    const double busyBefore = machineBusySeconds();
    const auto start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0)
        _exit(work());
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
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

// The program's default profile for a 16:9 720p clip: H.264 480:272 at 29.97, 768 + 96 kbit/s.
ConversionSettings benchSettings(const std::string &output)
{
    ConversionSettings s;
    s.sourcePath = kSource;
    s.outputPath = output;
    s.title = "Bench";
    s.width = s.frameWidth = 480;
    s.height = s.frameHeight = 272;
    s.frameRate = {30000, 1001};
    s.videoKbps = 768;
    s.audioKbps = 96;
    s.sampleRate = 48000;
    return s;
}

// The ffmpeg tool running the engine's own filters and encoder options.
std::vector<std::string> toolCommand(const ConversionSettings &s)
{
    std::vector<std::string> args{"ffmpeg", "-nostdin", "-v", "error", "-y", "-i", s.sourcePath, "-map",
                                  "0:v:0", "-map", "0:a:0", "-vf", videoChain(s, kSourcePictures), "-af",
                                  soundConverterChain(s) + "," + soundTimingChain(s), "-fps_mode", "passthrough",
                                  "-c:v", videoEncoderName(s)};
    for (const auto &[key, value] : videoEncoderOptions(s))
        args.insert(args.end(), {"-" + key + ":v", value});
    args.insert(args.end(), {"-c:a", "aac"});
    for (const auto &[key, value] : audioEncoderOptions(s))
        args.insert(args.end(), {"-" + key + ":a", value});
    args.insert(args.end(), {"-metadata", "title=" + s.title, "-f", "psp", s.outputPath});
    return args;
}

// What an expert types for a PSP: x264's medium preset with two references and one B-frame, Main
// profile at level 2.1, the same size, rate, bit rates and sound. The rate is set with the fps
// filter rather than -r, so that its pictures are the ones the SSIM reference holds.
std::vector<std::string> expertCommand(const ConversionSettings &s)
{
    return {"ffmpeg", "-nostdin", "-v", "error", "-y", "-i", s.sourcePath, "-map", "0:v:0", "-map", "0:a:0",
            "-vf", "scale=480:272,fps=30000/1001", "-c:v", "libx264", "-preset", "medium", "-refs", "2", "-bf", "1",
            "-profile:v", "main", "-level", "21", "-b:v", "768k", "-c:a", "aac", "-b:a", "96k", "-ar", "48000",
            "-ac", "2", "-f", "psp", s.outputPath};
}

int engineConvert(const ConversionSettings &s, const char *subtitles = "-1")
{
    Engine e = Engine::load();
    return e.X_SetPar_D2PSP(nullptr, 2, s.sourcePath.c_str(), "0", "0", "48000", "1:1", "h264", "768", "96",
                            "480:272", "480:272", s.title.c_str(), "29.97", "0", subtitles, s.outputPath.c_str(), "0",
                            "0", 20261210) == 0
        ? 0
        : 1;
}

// SSIM of a converted file against the source at the same rate, scaled with lanczos: a reference
// that none of the scalers compared here defines.
double ssimAgainstSource(const std::string &file)
{
    const std::string reference = "fps=fps=30000/1001:start_time=0,scale=480:272:flags=lanczos,format=yuv420p";
    const std::string out = toolOutput("ffmpeg -nostdin -v info -i '" + file + "' -i '" + kSource + "' -lavfi '[1:v]"
                                       + reference + "[ref];[0:v][ref]ssim' -f null - 2>&1");
    const size_t at = out.rfind("All:");
    return at == std::string::npos ? 0 : std::atof(out.c_str() + at + 4);
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

double ssimDb(double ssim)
{
    return ssim >= 1 ? 99 : -10 * std::log10(1 - ssim);
}

struct Waiter : MessageTarget {
    std::mutex mutex;
    std::condition_variable cv;
    std::vector<uint32_t> messages;

    Waiter()
    {
        post = [](MessageTarget *self, uint32_t msg, intptr_t, intptr_t) {
            auto *w = static_cast<Waiter *>(self);
            std::lock_guard lock(w->mutex);
            w->messages.push_back(msg);
            w->cv.notify_all();
        };
    }
    void wait(uint32_t msg)
    {
        std::unique_lock lock(mutex);
        cv.wait(lock, [&] { return std::find(messages.begin(), messages.end(), msg) != messages.end(); });
        messages.erase(std::find(messages.begin(), messages.end(), msg));
    }
};

void makeSource(const std::string &path, const std::string &keyint)
{
    if (std::filesystem::exists(path))
        return;
    std::filesystem::create_directories(kMediaDir);
    std::printf("making %s...\n", path.c_str());
    const Measured made = runTool({"ffmpeg", "-nostdin", "-v", "error", "-y", "-f", "lavfi", "-i",
                                   "testsrc2=size=1280x720:rate=25:duration=60,noise=alls=4:allf=t", "-f", "lavfi",
                                   "-i", "sine=frequency=440:sample_rate=48000:duration=60", "-ac", "2", "-c:v",
                                   "libx264", "-preset", "veryfast", "-crf", "20", "-g", keyint, "-pix_fmt", "yuv420p",
                                   "-c:a", "aac", "-b:a", "160k", path + ".part.mp4"});
    if (made.status != 0 || std::rename((path + ".part.mp4").c_str(), path.c_str()) != 0) {
        std::fprintf(stderr, "cannot make %s\n", path.c_str());
        std::exit(1);
    }
}

// Film subtitles as fans style them: a line or two at the bottom four seconds in five, in an
// outlined and shadowed font, now and then in italics or moved to the top.
std::string dialogueScript()
{
    std::string script = "[Script Info]\nScriptType: v4.00+\nPlayResX: 1280\nPlayResY: 720\n"
                         "ScaledBorderAndShadow: yes\n\n[V4+ Styles]\nFormat: Name, Fontname, Fontsize, "
                         "PrimaryColour, SecondaryColour, OutlineColour, BackColour, Bold, Italic, Underline, "
                         "StrikeOut, ScaleX, ScaleY, Spacing, Angle, BorderStyle, Outline, Shadow, Alignment, "
                         "MarginL, MarginR, MarginV, Encoding\n"
                         "Style: Default,DejaVu Sans,52,&H00FFFFFF,&H000000FF,&H00101010,&H80000000,0,0,0,0,100,"
                         "100,0,0,1,3,1.5,2,60,60,40,1\n\n[Events]\n"
                         "Format: Layer, Start, End, Style, Name, MarginL, MarginR, MarginV, Effect, Text\n";
    for (int i = 0; i < 12; ++i) {
        char line[320];
        const char *tags = i % 4 == 1 ? "{\\i1}" : i % 4 == 3 ? "{\\an8}" : "";
        std::snprintf(line, sizeof line,
                      "Dialogue: 0,0:00:%02d.00,0:00:%02d.00,Default,,0,0,0,,%sLine %d of what they say,\\Nand "
                      "the second line of it.\n",
                      i * 5, i * 5 + 4, tags, i + 1);
        script += line;
    }
    return script;
}

void makeSubtitledSource()
{
    if (std::filesystem::exists(kSubtitledSource))
        return;
    std::printf("making %s...\n", kSubtitledSource.c_str());
    const std::string script = kMediaDir + "/dialogue.ass";
    std::FILE *f = std::fopen(script.c_str(), "w");
    const std::string text = dialogueScript();
    const bool written = f && std::fwrite(text.data(), 1, text.size(), f) == text.size();
    if (f)
        std::fclose(f);
    const Measured made = runTool({"ffmpeg", "-nostdin", "-v", "error", "-y", "-i", kSource, "-i", script, "-map",
                                   "0", "-map", "1", "-c", "copy", kSubtitledSource + ".part.mkv"});
    if (!written || made.status != 0
        || std::rename((kSubtitledSource + ".part.mkv").c_str(), kSubtitledSource.c_str()) != 0) {
        std::fprintf(stderr, "cannot make %s\n", kSubtitledSource.c_str());
        std::exit(1);
    }
}

double processCpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3
        + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

struct Latencies {
    std::vector<double> wallMs, cpuMs;
};

// From each request to its 2412, over spread seconds: wall time, and the CPU time the engine spent.
Latencies grabberLatencies(Engine &engine, const std::string &source)
{
    Waiter window;
    Latencies l;
    engine.X_GetFrame_Init(&window, 2, source.c_str(), "", "0");
    window.wait(DVDENCODER_MSG_READY);
    for (int i = 0; i < 25; ++i) {
        const int at = 1 + (i * 37) % 58;
        const double cpuStart = processCpuMs();
        const auto start = Clock::now();
        engine.X_Set_NextFrame_Time(at);
        window.wait(DVDENCODER_MSG_FRAME);
        l.wallMs.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        l.cpuMs.push_back(processCpuMs() - cpuStart);
    }
    engine.X_GetFrame_UnInit();
    window.wait(DVDENCODER_MSG_GRABBER_CLOSED);
    return l;
}

struct Contender {
    const char *name;
    std::string output;
    std::function<Measured()> run;
    std::vector<Measured> rounds;
    double ssim = 0;

    std::vector<double> walls() const { return pick(&Measured::seconds); }
    std::vector<double> cpus() const { return pick(&Measured::cpuSeconds); }
    double peakMb() const
    {
        double peak = 0;
        for (const Measured &m : rounds)
            peak = std::max(peak, m.peakMb);
        return peak;
    }

private:
    std::vector<double> pick(double Measured::*field) const
    {
        std::vector<double> v;
        for (const Measured &m : rounds)
            v.push_back(m.*field);
        return v;
    }
};

// Median of the per-round ratios: each pair ran back to back, so a load that changes between rounds
// cancels out.
double pairedRatio(const Contender &a, const Contender &b, double Measured::*field)
{
    std::vector<double> ratios;
    for (size_t i = 0; i < a.rounds.size(); ++i)
        ratios.push_back(a.rounds[i].*field / (b.rounds[i].*field));
    return Median(ratios);
}

void compare(const Contender &engine, const Contender &other, const char *title, double wallTarget)
{
    std::printf("  against %s:\n", title);
    std::printf("    wall: engine median %.2f s, %s median %.2f s, paired ratio %.3f (target <= %.2f)\n",
                Median(engine.walls()), other.name, Median(other.walls()),
                pairedRatio(engine, other, &Measured::seconds), wallTarget);
    std::printf("    cpu:  engine median %.2f s, %s median %.2f s, paired ratio %.3f\n", Median(engine.cpus()),
                other.name, Median(other.cpus()), pairedRatio(engine, other, &Measured::cpuSeconds));
    std::printf("    SSIM against the source scaled with lanczos: engine %.6f (%.3f dB), %s %.6f (%.3f dB), "
                "difference %+.6f (target >= -0.001)\n",
                engine.ssim, ssimDb(engine.ssim), other.name, other.ssim, ssimDb(other.ssim), engine.ssim - other.ssim);
}

void benchConversions(int rounds)
{
    const ConversionSettings engineRun = benchSettings(kMediaDir + "/engine.MP4");
    const ConversionSettings expertRun = benchSettings(kMediaDir + "/expert.MP4");
    const ConversionSettings toolRun = benchSettings(kMediaDir + "/veryfast.MP4");
    ConversionSettings subtitledRun = benchSettings(kMediaDir + "/subtitled.MP4");
    subtitledRun.sourcePath = kSubtitledSource;
    Contender contenders[] = {
        {"engine", engineRun.outputPath, [&] { return inChild([&] { return engineConvert(engineRun); }); }, {}},
        {"expert", expertRun.outputPath, [&] { return runTool(expertCommand(expertRun)); }, {}},
        {"tool", toolRun.outputPath, [&] { return runTool(toolCommand(toolRun)); }, {}},
        {"subtitled", subtitledRun.outputPath,
         [&] { return inChild([&] { return engineConvert(subtitledRun, "001"); }); }, {}},
    };
    constexpr int kContenders = 4;
    const std::string loadBefore = loadText();
    for (int i = 0; i < rounds; ++i) {
        // Who goes first turns, so a load that changes during the run hurts all alike.
        std::printf("round %d:", i + 1);
        for (int k = 0; k < kContenders; ++k) {
            Contender &c = contenders[(i + k) % kContenders];
            const Measured m = c.run();
            if (m.status != 0) {
                std::fprintf(stderr, "\n%s conversion failed (%d)\n", c.name, m.status);
                std::exit(1);
            }
            c.rounds.push_back(m);
            std::printf(" %s %.2f s (cpu %.2f s, others %.0f %%)", c.name, m.seconds, m.cpuSeconds,
                        100 * m.othersShare);
        }
        std::printf("\n");
        std::fflush(stdout);
    }
    const std::string loadAfter = loadText();
    for (Contender &c : contenders)
        if (&c != &contenders[3])
            c.ssim = ssimAgainstSource(c.output);
    const Contender &engine = contenders[0];

    std::vector<double> use;
    double othersMost = 0;
    for (const Measured &m : engine.rounds)
        use.push_back(m.cpuSeconds / m.seconds / cores());
    for (const Contender &c : contenders)
        for (const Measured &m : c.rounds)
            othersMost = std::max(othersMost, m.othersShare);

    std::printf("\nconversion, 60 s 720p H.264 -> PSP H.264 480x272 29.97, 768 + 96 kbit/s, %d rounds in turn\n",
                rounds);
    std::printf("  load average (1, 5, 15 min) before %s, after %s; other processes used up to %.0f %% of the "
                "cores during a conversion (wall times and CPU use hold only near 0)\n",
                loadBefore.c_str(), loadAfter.c_str(), 100 * othersMost);
    compare(engine, contenders[1], "the expert's command (-preset medium -refs 2 -bf 1)", 0.75);
    compare(engine, contenders[2], "the ffmpeg tool with the engine's filters and options (-preset veryfast)", 1.0);
    const Contender &subtitled = contenders[3];
    std::printf("  burning in an ASS track (the same streams in Matroska, a line on screen 4 s in 5):\n");
    std::printf("    wall: engine median %.2f s, with subtitles median %.2f s, paired ratio %.3f (target <= 1.10)\n",
                Median(engine.walls()), Median(subtitled.walls()), pairedRatio(subtitled, engine, &Measured::seconds));
    std::printf("    cpu:  engine median %.2f s, with subtitles median %.2f s, paired ratio %.3f\n",
                Median(engine.cpus()), Median(subtitled.cpus()), pairedRatio(subtitled, engine, &Measured::cpuSeconds));
    std::printf("  engine CPU use: median %.3f of %ld cores (cpu time / wall time / cores; target >= 0.9)\n",
                Median(use), cores());
    std::printf("  peak resident: engine %.1f MB (target <= 150), expert %.1f MB, tool %.1f MB\n", engine.peakMb(),
                contenders[1].peakMb(), contenders[2].peakMb());
}
}

int main(int argc, char **argv)
{
    const int rounds = argc > 1 ? std::max(0, std::atoi(argv[1])) : 3;
    makeSource(kSource, "250");
    makeSource(kCameraSource, "50");
    makeSubtitledSource();
    if (rounds > 0)
        benchConversions(rounds);

    Engine engine = Engine::load();
    std::vector<double> probeMs;
    EngineFileInfo info{};
    const uint8_t *pixels = nullptr;
    int32_t second = 0;
    for (int i = 0; i < 30; ++i) {
        std::string path = kSource + std::string(10, '\0');
        const auto start = Clock::now();
        engine.X_GetFileinfo_GetPic(path.data(), 10, &info);
        engine.X_Get_Frame(240, 136, "2.bmp", &pixels, &second);
        probeMs.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    const auto hundredStart = Clock::now();
    for (int i = 0; i < 100; ++i) {
        Engine e = Engine::load();
        std::string path = kSource + std::string(10, '\0');
        e.X_GetFileinfo_GetPic(path.data(), 10, &info);
        e.X_Get_Frame(240, 136, "2.bmp", &pixels, &second);
        dlclose(e.handle);
    }
    const double hundredSeconds = std::chrono::duration<double>(Clock::now() - hundredStart).count();

    const Latencies grab = grabberLatencies(engine, kSource);
    const Latencies cameraGrab = grabberLatencies(engine, kCameraSource);

    std::printf("grabber, X_Set_NextFrame_Time to 2412 (target median <= 50 ms; load %s):\n", loadText().c_str());
    const auto report = [](const char *what, const Latencies &l) {
        std::printf("  %s median %.1f ms, max %.1f ms; cpu median %.1f ms\n", what, Median(l.wallMs),
                    *std::max_element(l.wallMs.begin(), l.wallMs.end()), Median(l.cpuMs));
    };
    report("keyframe every 10 s:", grab);
    report("keyframe every 2 s: ", cameraGrab);
    std::printf("probe + picture: median %.1f ms a file (target <= 60); 100 files with load/release %.2f s (target <= 10)\n",
                Median(probeMs), hundredSeconds);
    return 0;
}
