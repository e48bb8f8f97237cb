#pragma once

#include <optional>

// Answers --help (-h) and --version (-v) on standard output, before any window, lock or display
// is touched, and gives the exit status; nullopt when neither was asked for and the program runs.
// Every other argument is left to Qt (-platform, -display, ...), as before.
std::optional<int> AnswerCommandLine(int argc, char **argv);
