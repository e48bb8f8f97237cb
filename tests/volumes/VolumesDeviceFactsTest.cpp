#include "DeviceFacts.h"
#include "FakeSysfs.h"

#include <gtest/gtest.h>

namespace {

const char *kindName(VolumeKind kind)
{
    switch (kind) {
    case VolumeKind::CdRom: return "CD-ROM";
    case VolumeKind::Removable: return "removable";
    case VolumeKind::Fixed: return "fixed";
    case VolumeKind::Other: return "other";
    }
    return "?";
}

// One machine: an ATA disk, a USB stick, a card reader, optical drives, loop devices, SD and eMMC.
class VolumesDeviceFacts : public ::testing::Test {
protected:
    void SetUp() override
    {
        const QString ata = QStringLiteral("pci0000:00/0000:00:1f.2/ata1/host0/target0:0:0/0:0:0:0");
        const QString usb = QStringLiteral("pci0000:00/0000:00:14.0/usb2/2-1/2-1:1.0/host6/target6:0:0/6:0:0:0");
        sysfs.addDisk(ata, QStringLiteral("sda"), 8, 0, {{"removable", "0"}, {"device/type", "0"}});
        sysfs.addPartition(QStringLiteral("sda"), QStringLiteral("sda2"), 8, 2);
        sysfs.addDisk(usb, QStringLiteral("sdb"), 8, 16, {{"removable", "0"}});
        sysfs.addPartition(QStringLiteral("sdb"), QStringLiteral("sdb1"), 8, 17);
        sysfs.addDisk(QStringLiteral("pci0000:00/0000:00:1d.0/host7/7:0:0:0"), QStringLiteral("sdc"), 8, 32, {{"removable", "1"}});
        sysfs.addPartition(QStringLiteral("sdc"), QStringLiteral("sdc1"), 8, 33);
        sysfs.addDisk(QStringLiteral("pci0000:00/0000:00:1f.5/host8/8:0:0:0"), QStringLiteral("sdd"), 8, 48, {{"removable", "1"}, {"device/type", "5"}});
        sysfs.addDisk(QStringLiteral("pci0000:00/0000:00:1f.2/ata2/host1/target1:0:0/1:0:0:0"), QStringLiteral("sr0"), 11, 0, {{"removable", "1"}});
        sysfs.addDisk(QStringLiteral("pci0000:00/0000:00:1f.2/ata3"), QStringLiteral("sde"), 8, 64, {{"removable", "0"}});
        sysfs.addPartition(QStringLiteral("sde"), QStringLiteral("sde1"), 8, 65);
        sysfs.addDisk(QStringLiteral("virtual"), QStringLiteral("loop0"), 7, 0);
        sysfs.addDisk(QStringLiteral("virtual"), QStringLiteral("loop1"), 7, 1, {{"removable", "0"}});
        sysfs.addDisk(QStringLiteral("virtual"), QStringLiteral("loop2"), 7, 2, {{"removable", "1"}});
        sysfs.addDisk(QStringLiteral("platform/soc/mmc_host/mmc0/mmc0:0001"), QStringLiteral("mmcblk0"), 179, 0, {{"removable", "0"}, {"device/type", "SD"}});
        sysfs.addPartition(QStringLiteral("mmcblk0"), QStringLiteral("mmcblk0p1"), 179, 1);
        sysfs.addDisk(QStringLiteral("platform/soc/mmc_host/mmc1/mmc1:0001"), QStringLiteral("mmcblk1"), 179, 8, {{"removable", "0"}, {"device/type", "MMC"}});
        sysfs.addPartition(QStringLiteral("mmcblk1"), QStringLiteral("mmcblk1p1"), 179, 9);
        sysfs.addLabel(QStringLiteral("My\\x20Stick"), QStringLiteral("sdb1"));
        sysfs.addLabel(QStringLiteral("OLD\\x20DISC"), QStringLiteral("sr0"));

        udev.devices.insert(QStringLiteral("sr0"), {{"ID_CDROM", "1"}, {"ID_FS_LABEL", "MY_DVD"}, {"ID_FS_LABEL_ENC", "MY\\x20DVD"}});
        udev.devices.insert(QStringLiteral("sde1"), {{"ID_BUS", "usb"}, {"ID_FS_LABEL", "PSP"}});
        udev.devices.insert(QStringLiteral("sda2"), {{"ID_BUS", "ata"}, {"ID_FS_LABEL", "Data"}});
    }

    Volume volumeOf(const char *line, bool withUdev = true) const
    {
        DeviceSources sources{sysfs.root(), sysfs.byLabelFolder(), withUdev ? &udev : nullptr};
        const QList<Volume> volumes = volumesFromMountInfo(QString::fromUtf8(line), sources);
        if (volumes.size() == 1)
            return volumes[0];
        Volume unparsed;
        unparsed.mountPoint = QStringLiteral("(not parsed)");
        return unparsed;
    }

    FakeSysfs sysfs;
    MapUdev udev;
};

struct KindCase {
    const char *line;
    VolumeKind kind;
    const char *label;
    const char *mountPoint;
};

void expectVolume(const Volume &volume, const KindCase &c)
{
    EXPECT_STREQ(kindName(volume.kind), kindName(c.kind)) << c.line;
    EXPECT_EQ(volume.label, QString::fromUtf8(c.label)) << c.line;
    EXPECT_EQ(volume.mountPoint, QString::fromUtf8(c.mountPoint)) << c.line;
}

}

TEST_F(VolumesDeviceFacts, ClassifiesBlockDevices)
{
    const KindCase cases[] = {
        {"28 1 8:2 / / rw - ext4 /dev/sda2 rw", VolumeKind::Fixed, "Data", "/"},
        {"61 28 11:0 / /media/u/MY\\040DVD ro - udf /dev/sr0 ro", VolumeKind::CdRom, "MY DVD", "/media/u/MY DVD/"},
        {"62 28 8:17 / /media/u/stick rw - vfat /dev/sdb1 rw", VolumeKind::Removable, "My Stick", "/media/u/stick/"},
        {"63 28 8:33 / /media/u/card rw - exfat /dev/sdc1 rw", VolumeKind::Removable, "", "/media/u/card/"},
        {"64 28 8:48 / /media/u/scsicd ro - iso9660 /dev/sdd ro", VolumeKind::CdRom, "", "/media/u/scsicd/"},
        {"65 28 8:65 / /media/u/PSP rw - vfat /dev/sde1 rw", VolumeKind::Removable, "PSP", "/media/u/PSP/"},
        {"66 28 7:0 / /media/u/image ro - iso9660 /dev/loop0 ro", VolumeKind::CdRom, "", "/media/u/image/"},
        {"67 28 7:1 / /snap/core/1 ro - squashfs /dev/loop1 ro", VolumeKind::Other, "", "/snap/core/1/"},
        // A disk image whose removable flag has been set stands in for a USB drive.
        {"71 28 7:2 / /media/u/image-psp rw - ext4 /dev/loop2 rw", VolumeKind::Removable, "", "/media/u/image-psp/"},
        {"68 28 179:1 / /media/u/sd rw - vfat /dev/mmcblk0p1 rw", VolumeKind::Removable, "", "/media/u/sd/"},
        {"69 28 179:9 / /boot rw - ext4 /dev/mmcblk1p1 rw", VolumeKind::Fixed, "", "/boot/"},
        {"70 28 8:99 / /mnt/gone rw - ext4 /dev/sdz9 rw", VolumeKind::Other, "", "/mnt/gone/"},
    };
    for (const KindCase &c : cases)
        expectVolume(volumeOf(c.line), c);
}

TEST_F(VolumesDeviceFacts, NetworkPseudoAndMemoryFileSystemsAreNoDrive)
{
    const KindCase cases[] = {
        {"22 28 0:21 / /proc rw - proc proc rw", VolumeKind::Other, "", "/proc/"},
        {"26 24 0:24 / /dev/shm rw - tmpfs tmpfs rw", VolumeKind::Other, "", "/dev/shm/"},
        {"80 28 0:50 / /net/video rw - nfs4 srv:/export/video rw", VolumeKind::Other, "", "/net/video/"},
        {"81 28 0:51 / /mnt/share rw - cifs //srv/share rw", VolumeKind::Other, "", "/mnt/share/"},
        // A memory file system may name any source; it still holds no device's files.
        {"82 28 0:52 / /mnt/fake rw - tmpfs /dev/sdb1 rw", VolumeKind::Other, "", "/mnt/fake/"},
    };
    for (const KindCase &c : cases)
        expectVolume(volumeOf(c.line), c);
}

TEST_F(VolumesDeviceFacts, AnonymousDeviceNumbersFallBackToTheSource)
{
    // FUSE block file systems (exFAT, NTFS) and btrfs show 0:N; the source names the device.
    const KindCase cases[] = {
        {"90 28 0:55 / /media/u/ntfs rw - fuseblk /dev/sdb1 rw", VolumeKind::Removable, "My Stick", "/media/u/ntfs/"},
        {"91 28 0:40 /@home /home rw - btrfs /dev/sda2 rw", VolumeKind::Fixed, "Data", "/home/"},
    };
    for (const KindCase &c : cases)
        expectVolume(volumeOf(c.line), c);
    EXPECT_EQ(volumeOf(cases[1].line).root, "/@home");
}

TEST_F(VolumesDeviceFacts, ABindMountKeepsTheDeviceFactsAndItsRoot)
{
    const Volume bind = volumeOf("95 28 8:17 /Videos /mnt/videos rw - vfat /dev/sdb1 rw");
    expectVolume(bind, {"bind", VolumeKind::Removable, "My Stick", "/mnt/videos/"});
    EXPECT_EQ(bind.root, "/Videos");
    EXPECT_EQ(bind.source, "/dev/sdb1");
    EXPECT_EQ(bind.fileSystem, "vfat");
    EXPECT_EQ(bind.mountId, 95);
}

TEST_F(VolumesDeviceFacts, WithoutUdevSysfsAndByLabelDecide)
{
    const KindCase cases[] = {
        {"61 28 11:0 / /media/u/disc ro - udf /dev/sr0 ro", VolumeKind::CdRom, "OLD DISC", "/media/u/disc/"},
        {"62 28 8:17 / /media/u/stick rw - vfat /dev/sdb1 rw", VolumeKind::Removable, "My Stick", "/media/u/stick/"},
        // Only udev knew this disk hangs on USB.
        {"65 28 8:65 / /media/u/PSP rw - vfat /dev/sde1 rw", VolumeKind::Fixed, "", "/media/u/PSP/"},
    };
    for (const KindCase &c : cases)
        expectVolume(volumeOf(c.line, false), c);
}
