#pragma once

#include <functional>

class Prompts;

// Runs the creation of the program's windows. An exception that escapes it is shown in an error
// box (one of no standard kind with an empty text), and the result is false: the program then
// ends with exit status 0.
bool CreateWindowsOrReport(const std::function<void()> &create, Prompts &prompts);
