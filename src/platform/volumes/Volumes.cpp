#include "Volumes.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

std::optional<Volume> Volumes::volumeAt(const QString &mountPoint) const
{
    const QString folder = mountPoint.endsWith(u'/') ? mountPoint : mountPoint + u'/';
    const QList<Volume> volumes = mounted();
    const auto topmost = std::find_if(volumes.rbegin(), volumes.rend(),
                                      [&](const Volume &v) { return v.mountPoint == folder; });
    if (topmost == volumes.rend())
        return std::nullopt;
    return *topmost;
}

QList<Volume> Volumes::removableVolumes() const
{
    QList<Volume> removable;
    for (const Volume &volume : mounted()) {
        if (volume.kind == VolumeKind::Removable)
            removable.append(volume);
    }
    std::stable_sort(removable.begin(), removable.end(),
                     [](const Volume &a, const Volume &b) { return a.mountPoint < b.mountPoint; });
    return removable;
}

std::optional<Volume> Volumes::firstRemovableHolding(const QString &folder) const
{
    for (const Volume &volume : removableVolumes()) {
        if (holdsFolder(volume, folder))
            return volume;
    }
    return std::nullopt;
}

namespace {

// The name of the folder in `parent` that matches `name`, exactly if one does, else ignoring case.
std::optional<QString> childFolder(const QString &parent, const QString &name)
{
    if (QFileInfo(parent + name).isDir())
        return name;
    const QStringList children = QDir(parent).entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
    const auto match = std::find_if(children.begin(), children.end(),
                                    [&](const QString &child) { return child.compare(name, Qt::CaseInsensitive) == 0; });
    if (match == children.end())
        return std::nullopt;
    return *match;
}

}

std::optional<QString> folderOnVolume(const Volume &volume, const QString &folder)
{
    QString path = volume.mountPoint;
    if (!QFileInfo(path).isDir())
        return std::nullopt;
    static const QRegularExpression separators(QStringLiteral("[/\\\\]"));
    for (const QString &part : folder.split(separators, Qt::SkipEmptyParts)) {
        if (part == QLatin1String("."))
            continue;
        if (part == QLatin1String(".."))
            return std::nullopt;   // a folder on the volume never leads off it
        const auto child = childFolder(path, part);
        if (!child)
            return std::nullopt;
        path += *child + u'/';
    }
    return path;
}
