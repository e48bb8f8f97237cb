#pragma once

#include <functional>

// The warning sound of the input controls (a refused key, a step on a read-only field, an invalid
// masked entry). Tests swap the sound to observe it.
void inputBeep();

// Installs `sound` (an empty function restores the system beep) and returns the previous one.
std::function<void()> replaceInputBeep(std::function<void()> sound);
