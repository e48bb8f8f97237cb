#pragma once

#include <QStringList>

// Runs the command line `arguments` (without the program's name) and gives the exit status.
int RunCommandLine(const QStringList &arguments);
