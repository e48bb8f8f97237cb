// The serial number shared through Option.ini by the window and the command line.
#include "core/conversion/SerialReservation.h"
#include "core/profiles/OptionsLock.h"
#include "platform/IniFile.h"
#include "QtPrinting.h"

#include <QDir>
#include <QFile>
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

TEST_F(SerialNumbers, TheWindowTakesTheLargerNumberAndWritesOffItsList)
{
    const struct {
        QByteArray stored;
        int window, count, taken, storedAfter;
    } cases[] = {
        {"", 1, 3, 1, 4},                        // no file yet: the stored number reads as 1
        {"OutputSerialNumber=20\n", 5, 3, 20, 23},  // the command line went ahead
        {"OutputSerialNumber=2\n", 9, 2, 9, 11},    // the window is ahead
        {"OutputSerialNumber=2147483640\n", 1, 100, 2147483640, 2147483647},  // kept within 32 bits
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.stored.toStdString());
        QFile::remove(Options());
        if (!c.stored.isEmpty())
            Store(c.stored);
        EXPECT_EQ(TakeRunSerial(Options(), c.window, c.count), c.taken);
        EXPECT_EQ(Stored(), c.storedAfter);
    }
}

TEST_F(SerialNumbers, StoringAfterARunNeverLowersTheNumber)
{
    Store("OutputSerialNumber=30\n");
    StoreSerialAtLeast(Options(), 12);
    EXPECT_EQ(Stored(), 30);
    StoreSerialAtLeast(Options(), 31);
    EXPECT_EQ(Stored(), 31);
}
