#include "FakeSysfs.h"
#include "FakeVolumes.h"
#include "SystemVolumes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Mount points that are real folders, so that folder look-ups have something to find.
class VolumesService : public ::testing::Test {
protected:
    QString folder(const QString &relative)
    {
        const QString path = dir.path() + u'/' + relative;
        QDir().mkpath(path);
        return path;
    }

    QTemporaryDir dir;
    FakeVolumes volumes;
};

QStringList mountPoints(const QList<Volume> &list)
{
    QStringList points;
    for (const Volume &v : list)
            points.append(v.mountPoint);
    return points;
}

}

TEST_F(VolumesService, VolumeAtFindsTheTopmostMountWithOrWithoutSlash)
{
    const QString media = folder(QStringLiteral("media"));
    Volume lower = FakeVolumes::makeVolume(media, VolumeKind::Fixed, QStringLiteral("lower"));
    Volume upper = FakeVolumes::makeVolume(media, VolumeKind::CdRom, QStringLiteral("upper"));
    volumes.setMounted({lower, upper});

    EXPECT_EQ(volumes.volumeAt(media)->label, "upper");
    EXPECT_EQ(volumes.volumeAt(media + u'/')->label, "upper");
    EXPECT_FALSE(volumes.volumeAt(dir.path()).has_value());
    EXPECT_FALSE(volumes.volumeAt(QStringLiteral("A")).has_value());
}

TEST_F(VolumesService, RemovableVolumesComeInMountPointOrder)
{
    volumes.setMounted({
        FakeVolumes::makeVolume(folder("media/zeta"), VolumeKind::Removable),
        FakeVolumes::makeVolume(folder("media/fixed"), VolumeKind::Fixed),
        FakeVolumes::makeVolume(folder("media/alpha"), VolumeKind::Removable),
        FakeVolumes::makeVolume(folder("media/disc"), VolumeKind::CdRom),
        FakeVolumes::makeVolume(folder("media/beta"), VolumeKind::Removable),
    });
    EXPECT_EQ(mountPoints(volumes.removableVolumes()),
              QStringList({dir.path() + "/media/alpha/", dir.path() + "/media/beta/", dir.path() + "/media/zeta/"}));
}

TEST_F(VolumesService, FirstRemovableHoldingAFolder)
{
    folder(QStringLiteral("alpha"));
    folder(QStringLiteral("beta/psp/video"));
    folder(QStringLiteral("gamma/PSP/VIDEO"));
    folder(QStringLiteral("fixed/PSP/VIDEO"));
    volumes.setMounted({
        FakeVolumes::makeVolume(dir.path() + "/fixed", VolumeKind::Fixed),
        FakeVolumes::makeVolume(dir.path() + "/gamma", VolumeKind::Removable),
        FakeVolumes::makeVolume(dir.path() + "/beta", VolumeKind::Removable),
        FakeVolumes::makeVolume(dir.path() + "/alpha", VolumeKind::Removable),
        FakeVolumes::makeVolume(dir.path() + "/unplugged", VolumeKind::Removable),   // its folder is gone
    });
    const struct {
        QString folder;
        QString expected;   // relative mount point, empty for none
    } cases[] = {
        {QString(), "alpha"},                       // the root: any removable volume
        {QStringLiteral("PSP\\VIDEO\\"), "beta"},   // letter case and separators do not matter
        {QStringLiteral("PSP/VIDEO"), "beta"},
        {QStringLiteral("PSP/MUSIC"), QString()},
        {QStringLiteral("../fixed/PSP"), QString()},   // never off the volume
    };
    for (const auto &c : cases) {
        const auto found = volumes.firstRemovableHolding(c.folder);
        const QString expected = c.expected.isEmpty() ? QString() : dir.path() + u'/' + c.expected + u'/';
        EXPECT_EQ(found ? found->mountPoint : QString(), expected) << c.folder.toStdString();
    }
}

TEST_F(VolumesService, FolderOnVolumeGivesTheFolderAsItIsSpelled)
{
    folder(QStringLiteral("disc/video_ts"));
    folder(QStringLiteral("disc/Audio_TS"));
    QFile file(dir.path() + "/disc/VIDEO.IFO");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const Volume disc = FakeVolumes::makeVolume(dir.path() + "/disc", VolumeKind::CdRom);

    EXPECT_EQ(folderOnVolume(disc, QStringLiteral("VIDEO_TS")), dir.path() + "/disc/video_ts/");
    EXPECT_EQ(folderOnVolume(disc, QStringLiteral("./AUDIO_TS/")), dir.path() + "/disc/Audio_TS/");
    EXPECT_EQ(folderOnVolume(disc, QString()), dir.path() + "/disc/");
    EXPECT_FALSE(holdsFolder(disc, QStringLiteral("video.ifo")));   // a file is no folder
    EXPECT_FALSE(holdsFolder(disc, QStringLiteral("VIDEO_TS/MISSING")));
}

TEST_F(VolumesService, FakeNotificationsNameTheVolume)
{
    struct Posted {
        MessageTarget target{&Posted::record};
        QList<std::array<intptr_t, 3>> messages;
        static void record(MessageTarget *self, uint32_t msg, intptr_t wparam, intptr_t lparam)
        {
            reinterpret_cast<Posted *>(self)->messages.append({intptr_t(msg), wparam, lparam});
        }
    } window;

    const Volume quiet = volumes.mount(FakeVolumes::makeVolume(folder("before"), VolumeKind::Fixed));
    EXPECT_TRUE(window.messages.isEmpty());
    volumes.watch(&window.target);
    const Volume disc = volumes.mount(FakeVolumes::makeVolume(folder("disc"), VolumeKind::CdRom, "MOVIE"));
    ASSERT_TRUE(volumes.unmount(disc.mountPoint));
    EXPECT_FALSE(volumes.unmount(disc.mountPoint));

    ASSERT_EQ(window.messages.size(), 2);
    EXPECT_EQ(window.messages[0][0], DeviceChangeMessage);
    EXPECT_EQ(window.messages[0][1], DeviceArrival);
    EXPECT_EQ(window.messages[1][1], DeviceRemoveComplete);
    EXPECT_EQ(volumes.notified(window.messages[0][2]), disc);
    EXPECT_EQ(volumes.notified(window.messages[1][2]), disc);
    EXPECT_NE(disc.mountId, quiet.mountId);
    EXPECT_EQ(mountPoints(volumes.mounted()), QStringList({quiet.mountPoint}));
}

TEST(VolumesSystem, ReadsTheGivenMountTableWithTheGivenDeviceSources)
{
    FakeSysfs sysfs;
    sysfs.addDisk(QStringLiteral("pci0000:00/0000:00:14.0/usb2/2-1/host6/6:0:0:0"), QStringLiteral("sdb"), 8, 16);
    sysfs.addPartition(QStringLiteral("sdb"), QStringLiteral("sdb1"), 8, 17);
    MapUdev udev;
    udev.devices.insert(QStringLiteral("sdb1"), {{"ID_FS_LABEL", "PSP"}});
    QTemporaryDir dir;
    const QString table = dir.path() + QStringLiteral("/mountinfo");
    QFile file(table);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("22 28 0:21 / /proc rw - proc proc rw\n"
               "62 28 8:17 / /media/u/P\\040S\\040P rw - vfat /dev/sdb1 rw\n");
    file.close();

    SystemVolumes volumes(table, DeviceSources{sysfs.root(), sysfs.byLabelFolder(), &udev});
    const QList<Volume> list = volumes.mounted();
    ASSERT_EQ(list.size(), 2);
    EXPECT_EQ(list[1].mountPoint, "/media/u/P S P/");
    EXPECT_EQ(list[1].kind, VolumeKind::Removable);
    EXPECT_EQ(list[1].label, "PSP");

    SystemVolumes missing(dir.path() + QStringLiteral("/none"), DeviceSources{});
    EXPECT_TRUE(missing.mounted().isEmpty());
    EXPECT_FALSE(missing.notified(1).has_value());
}

TEST(VolumesSystem, ThisMachineHasARoot)
{
    SystemVolumes volumes;
    EXPECT_TRUE(volumes.volumeAt(QStringLiteral("/")).has_value());
}
