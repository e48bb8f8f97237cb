// The serial number shared through Option.ini by the window and the command line.
#include "core/conversion/SerialReservation.h"
#include "core/profiles/OptionsLock.h"
#include "platform/IniFile.h"
#include "QtPrinting.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class SerialNumbers : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(QDir(dir.path()).mkpath("out"));
    }

    QString Options() const { return dir.filePath("Option.ini"); }
    QString Out() const { return dir.path() + "/out/"; }
    void Store(const QByteArray &text)
    {
        QFile file(Options());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[Option]\nMinDuration=-1\n" + text);
    }
    int Stored() const { return IniFile(Options()).readInteger("Option", "OutputSerialNumber", -99); }
    void Touch(const QString &name) { QFile(Out() + name).open(QIODevice::WriteOnly); }

    QTemporaryDir dir;
};

} // namespace

// A number is used when its MP4, its thumbnail or a partly written MP4 lies in the folder; the
// other prefix's files do not use it.
TEST_F(SerialNumbers, TheCommandLineSkipsEveryNameInUseAndStoresTheNextFree)
{
    Store("OutputSerialNumber=7\n");
    Touch("MAQ70007.MP4");
    Touch("MAQ70008.THM");
    Touch("MAQ70009.MP4.part");
    Touch("M4V70010.MP4");

    const NameReservation h264 = ReserveOutputNames(Options(), Out(), true, 2);
    EXPECT_EQ(h264.error, QString());
    EXPECT_EQ(h264.names, (QStringList{"MAQ70010.MP4", "MAQ70011.MP4"}));
    EXPECT_EQ(Stored(), 12);
    EXPECT_EQ(IniFile(Options()).readInteger("Option", "MinDuration", 0), -1);

    const NameReservation mpeg4 = ReserveOutputNames(Options(), Out(), false, 1);
    EXPECT_EQ(mpeg4.names, QStringList{"M4V70012.MP4"});
    EXPECT_EQ(Stored(), 13);
}

TEST_F(SerialNumbers, NamesWrapPastTheFourDigitsWithoutReusingOne)
{
    Store("OutputSerialNumber=9999\n");
    Touch("MAQ70001.MP4");
    // 9999, then 10000 ("8888"), then 10001 ("0001") is in use, so 10002.
    EXPECT_EQ(ReserveOutputNames(Options(), Out(), true, 3).names,
              (QStringList{"MAQ79999.MP4", "MAQ78888.MP4", "MAQ70002.MP4"}));
    EXPECT_EQ(Stored(), 10003);
}

TEST_F(SerialNumbers, NothingIsReservedWhenTheOptionsCannotBeWrittenOrLocked)
{
    const NameReservation unwritable =
        ReserveOutputNames(dir.filePath("missing/Option.ini"), Out(), true, 1);
    EXPECT_TRUE(unwritable.names.isEmpty());
    EXPECT_FALSE(unwritable.error.isEmpty());

    Store("OutputSerialNumber=3\n");
    const OptionsLock held(Options());
    ASSERT_TRUE(held.IsLocked());
    const NameReservation locked = ReserveOutputNames(Options(), Out(), true, 1);
    EXPECT_TRUE(locked.names.isEmpty());
    EXPECT_TRUE(locked.error.startsWith("Cannot lock")) << locked.error.toStdString();
    EXPECT_EQ(Stored(), 3);
}

TEST_F(SerialNumbers, TheWindowNamesEveryRowFromTheLargerNumberAndWritesThemOff)
{
    const struct {
        const char *why;
        QByteArray stored;
        int window, rows;
        QStringList inFolder, names;
        int next;
    } cases[] = {
        {"no file yet: the stored number reads as 1", "", 1, 3, {}, {"MAQ70001.MP4", "MAQ70002.MP4", "MAQ70003.MP4"}, 4},
        {"the command line went ahead", "OutputSerialNumber=20\n", 5, 1, {}, {"MAQ70020.MP4"}, 21},
        {"the window is ahead", "OutputSerialNumber=2\n", 9, 1, {}, {"MAQ70009.MP4"}, 10},
        {"names in the folder are skipped", "", 1, 2, {"MAQ70001.THM", "MAQ70002.MP4.part"}, {"MAQ70003.MP4", "MAQ70004.MP4"}, 5},
        {"past the top of 32 bits it goes on from 1", "OutputSerialNumber=2147483647\n", 1, 2, {},
         {"MAQ73647.MP4", "MAQ70001.MP4"}, 2},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.why);
        QFile::remove(Options());
        QDir(Out()).removeRecursively();
        QDir().mkpath(Out());
        if (!c.stored.isEmpty())
            Store(c.stored);
        for (const QString &name : c.inFolder)
            Touch(name);
        const RunNames run = TakeRunNames(Options(), c.window, Out(), true, QStringList(c.rows, QString()));
        EXPECT_EQ(run.error, QString());
        EXPECT_EQ(run.names, c.names);
        EXPECT_EQ(run.nextSerial, c.next);
        EXPECT_EQ(Stored(), c.next);
    }
}

// The four digits repeat every 10,000 numbers and 10,000 itself shows as 8888: a long list never
// gets a name twice.
TEST_F(SerialNumbers, ALongListNeverGetsANameTwice)
{
    const RunNames run = TakeRunNames(Options(), 8888, Out(), false, QStringList(1200, QString()));
    ASSERT_EQ(run.names.size(), 1200);
    EXPECT_EQ(QSet<QString>(run.names.begin(), run.names.end()).size(), 1200);
    EXPECT_EQ(run.names.first(), "M4V78888.MP4");
    EXPECT_EQ(run.names.last(), "M4V70088.MP4");  // 10,000 was skipped: "8888" was given
    EXPECT_EQ(run.nextSerial, 10089);
}

// A row keeps the name its thumbnail snapshot lies under, unless that name's MP4 is there too.
TEST_F(SerialNumbers, ARowKeepsTheNameOfItsSnapshot)
{
    Touch("MAQ70001.THM");
    Touch("MAQ70007.THM");
    Touch("MAQ70007.MP4");
    const RunNames run =
        TakeRunNames(Options(), 1, Out(), true, {QString(), "MAQ70001.MP4", "MAQ70007.MP4", "MAQ70001.MP4"});
    EXPECT_EQ(run.names, (QStringList{"MAQ70002.MP4", "MAQ70001.MP4", "MAQ70003.MP4", "MAQ70004.MP4"}));
    EXPECT_EQ(run.nextSerial, 5);
}

// A thumbnail snapshot is copied under the row's name unless that would replace something of an
// earlier output's or take another row's name; a free name then comes from the run's walk.
TEST_F(SerialNumbers, ASnapshotNeverTakesANameInUse)
{
    Store("OutputSerialNumber=10\n");
    Touch("MAQ70010.MP4");
    Touch("MAQ70011.THM");
    Touch("MAQ70012.THM");  // the second row's own snapshot
    Touch("M4V70013.MP4.part");
    const struct {
        const char *why;
        int windowSerial;
        const char *name;
        bool ownSnapshot;
        QStringList otherRows;
        const char *expected;
    } cases[] = {
        {"a free name stays", 10, "MAQ70020.MP4", false, {}, "MAQ70020.MP4"},
        {"its own earlier snapshot is replaced", 10, "MAQ70012.MP4", true, {}, "MAQ70012.MP4"},
        {"an earlier output's MP4", 10, "MAQ70010.MP4", false, {}, "MAQ70013.MP4"},
        {"an earlier output's thumbnail", 10, "MAQ70011.MP4", false, {}, "MAQ70013.MP4"},
        {"another row's snapshot", 10, "MAQ70012.MP4", false, {}, "MAQ70013.MP4"},
        {"the other rows' names are passed over", 10, "MAQ70011.MP4", false, {"MAQ70013.MP4", "MAQ70014.MP4"},
         "MAQ70015.MP4"},
        {"a name another row has", 10, "MAQ70020.MP4", false, {"MAQ70020.MP4"}, "MAQ70013.MP4"},
        {"from the window's number when it is larger", 30, "MAQ70010.MP4", false, {}, "MAQ70030.MP4"},
        {"the name's own prefix", 10, "M4V70013.MP4", false, {}, "M4V70010.MP4"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(SnapshotName(Options(), c.windowSerial, Out(), QLatin1String(c.name), c.ownSnapshot, c.otherRows),
                  QLatin1String(c.expected))
            << c.why;
    EXPECT_EQ(Stored(), 10) << "a snapshot writes no number off";
}

TEST_F(SerialNumbers, TheWindowStillNamesItsRowsWhenTheOptionsCannotBeWritten)
{
    Touch("MAQ70001.MP4");
    const RunNames run = TakeRunNames(dir.filePath("missing/Option.ini"), 1, Out(), true, {QString()});
    EXPECT_EQ(run.error, QString());
    EXPECT_EQ(run.names, QStringList{"MAQ70002.MP4"});
}

TEST_F(SerialNumbers, StoringAfterARunNeverLowersTheNumber)
{
    Store("OutputSerialNumber=30\n");
    StoreSerialAtLeast(Options(), 12);
    EXPECT_EQ(Stored(), 30);
    StoreSerialAtLeast(Options(), 31);
    EXPECT_EQ(Stored(), 31);
}
