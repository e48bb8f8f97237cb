// What changed between two readings of the mount table.
#pragma once

#include "MountTable.h"
#include "Volume.h"

#include <QList>

struct MountTableChange {
    QList<Volume> removed;      // known volumes whose mount is gone, in their former order
    QList<MountEntry> added;    // mounts that are new, in table order
};

// A mount counts as the same when its id, mount point, root, source and file system all match:
// the kernel reuses the ids of unmounted mounts.
MountTableChange diffMountTable(const QList<Volume> &known, const QList<MountEntry> &now);
