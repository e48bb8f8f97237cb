#include "MountDiff.h"
#include "MountTable.h"
#include "VolumeChangeLog.h"

#include <gtest/gtest.h>

TEST(VolumesMountTable, DecodesOctalEscapes)
{
    const struct {
        const char *field;
        QString decoded;
    } cases[] = {
        {"/media/u/MY\\040DISC", QStringLiteral("/media/u/MY DISC")},
        {"/mnt/tab\\011and\\012line", QStringLiteral("/mnt/tab\tand\nline")},
        {"/mnt/back\\134slash", QStringLiteral("/mnt/back\\slash")},
        {"/mnt/caf\\303\\251", QString::fromUtf8("/mnt/caf\xc3\xa9")},   // escaped UTF-8 bytes
        {"/mnt/plain", QStringLiteral("/mnt/plain")},
        {"/mnt/short\\04", QStringLiteral("/mnt/short\\04")},            // not an escape: kept
        {"/mnt/not\\089", QStringLiteral("/mnt/not\\089")},
    };
    for (const auto &c : cases)
        EXPECT_EQ(decodeMountEscapes(QString::fromUtf8(c.field)), c.decoded) << c.field;
}

TEST(VolumesMountTable, ParsesEntriesWithAnyNumberOfOptionalFields)
{
    const QString text = QStringLiteral(
        "28 1 254:0 / / rw,relatime - ext4 /dev/vda rw\n"
        "61 28 11:0 / /media/u/MY\\040DVD ro,nosuid shared:300 - udf /dev/sr0 ro\n"
        "62 28 8:17 /Videos /mnt/bind rw shared:1 master:2 - vfat /dev/sdb1 rw\n");
    const QList<MountEntry> entries = parseMountInfo(text);
    ASSERT_EQ(entries.size(), 3);

    EXPECT_EQ(entries[0], (MountEntry{28, 254, 0, "/", "/", "ext4", "/dev/vda"}));
    EXPECT_EQ(entries[1], (MountEntry{61, 11, 0, "/", "/media/u/MY DVD", "udf", "/dev/sr0"}));
    EXPECT_EQ(entries[2], (MountEntry{62, 8, 17, "/Videos", "/mnt/bind", "vfat", "/dev/sdb1"}));
    EXPECT_EQ(entries[0].mountFolder(), "/");
    EXPECT_EQ(entries[1].mountFolder(), "/media/u/MY DVD/");
}

TEST(VolumesMountTable, SkipsLinesWithoutTheMountInfoLayout)
{
    const QString text = QStringLiteral(
        "\n"
        "garbage\n"
        "30 1 8:1 / /a rw ext4 /dev/sda1 rw\n"           // no separator
        "x 1 8:1 / /b rw - ext4 /dev/sda1 rw\n"          // id not a number
        "31 1 8-1 / /c rw - ext4 /dev/sda1 rw\n"         // device number without colon
        "32 1 8:1 / /d rw -\n"                           // nothing after the separator
        "33 1 8:1 / /e rw - ext4 /dev/sda1 rw\n");
    const QList<MountEntry> entries = parseMountInfo(text);
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(entries[0].mountPoint, "/e");
    EXPECT_TRUE(parseMountInfo(QString()).isEmpty());
}

namespace {

Volume knownVolume(int id, const QString &mountPoint, const QString &source = QStringLiteral("/dev/sdb1"))
{
    Volume v;
    v.mountId = id;
    v.mountPoint = mountPoint;
    v.source = source;
    v.fileSystem = QStringLiteral("vfat");
    v.root = QStringLiteral("/");
    return v;
}

MountEntry entry(int id, const QString &mountPoint, const QString &source = QStringLiteral("/dev/sdb1"))
{
    return MountEntry{id, 8, 17, QStringLiteral("/"), mountPoint, QStringLiteral("vfat"), source};
}

}

TEST(VolumesMountDiff, FindsArrivalsAndRemovals)
{
    const QList<Volume> known = {knownVolume(1, "/"), knownVolume(2, "/media/a/"), knownVolume(3, "/media/b/")};

    const MountTableChange unchanged = diffMountTable(known, {entry(1, "/"), entry(2, "/media/a"), entry(3, "/media/b")});
    EXPECT_TRUE(unchanged.removed.isEmpty());
    EXPECT_TRUE(unchanged.added.isEmpty());

    const MountTableChange change = diffMountTable(known, {entry(1, "/"), entry(3, "/media/b"), entry(4, "/media/c")});
    ASSERT_EQ(change.removed.size(), 1);
    EXPECT_EQ(change.removed[0].mountPoint, "/media/a/");
    ASSERT_EQ(change.added.size(), 1);
    EXPECT_EQ(change.added[0].mountPoint, "/media/c");
}

TEST(VolumesMountDiff, AReusedMountIdIsANewMount)
{
    // Unmounted and something else mounted between two readings: the kernel may hand out the
    // same id again.
    const QList<Volume> known = {knownVolume(7, "/media/a/")};
    for (const MountEntry &now : {entry(7, "/media/b"), entry(7, "/media/a", "/dev/sdc1")}) {
        const MountTableChange change = diffMountTable(known, {now});
        EXPECT_EQ(change.removed.size(), 1) << now.mountPoint.toStdString();
        EXPECT_EQ(change.added.size(), 1) << now.mountPoint.toStdString();
    }
}

TEST(VolumesMountDiff, AMountStackedOnAnotherIsAnArrival)
{
    const QList<Volume> known = {knownVolume(5, "/media/a/")};
    const MountTableChange change = diffMountTable(known, {entry(5, "/media/a"), entry(6, "/media/a", "/dev/sr0")});
    EXPECT_TRUE(change.removed.isEmpty());
    ASSERT_EQ(change.added.size(), 1);
    EXPECT_EQ(change.added[0].source, "/dev/sr0");
}

TEST(VolumesChangeLog, IdsAreDistinctAndOldOnesAreForgotten)
{
    VolumeChangeLog log(2);
    const intptr_t first = log.record(knownVolume(1, "/a/"));
    const intptr_t second = log.record(knownVolume(2, "/b/"));
    EXPECT_NE(first, 0);
    EXPECT_NE(first, second);
    EXPECT_EQ(log.find(first)->mountPoint, "/a/");

    const intptr_t third = log.record(knownVolume(3, "/c/"));
    EXPECT_FALSE(log.find(first).has_value());
    EXPECT_EQ(log.find(second)->mountPoint, "/b/");
    EXPECT_EQ(log.find(third)->mountPoint, "/c/");
    EXPECT_FALSE(log.find(0).has_value());
    EXPECT_FALSE(log.find(third + 1).has_value());
}
