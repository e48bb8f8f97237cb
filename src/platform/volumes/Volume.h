// One mounted volume: what stands in for a Windows drive root.
#pragma once

#include <QString>

enum class VolumeKind { CdRom, Removable, Fixed, Other };

struct Volume {
    QString mountPoint;   // always ends with "/"
    VolumeKind kind = VolumeKind::Other;
    QString label;        // file-system label as stored on the medium; empty when none is known
    QString source;       // the mount source, such as "/dev/sr0" or "server:/export"
    QString fileSystem;   // such as "iso9660", "vfat", "tmpfs"
    QString root;         // folder of the file system seen at the mount point: "/" unless a bind mount
    int mountId = 0;      // unique among the mounts that exist at one time

    bool operator==(const Volume &) const = default;
};
