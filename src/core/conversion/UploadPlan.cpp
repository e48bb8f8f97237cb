#include "UploadPlan.h"

#include "core/OutputNames.h"
#include "platform/volumes/Volumes.h"

namespace {

QString folderTextFor(const QString &outputName, const PspFolders &folders)
{
    if (outputName.startsWith(QStringLiteral("MAQ")))
        return folders.avc;
    if (outputName.startsWith(QStringLiteral("M4V")))
        return folders.mp4;
    return QString();
}

QString asWritten(const Volume &psp, QString folder)
{
    folder.replace(u'\\', u'/');
    if (!folder.isEmpty() && !folder.endsWith(u'/'))
        folder += u'/';
    return psp.mountPoint + folder;
}

} // namespace

std::optional<Volume> FindPsp(const Volumes &volumes, const PspFolders &folders)
{
    return volumes.firstRemovableHolding(folders.upload);
}

QList<UploadItem> PlanUpload(const QStringList &outputNames, const QString &outputFolder, const Volume &psp,
                             const PspFolders &folders)
{
    QList<UploadItem> items;
    for (const QString &name : outputNames) {
        UploadItem item;
        item.outputName = name;
        item.source = outputFolder + name;
        const QString folder = folderTextFor(name, folders);
        const auto existing = folderOnVolume(psp, folder);
        item.destinationFolderFound = existing.has_value();
        item.destination = existing.value_or(asWritten(psp, folder)) + name;
        item.thumbnailSource = ThumbnailNameOf(item.source);
        item.thumbnailDestination = ThumbnailNameOf(item.destination);
        items.append(item);
    }
    return items;
}
