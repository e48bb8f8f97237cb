#include "Console.h"

#include <algorithm>
#include <cstdio>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {

constexpr int MinimumLabel = 16;

void Write(FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

} // namespace

Console::Console(bool quiet)
    : quiet_(quiet)
    , terminal_(::isatty(STDERR_FILENO) == 1)
{
}

void Console::ClearStatus()
{
    if (statusShown_)
        Write(stderr, QStringLiteral("\r\x1b[K"));
    statusShown_ = false;
}

int Console::Columns() const
{
    winsize size{};
    if (::ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0)
        return size.ws_col;
    return 80;
}

void Console::Result(const QString &line)
{
    // Both streams may be the same terminal: the status line must not run into the result.
    ClearStatus();
    Write(stdout, line + u'\n');
}

void Console::Error(const QString &text)
{
    ClearStatus();
    Write(stderr, QStringLiteral("pocketreel-cli: ") + text + u'\n');
}

void Console::Note(const QString &line)
{
    if (quiet_)
        return;
    ClearStatus();
    Write(stderr, line + u'\n');
}

void Console::Status(const QString &label, const QString &progress)
{
    if (quiet_)
        return;
    if (!terminal_) {
        Write(stderr, label + QStringLiteral(": ") + progress + u'\n');
        return;
    }
    // One column short of the width: a line that fills it would leave the cursor on the next row.
    // A long label loses its start (the output name at its end stays), a narrow terminal the
    // end of the progress.
    const int width = Columns() - 1;
    const int room = std::max(width - int(progress.size()) - 2, MinimumLabel);
    const QString shown = label.size() <= room ? label : QStringLiteral("...") + label.right(room - 3);
    Write(stderr, QStringLiteral("\r\x1b[K") + (shown + QStringLiteral(": ") + progress).left(width));
    statusShown_ = true;
}

void Console::EndStatus(const QString &line)
{
    ClearStatus();
    if (!quiet_)
        Write(stderr, line + u'\n');
}
