#include "DeviceFacts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <optional>

namespace {

// Kernel interfaces, memory and network file systems: never a drive, whatever their source says.
const QSet<QString> &notDeviceFileSystems()
{
    static const QSet<QString> names = {
        "proc", "sysfs", "devtmpfs", "devpts", "tmpfs", "ramfs", "securityfs", "cgroup", "cgroup2",
        "pstore", "bpf", "debugfs", "tracefs", "configfs", "fusectl", "hugetlbfs", "mqueue",
        "binfmt_misc", "autofs", "efivarfs", "nsfs", "rpc_pipefs", "overlay",
        "nfs", "nfs4", "cifs", "smb3", "smbfs", "ncpfs", "9p", "afs", "ceph", "glusterfs",
        "fuse.sshfs", "fuse.gvfsd-fuse", "fuse.portal", "fuse.rclone", "davfs", "fuse.davfs",
    };
    return names;
}

struct BlockDevice {
    QString name;      // "sdb1"
    QString sysPath;   // its folder under the sysfs root, symbolic links resolved
    QString diskPath;  // the whole disk's folder: the parent of a partition, else sysPath
};

QString readAttribute(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).trimmed();
}

std::optional<BlockDevice> blockDeviceOf(const MountEntry &mount, const DeviceSources &sources)
{
    QString link;
    if (mount.major != 0) {
        link = sources.sysfsRoot + QStringLiteral("/dev/block/%1:%2").arg(mount.major).arg(mount.minor);
    } else if (mount.source.startsWith(QLatin1String("/dev/"))) {
        // FUSE block file systems and btrfs show an anonymous device number; the source names
        // the real device (through /dev/mapper links, too).
        const QString resolved = QFileInfo(mount.source).canonicalFilePath();
        const QString name = QFileInfo(resolved.isEmpty() ? mount.source : resolved).fileName();
        link = sources.sysfsRoot + QStringLiteral("/class/block/") + name;
    } else {
        return std::nullopt;
    }
    BlockDevice device;
    device.sysPath = QFileInfo(link).canonicalFilePath();
    if (device.sysPath.isEmpty())
        return std::nullopt;
    device.name = QFileInfo(device.sysPath).fileName();
    device.diskPath = QFileInfo::exists(device.sysPath + QStringLiteral("/partition"))
        ? QFileInfo(device.sysPath).path()
        : device.sysPath;
    return device;
}

// udev writes unsafe characters of names as \xNN.
QString decodeUdevEscapes(const QString &text)
{
    const QByteArray in = text.toUtf8();
    QByteArray out;
    for (qsizetype i = 0; i < in.size(); ++i) {
        bool ok = false;
        const int byte = i + 3 < in.size() && in[i] == '\\' && in[i + 1] == 'x'
            ? in.mid(i + 2, 2).toInt(&ok, 16)
            : 0;
        if (ok) {
            out.append(char(byte));
            i += 3;
        } else {
            out.append(in[i]);
        }
    }
    return QString::fromUtf8(out);
}

bool isOptical(const BlockDevice &device, const QMap<QString, QString> &udev, const QString &fileSystem)
{
    if (udev.value(QStringLiteral("ID_CDROM")) == QLatin1String("1") || device.name.startsWith(QLatin1String("sr")))
        return true;
    // SCSI peripheral type 5: a CD/DVD drive.
    if (readAttribute(device.diskPath + QStringLiteral("/device/type")) == QLatin1String("5"))
        return true;
    // A disc image attached to a loop device stands in for the disc.
    return device.name.startsWith(QLatin1String("loop"))
        && (fileSystem == QLatin1String("iso9660") || fileSystem == QLatin1String("udf"));
}

bool flaggedRemovable(const BlockDevice &device)
{
    return readAttribute(device.diskPath + QStringLiteral("/removable")) == QLatin1String("1");
}

bool isRemovable(const BlockDevice &device, const QMap<QString, QString> &udev)
{
    if (flaggedRemovable(device))
        return true;
    if (udev.value(QStringLiteral("ID_BUS")) == QLatin1String("usb"))
        return true;
    // USB sticks and readers often report removable 0; so do SD cards (the MMC type "SD",
    // unlike soldered eMMC, "MMC") and Memory Sticks.
    return device.sysPath.contains(QLatin1String("/usb"))
        || device.sysPath.contains(QLatin1String("/memstick"))
        || readAttribute(device.diskPath + QStringLiteral("/device/type")) == QLatin1String("SD");
}

bool isVirtual(const BlockDevice &device)
{
    for (const char *prefix : {"loop", "ram", "zram", "nbd"}) {
        if (device.name.startsWith(QLatin1String(prefix)))
            return true;
    }
    return false;
}

QString labelFromByLabel(const BlockDevice &device, const QString &byLabelFolder)
{
    const QDir folder(byLabelFolder);
    for (const QFileInfo &entry : folder.entryInfoList(QDir::System | QDir::Files | QDir::NoDotAndDotDot)) {
        if (entry.isSymLink() && QFileInfo(entry.symLinkTarget()).fileName() == device.name)
            return decodeUdevEscapes(entry.fileName());
    }
    return {};
}

QString labelOf(const BlockDevice &device, const QMap<QString, QString> &udev, const DeviceSources &sources)
{
    // ID_FS_LABEL has unsafe characters replaced by "_"; the encoded form keeps them.
    const QString encoded = udev.value(QStringLiteral("ID_FS_LABEL_ENC"));
    if (!encoded.isEmpty())
        return decodeUdevEscapes(encoded);
    const QString plain = udev.value(QStringLiteral("ID_FS_LABEL"));
    if (!plain.isEmpty())
        return plain;
    return labelFromByLabel(device, sources.byLabelFolder);
}

}

Volume volumeFromMount(const MountEntry &mount, const DeviceSources &sources)
{
    Volume volume;
    volume.mountPoint = mount.mountFolder();
    volume.source = mount.source;
    volume.fileSystem = mount.fileSystem;
    volume.root = mount.root;
    volume.mountId = mount.mountId;

    if (notDeviceFileSystems().contains(mount.fileSystem))
        return volume;
    const auto device = blockDeviceOf(mount, sources);
    if (!device)
        return volume;
    const QMap<QString, QString> udev = sources.udev ? sources.udev->properties(device->name) : QMap<QString, QString>();
    volume.label = labelOf(*device, udev, sources);
    if (isOptical(*device, udev, mount.fileSystem))
        volume.kind = VolumeKind::CdRom;
    // The kernel never flags a loop, RAM or network block device removable; one whose flag reads 1
    // all the same (a disk image standing in for a USB drive) is taken at its word.
    else if (isVirtual(*device) && !flaggedRemovable(*device))
        volume.kind = VolumeKind::Other;
    else if (isRemovable(*device, udev))
        volume.kind = VolumeKind::Removable;
    else
        volume.kind = VolumeKind::Fixed;
    return volume;
}

QList<Volume> volumesFromMountInfo(const QString &mountInfoText, const DeviceSources &sources)
{
    QList<Volume> volumes;
    for (const MountEntry &mount : parseMountInfo(mountInfoText))
        volumes.append(volumeFromMount(mount, sources));
    return volumes;
}
