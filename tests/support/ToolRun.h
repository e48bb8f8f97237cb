#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

struct ToolResult {
    int exitCode; // -1 when the tool could not start or did not exit normally
    QByteArray output; // stdout and stderr together
};

// Runs an external tool (ffmpeg, ffprobe, mkfs) to its end. Started with posix_spawn rather than
// QProcess: QProcess's child runs intercepted calls on the parent thread's ThreadSanitizer state,
// after which the thread pass reports races on properly locked data in the rest of the process.
ToolResult runTool(const QString &program, const QStringList &args);
