// Where the kind and label of a mounted block device come from: udev first, sysfs and
// /dev/disk/by-label when udev knows nothing (no udev database in containers and chroots).
#pragma once

#include "MountTable.h"
#include "Volume.h"

#include <QMap>
#include <QString>

class UdevLookup {
public:
    virtual ~UdevLookup() = default;
    // The udev properties of the block device named `blockName` ("sr0", "sdb1"); empty when
    // udev has none.
    virtual QMap<QString, QString> properties(const QString &blockName) const = 0;
};

struct DeviceSources {
    QString sysfsRoot = QStringLiteral("/sys");
    QString byLabelFolder = QStringLiteral("/dev/disk/by-label");
    const UdevLookup *udev = nullptr;   // nullptr: sysfs and by-label only
};

// The volume that a mount-table entry stands for, with its kind and label.
Volume volumeFromMount(const MountEntry &mount, const DeviceSources &sources);

// Every entry of a mountinfo text as a volume, in table order.
QList<Volume> volumesFromMountInfo(const QString &mountInfoText, const DeviceSources &sources);
