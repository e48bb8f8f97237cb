// The lines of /proc/self/mountinfo (proc(5)) as records, with the octal escapes decoded.
#pragma once

#include <QList>
#include <QString>

struct MountEntry {
    int mountId = 0;
    unsigned major = 0;
    unsigned minor = 0;
    QString root;         // folder of the file system mounted here
    QString mountPoint;   // as the kernel writes it, without a final "/" except for "/"
    QString fileSystem;
    QString source;

    // The mount point as a folder text, ending with "/".
    QString mountFolder() const { return mountPoint.endsWith(u'/') ? mountPoint : mountPoint + u'/'; }

    bool operator==(const MountEntry &) const = default;
};

// Lines that do not have the mountinfo layout are skipped.
QList<MountEntry> parseMountInfo(const QString &text);

// "\040" and the other three-digit octal escapes of the mount table, decoded as UTF-8 bytes.
QString decodeMountEscapes(const QString &field);
