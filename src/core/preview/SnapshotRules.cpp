#include "SnapshotRules.h"

#include "core/DisplayAspect.h"

QSize SnapshotSize(SnapshotForm form, int videoWidth, int videoHeight, bool displayAspect, int aspectIndex)
{
    if (form == SnapshotForm::Thumbnail)
        return ThumbnailSize;
    if (!displayAspect)
        return {videoWidth, videoHeight};
    const double ratio = DisplayAspectOf(aspectIndex, videoWidth, videoHeight);
    return {int(static_cast<long double>(videoHeight) * ratio), videoHeight};
}

QString SnapshotPath(const QString &chosen, SnapshotForm form)
{
    const QString extension = form == SnapshotForm::Thumbnail ? QStringLiteral(".THM")
                              : form == SnapshotForm::Jpeg    ? QStringLiteral(".jpg")
                                                              : QStringLiteral(".bmp");
    const QString name = chosen.mid(chosen.lastIndexOf(QLatin1Char('/')) + 1);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString current = dot < 0 ? QString() : name.mid(dot);
    return current.compare(extension, Qt::CaseInsensitive) == 0 ? chosen : chosen + extension;
}
