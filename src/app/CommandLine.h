#pragma once

#include <QStringList>
#include <optional>

// Answers --help (-h) and --version (-v) on standard output, before any window, lock or display
// is touched, and gives the exit status; nullopt when neither was asked for and the program runs.
std::optional<int> AnswerCommandLine(int argc, char **argv);

// The files to add, as absolute paths in the order given: every argument (after the program's
// name) that is neither an option nor the value of one of Qt's options (-platform NAME, -style
// NAME, ...), which are left to Qt; after "--" every argument is a file.
QStringList FilesToOpen(const QStringList &arguments, const QString &workingFolder);
QStringList FilesToOpen(int argc, char **argv);
