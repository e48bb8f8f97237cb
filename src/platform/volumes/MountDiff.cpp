#include "MountDiff.h"

#include <algorithm>

namespace {

bool sameMount(const Volume &volume, const MountEntry &mount)
{
    return volume.mountId == mount.mountId && volume.mountPoint == mount.mountFolder() && volume.root == mount.root
        && volume.source == mount.source && volume.fileSystem == mount.fileSystem;
}

}

MountTableChange diffMountTable(const QList<Volume> &known, const QList<MountEntry> &now)
{
    MountTableChange change;
    for (const Volume &volume : known) {
        if (std::none_of(now.begin(), now.end(), [&](const MountEntry &m) { return sameMount(volume, m); }))
            change.removed.append(volume);
    }
    for (const MountEntry &mount : now) {
        if (std::none_of(known.begin(), known.end(), [&](const Volume &v) { return sameMount(v, mount); }))
            change.added.append(mount);
    }
    return change;
}
