#include "FakeVolumes.h"
#include "core/conversion/UploadPlan.h"

#include <QDir>
#include <QTemporaryDir>
#include "QtPrinting.h"

#include <gtest/gtest.h>

namespace {

class UploadPlanning : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(root.isValid()); }

    // A folder standing for a mounted volume, with these folders on it.
    Volume Drive(const QString &name, VolumeKind kind, const QStringList &folders = {})
    {
        const QString mountPoint = root.filePath(name);
        QDir().mkpath(mountPoint);
        for (const QString &folder : folders)
            QDir(mountPoint).mkpath(folder);
        return FakeVolumes::makeVolume(mountPoint, kind);
    }

    QTemporaryDir root;
    FakeVolumes volumes;
    const PspFolders folders{QStringLiteral("PSP/"), QStringLiteral("MP_ROOT/100ANV01/"),
                             QStringLiteral("MP_ROOT/100MNV01/")};
};

} // namespace

TEST_F(UploadPlanning, ThePspIsTheFirstRemovableVolumeHoldingTheUploadFolder)
{
    const Volume fixed = Drive("a-disk", VolumeKind::Fixed, {"PSP"});
    const Volume stick = Drive("b-stick", VolumeKind::Removable, {"photos"});
    const Volume later = Drive("d-psp", VolumeKind::Removable, {"PSP"});
    const Volume psp = Drive("c-psp", VolumeKind::Removable, {"psp"});  // FAT shows names in either case
    volumes.setMounted({fixed, later, stick, psp});

    const auto found = FindPsp(volumes, folders);
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(found->mountPoint, psp.mountPoint);

    volumes.setMounted({fixed, stick});
    EXPECT_FALSE(FindPsp(volumes, folders).has_value());
    // Without an upload folder any removable volume is the PSP.
    EXPECT_EQ(FindPsp(volumes, PspFolders{}).value().mountPoint, stick.mountPoint);
}

TEST_F(UploadPlanning, EachFileGoesToTheFolderOfItsPrefixWithItsThumbnail)
{
    const Volume psp = Drive("psp", VolumeKind::Removable, {"PSP", "mp_root/100anv01", "mp_root/100MNV01"});
    const auto items = PlanUpload({QStringLiteral("MAQ70001.MP4"), QStringLiteral("M4V70002.MP4"),
                                   QStringLiteral("OTHER001.MP4")},
                                  QStringLiteral("/home/u/out/PSP/"), psp, folders);
    ASSERT_EQ(items.size(), 3);
    const QString m = psp.mountPoint;
    const struct {
        QString source, destination, thumbnailSource, thumbnailDestination;
    } expected[] = {
        {"/home/u/out/PSP/MAQ70001.MP4", m + "mp_root/100anv01/MAQ70001.MP4", "/home/u/out/PSP/MAQ70001.THM",
         m + "mp_root/100anv01/MAQ70001.THM"},
        {"/home/u/out/PSP/M4V70002.MP4", m + "mp_root/100MNV01/M4V70002.MP4", "/home/u/out/PSP/M4V70002.THM",
         m + "mp_root/100MNV01/M4V70002.THM"},
        {"/home/u/out/PSP/OTHER001.MP4", m + "OTHER001.MP4", "/home/u/out/PSP/OTHER001.THM", m + "OTHER001.THM"},
    };
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(items[i].source, expected[i].source);
        EXPECT_EQ(items[i].destination, expected[i].destination);
        EXPECT_EQ(items[i].thumbnailSource, expected[i].thumbnailSource);
        EXPECT_EQ(items[i].thumbnailDestination, expected[i].thumbnailDestination);
        EXPECT_TRUE(items[i].destinationFolderFound) << i;
    }
}

TEST_F(UploadPlanning, AMissingFolderIsNamedButNeverLeftFor)
{
    const Volume psp = Drive("psp", VolumeKind::Removable, {"PSP"});
    const QDir outside(root.filePath("outside"));
    QDir().mkpath(outside.path());
    const struct {
        const char *why;
        QString folder;
        QString destination;
    } cases[] = {
        {"a folder the device lacks is not created", QStringLiteral("MP_ROOT/100ANV01/"),
         psp.mountPoint + QStringLiteral("MP_ROOT/100ANV01/MAQ70001.MP4")},
        {"a folder text without its final separator", QStringLiteral("VIDEO"),
         psp.mountPoint + QStringLiteral("VIDEO/MAQ70001.MP4")},
        {"a folder off the device, even when it exists", QStringLiteral("../outside/"),
         psp.mountPoint + QStringLiteral("../outside/MAQ70001.MP4")},
    };
    for (const auto &c : cases) {
        const auto items = PlanUpload({QStringLiteral("MAQ70001.MP4")}, QStringLiteral("/out/"), psp,
                                      PspFolders{QStringLiteral("PSP/"), c.folder, QString()});
        EXPECT_EQ(items.first().destination, c.destination) << c.why;
        EXPECT_FALSE(items.first().destinationFolderFound) << c.why;
    }
}
