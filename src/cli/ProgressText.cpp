#include "ProgressText.h"

#include "core/TextHelpers.h"

#include <algorithm>

int PercentDone(const ConversionProgress &progress)
{
    if (progress.totalSeconds <= 0)
        return 0;
    return int(std::clamp<qint64>(qint64(progress.secondsDone) * 100 / progress.totalSeconds, 0, 100));
}

QString ProgressText(const ConversionProgress &progress)
{
    const QString elapsed = SecondsToText(int(progress.elapsedMs / 1000)) + QStringLiteral(" elapsed");
    if (progress.fps == 0 || progress.frame == 0)
        return QStringLiteral("seeking  ") + elapsed;
    QString text = QStringLiteral("%1%  %2 fps  ").arg(PercentDone(progress), 3).arg(progress.fps) + elapsed;
    const qint64 remaining = qint64(progress.totalSeconds) - progress.secondsDone;
    if (progress.secondsDone > 0 && remaining > 0)
        text += QStringLiteral("  ")
            + SecondsToText(int(progress.elapsedMs * remaining / progress.secondsDone / 1000))
            + QStringLiteral(" left");
    return text;
}
