// A sysfs tree and a /dev/disk/by-label folder in a temporary folder, laid out as the kernel and
// udev lay them out: devices/.../block/<disk>/<partition>, dev/block/<major>:<minor> and
// class/block/<name> as symbolic links.
#pragma once

#include "DeviceFacts.h"

#include <QMap>
#include <QString>
#include <QTemporaryDir>

class FakeSysfs {
public:
    FakeSysfs();

    QString root() const { return dir_.path() + QStringLiteral("/sys"); }
    QString byLabelFolder() const { return dir_.path() + QStringLiteral("/by-label"); }

    // A whole disk under devices/<parentPath>/block/<disk>; attributes are files relative to the
    // disk's folder, such as "removable" or "device/type".
    void addDisk(const QString &parentPath, const QString &disk, unsigned major, unsigned minor,
                 const QMap<QString, QString> &attributes = {});
    void addPartition(const QString &disk, const QString &partition, unsigned major, unsigned minor);
    // A by-label entry named as udev names it (unsafe characters as \xNN).
    void addLabel(const QString &encodedLabel, const QString &deviceName);

private:
    void link(const QString &devicePath, const QString &name, unsigned major, unsigned minor);
    static void writeFile(const QString &path, const QString &text);

    QTemporaryDir dir_;
    QMap<QString, QString> diskPaths_;
};

// udev facts by block device name.
class MapUdev final : public UdevLookup {
public:
    QMap<QString, QMap<QString, QString>> devices;
    QMap<QString, QString> properties(const QString &blockName) const override { return devices.value(blockName); }
};
