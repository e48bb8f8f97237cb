// Running one conversion in a process of its own and measuring it: wall and CPU time, peak memory,
// and how much of the machine other processes took meanwhile.
#pragma once

#include <functional>
#include <string>
#include <vector>

struct Measured {
    int status;
    double seconds;
    double cpuSeconds;
    double peakMb;
    double othersShare; // of all cores, what other processes used meanwhile
};

long cores();
// `work` runs in a forked child; its return value is the child's exit status.
Measured inChild(const std::function<int()> &work);
// A tool run with these arguments (the first names it, looked up on PATH).
Measured runTool(const std::vector<std::string> &args);
// What a shell command writes to its standard output.
std::string toolOutput(const std::string &command);
// The 1, 5 and 15 minute load averages.
std::string loadText();
