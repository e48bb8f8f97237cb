#include "platform/IniFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class PlatformIni : public ::testing::Test {
protected:
    QString Write(const QByteArray &content)
    {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return path;
    }

    QByteArray Content() const
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("Option.ini"));
};

const QByteArray sample =
    "; options of the program\n"
    "[Option]\n"
    "OutputFolder = /home/me/Videos/ \n"
    "OutputSerialNumber=12\n"
    "Hex=0x1F\n"
    "Pascal=$10\n"
    "Words=twelve\n"
    "Mixed=12abc\n"
    "Fraction=1.5\n"
    "Negative=-3\n"
    "Empty=\n"
    "Quoted=\"  padded  \"\n"
    "Huge=99999999999\n"
    "[Empty section]\n"
    "[PSP]\n"
    "h264=MAQ7\n";

} // namespace

TEST_F(PlatformIni, ReadsTextsWithoutRegardToCase)
{
    Write(sample);
    const IniFile ini(path);
    const struct {
        const char *section, *key, *expected;
    } cases[] = {
        {"Option", "OutputFolder", "/home/me/Videos/"},
        {"OPTION", "outputfolder", "/home/me/Videos/"},
        {"psp", "H264", "MAQ7"},
        {"Option", "Empty", ""},            // present but empty is not the default
        {"Option", "Quoted", "  padded  "}, // quotes keep the blanks and go
        {"Option", "Missing", "nodef"},
        {"Missing", "OutputFolder", "nodef"},
        {"PSP", "OutputSerialNumber", "nodef"}, // keys belong to their own section
    };
    for (const auto &c : cases)
        EXPECT_EQ(ini.readString(QLatin1String(c.section), QLatin1String(c.key), QStringLiteral("nodef")),
                  QLatin1String(c.expected))
            << c.section << "/" << c.key;
}

TEST_F(PlatformIni, IntegersFallBackToTheDefaultUnlessWholeNumbers)
{
    Write(sample);
    const IniFile ini(path);
    const struct {
        const char *key;
        int expected;
    } cases[] = {
        {"OutputSerialNumber", 12}, {"outputserialnumber", 12}, {"Hex", 31}, {"Pascal", 16},
        {"Negative", -3},           {"Words", 77},              {"Mixed", 77}, {"Fraction", 77},
        {"Empty", 77},              {"Huge", 77},               {"Missing", 77},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ini.readInteger(QStringLiteral("Option"), QLatin1String(c.key), 77), c.expected) << c.key;
}

TEST_F(PlatformIni, ListsSectionsAndKeysInFileOrder)
{
    Write(sample + "[option]\nLate=1\nhex=dup\n");
    const IniFile ini(path);
    EXPECT_EQ(ini.sectionNames(), (QStringList{"Option", "Empty section", "PSP"}));
    EXPECT_TRUE(ini.keysOf(QStringLiteral("Empty section")).isEmpty());
    EXPECT_TRUE(ini.keysOf(QStringLiteral("Nowhere")).isEmpty());
    const QStringList keys = ini.keysOf(QStringLiteral("OPTION"));
    EXPECT_EQ(keys.first(), QLatin1String("OutputFolder"));
    EXPECT_EQ(keys.last(), QLatin1String("Late"));
    EXPECT_EQ(keys.count(QStringLiteral("Hex")), 1);
}

TEST_F(PlatformIni, WritesKeepEveryOtherLineCommentAndOrder)
{
    Write("; head comment\r\n"
          "[Option]\r\n"
          "OutputFolder=/old/\r\n"
          "; about the serial\r\n"
          "Serial=1\r\n"
          "\r\n"
          "[Other]\r\n"
          "junk line without equals\r\n"
          "Key=value\r\n");
    IniFile ini(path);
    ini.writeString(QStringLiteral("option"), QStringLiteral("SERIAL"), QStringLiteral("42"));
    ini.writeString(QStringLiteral("Option"), QStringLiteral("MinDuration"), QStringLiteral("5"));
    ini.writeString(QStringLiteral("New"), QStringLiteral("Made"), QStringLiteral("yes"));

    EXPECT_EQ(Content(), QByteArray("; head comment\r\n"
                                    "[Option]\r\n"
                                    "OutputFolder=/old/\r\n"
                                    "; about the serial\r\n"
                                    "Serial=42\r\n"
                                    "MinDuration=5\r\n"
                                    "\r\n"
                                    "[Other]\r\n"
                                    "junk line without equals\r\n"
                                    "Key=value\r\n"
                                    "\r\n"
                                    "[New]\r\n"
                                    "Made=yes\r\n"));
    // A fresh reader sees what was written.
    EXPECT_EQ(IniFile(path).readInteger(QStringLiteral("OPTION"), QStringLiteral("serial"), 0), 42);
}

TEST_F(PlatformIni, WriteCreatesAMissingFile)
{
    IniFile ini(path);
    EXPECT_EQ(ini.readString(QStringLiteral("Option"), QStringLiteral("OutputFolder"), QStringLiteral("d")),
              QLatin1String("d"));
    ini.writeString(QStringLiteral("Option"), QStringLiteral("OutputFolder"), QStringLiteral("/v/"));
    EXPECT_EQ(Content(), QByteArray("[Option]\nOutputFolder=/v/\n"));
}

TEST_F(PlatformIni, LineBreaksInAWrittenValueCannotAddLines)
{
    IniFile ini(path);
    ini.writeString(QStringLiteral("Option"), QStringLiteral("OutputFolder"),
                    QStringLiteral("/v/\n[Option]\r\nOutputSerialNumber=9"));
    const IniFile reread(path);
    EXPECT_EQ(reread.sectionNames(), QStringList{"Option"});
    EXPECT_EQ(reread.readInteger(QStringLiteral("Option"), QStringLiteral("OutputSerialNumber"), 1), 1);
}

TEST_F(PlatformIni, UnwritableFileRaisesWithItsPath)
{
    // A folder where the file should be cannot be written even by root.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Option.ini")));
    IniFile ini(path);
    try {
        ini.writeString(QStringLiteral("Option"), QStringLiteral("A"), QStringLiteral("1"));
        FAIL() << "no error raised";
    } catch (const IniWriteError &error) {
        EXPECT_EQ(QString::fromStdString(error.what()), QStringLiteral("Unable to write to ") + path);
        EXPECT_EQ(error.path(), path);
    }

    const QString missingFolder = dir.filePath(QStringLiteral("gone/Option.ini"));
    IniFile elsewhere(missingFolder);
    EXPECT_THROW(elsewhere.writeString(QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("v")), IniWriteError);
}

TEST_F(PlatformIni, JunkHugeLinesAndOddHeadersNeverCrashAndSurviveAWrite)
{
    QByteArray junk;
    for (int i = 0; i < 4096; ++i)
        junk.append(char(i * 37 % 256));
    const QByteArray huge(4 * 1024 * 1024, 'x');
    const QByteArray content = junk + "\n[Unclosed\n[]\n=no name\n[S]\nLong=" + huge + "\n" + junk + "\n[S2]";
    Write(content);

    IniFile ini(path);
    EXPECT_EQ(ini.readString(QStringLiteral("S"), QStringLiteral("Long"), QString()).size(), huge.size());
    EXPECT_TRUE(ini.keysOf(QStringLiteral("S2")).isEmpty());
    ini.writeString(QStringLiteral("S2"), QStringLiteral("K"), QStringLiteral("v"));
    EXPECT_EQ(Content(), content + "\nK=v\n");
}
