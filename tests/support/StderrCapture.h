#pragma once

#include <QByteArray>
#include <cstdio>

// Everything written to standard error while it lives, by whichever part of the process (Qt's
// default message handler, the engine's own lines), goes to a file instead of the terminal;
// Text() reads it back. The terminal gets standard error again, with what was captured, after.
class StderrCapture {
public:
    StderrCapture();
    ~StderrCapture();
    StderrCapture(const StderrCapture &) = delete;
    StderrCapture &operator=(const StderrCapture &) = delete;

    QByteArray Text() const;

private:
    std::FILE *file_ = nullptr;
    int saved_ = -1;
};
