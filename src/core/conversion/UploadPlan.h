#pragma once

#include "platform/volumes/Volume.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

class Volumes;

// The folders of a PSP as the options name them, relative to the device's root ("" = the root).
struct PspFolders {
    QString upload;  // its presence marks a removable volume as the PSP
    QString avc;     // destination of "MAQ" (h264) files
    QString mp4;     // destination of "M4V" (mpeg4) files
};

// One MP4 and its thumbnail: where they are in the output folder and where they go on the PSP.
struct UploadItem {
    QString outputName;
    QString source;
    QString destination;
    QString thumbnailSource;
    QString thumbnailDestination;
    // The destination folder exists on the PSP; the upload never creates it.
    bool destinationFolderFound = false;
};

// The first removable volume, in mount-point order, holding the upload folder.
std::optional<Volume> FindPsp(const Volumes &volumes, const PspFolders &folders);

// The items for `outputNames`, in their order. A destination folder is looked up without regard
// to letter case; one that is missing (or would lead off the device) is named as written.
QList<UploadItem> PlanUpload(const QStringList &outputNames, const QString &outputFolder, const Volume &psp,
                             const PspFolders &folders);
