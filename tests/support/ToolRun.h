#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

struct ToolResult {
    int exitCode; // -1 when the tool could not start or did not exit normally
    QByteArray output; // stdout and stderr together
};

// Runs an external tool (ffmpeg, ffprobe, mkfs) to its end. Started with posix_spawn rather than
// QProcess: once a process has started a child through QProcess (Debian's Qt 6.4, GCC 12),
// ThreadSanitizer reports races on properly locked data in the rest of it, every time.
ToolResult runTool(const QString &program, const QStringList &args);
