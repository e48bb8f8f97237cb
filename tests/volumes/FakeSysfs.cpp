#include "FakeSysfs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <stdexcept>

FakeSysfs::FakeSysfs()
{
    if (!dir_.isValid())
        throw std::runtime_error("no temporary folder for the fake sysfs");
    for (const char *folder : {"/sys/devices", "/sys/dev/block", "/sys/class/block", "/by-label"})
        QDir().mkpath(dir_.path() + QLatin1String(folder));
}

void FakeSysfs::writeFile(const QString &path, const QString &text)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8() + '\n') < 0)
        throw std::runtime_error("cannot write the fake sysfs");
}

void FakeSysfs::link(const QString &devicePath, const QString &name, unsigned major, unsigned minor)
{
    // Relative links, as sysfs has them, so the tree resolves wherever it lies.
    const QString relative = QStringLiteral("../../devices/") + devicePath;
    QFile::link(relative, root() + QStringLiteral("/dev/block/%1:%2").arg(major).arg(minor));
    QFile::link(relative, root() + QStringLiteral("/class/block/") + name);
}

void FakeSysfs::addDisk(const QString &parentPath, const QString &disk, unsigned major, unsigned minor,
                        const QMap<QString, QString> &attributes)
{
    const QString devicePath = parentPath + QStringLiteral("/block/") + disk;
    diskPaths_.insert(disk, devicePath);
    const QString folder = root() + QStringLiteral("/devices/") + devicePath;
    QDir().mkpath(folder);
    writeFile(folder + QStringLiteral("/dev"), QStringLiteral("%1:%2").arg(major).arg(minor));
    for (auto it = attributes.begin(); it != attributes.end(); ++it)
        writeFile(folder + u'/' + it.key(), it.value());
    link(devicePath, disk, major, minor);
}

void FakeSysfs::addPartition(const QString &disk, const QString &partition, unsigned major, unsigned minor)
{
    const QString devicePath = diskPaths_.value(disk) + u'/' + partition;
    const QString folder = root() + QStringLiteral("/devices/") + devicePath;
    writeFile(folder + QStringLiteral("/partition"), QStringLiteral("1"));
    writeFile(folder + QStringLiteral("/dev"), QStringLiteral("%1:%2").arg(major).arg(minor));
    link(devicePath, partition, major, minor);
}

void FakeSysfs::addLabel(const QString &encodedLabel, const QString &deviceName)
{
    QFile::link(QStringLiteral("../../") + deviceName, byLabelFolder() + u'/' + encodedLabel);
}
