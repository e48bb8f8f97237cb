// The volumes service: mounted volumes, their kinds and labels, and notifications when volumes
// arrive or leave.
//
// Notifications: after watch(window), every mount that appears posts message 537
// (DeviceChangeMessage) with WParam 0x8000 (DeviceArrival) and every mount that goes away posts
// 537 with WParam 0x8004 (DeviceRemoveComplete), each to `window` through its MessageTarget, from
// whatever thread watches. LParam is an id, never a pointer: notified(LParam) on the receiving
// thread gives the volume as it was when the change was seen, so a removed volume still has its
// mount point, kind and label. Ids are not reused; only the most recent notifications are kept,
// and an id that is unknown or too old gives nullopt (ignore the message then). One message per
// volume; when one change removes and adds mounts, removals are posted first.
#pragma once

#include "abi/DVDEncoder.h"
#include "platform/volumes/Volume.h"

#include <QList>
#include <QString>
#include <cstdint>
#include <optional>

enum : uint32_t { DeviceChangeMessage = 537 };
enum : intptr_t { DeviceArrival = 0x8000, DeviceRemoveComplete = 0x8004 };

class Volumes {
public:
    virtual ~Volumes() = default;

    // Every mounted volume in mount-table order; a mount stacked over an earlier one comes later.
    virtual QList<Volume> mounted() const = 0;

    // Starts posting notifications to window, replacing an earlier one; nullptr stops them.
    // Once it returns, nothing more is posted to the earlier window; the window must outlive the
    // watching (stop it, or destroy the service, before the window goes).
    virtual void watch(MessageTarget *window) = 0;

    // The volume that a 537 notification with this LParam names.
    virtual std::optional<Volume> notified(intptr_t lparam) const = 0;

    // The volume visible at mountPoint (with or without the final "/"): the topmost mount there.
    std::optional<Volume> volumeAt(const QString &mountPoint) const;

    // Removable volumes ordered by mount point (what scanning drive letters C..Z stands for).
    QList<Volume> removableVolumes() const;

    // The first removable volume, in mount-point order, on which folder exists; an empty folder
    // means the volume's root, so any removable volume qualifies.
    std::optional<Volume> firstRemovableHolding(const QString &folder) const;
};

// The existing folder at volume.mountPoint + folder, its path components matched without regard
// to letter case (optical discs and FAT media show names in either case). `\` and `/` both
// separate components. The result ends with "/"; nullopt when there is no such folder.
std::optional<QString> folderOnVolume(const Volume &volume, const QString &folder);

inline bool holdsFolder(const Volume &volume, const QString &folder)
{
    return folderOnVolume(volume, folder).has_value();
}
