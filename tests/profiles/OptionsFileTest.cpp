#include "core/AppGlobals.h"
#include "core/profiles/OptionsFile.h"
#include "platform/IniFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

class OptionsFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QDir(dir.path()).mkdir("home");
        g_s_OutputFolder.clear();
        i_OutputPSPSerialNumber = 1;
    }

    QString root() const { return dir.path() + u'/'; }
    QString home() const { return root() + "home"; }
    QString iniPath() const { return root() + "Option.ini"; }

    void writeOptions(const QByteArray &text)
    {
        QFile file(iniPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("[Option]\n" + text);
    }

    QTemporaryDir dir;
    OptionsFile options{iniPath(), home()};
};

TEST_F(OptionsFileTest, OutputFolderRules)
{
    QDir(root()).mkpath("Video");
    QDir(root()).mkpath("Clips/psp");
    const struct {
        QByteArray stored;   // "" = no OutputFolder key
        QString expected;    // relative to the test folder
    } cases[] = {
        {"", "home/OrvoOutput/PSP/"},
        {"OutputFolder=" + (root() + "Video").toUtf8(), "Video/PSP/"},
        {"OutputFolder=" + (root() + "Video/").toUtf8(), "Video/PSP/"},
        {"OutputFolder=" + (root() + "Clips\\psp\\").toUtf8(), "Clips/psp/"},   // case ignored, "\" read as "/"
        {"OutputFolder=" + (root() + "Gone").toUtf8(), "home/OrvoOutput/PSP/"},
        {"OutputFolder=nodef", "home/OrvoOutput/PSP/"},
        {"OutputFolder=", "home/OrvoOutput/PSP/"},
    };
    for (const auto &c : cases) {
        writeOptions(c.stored);
        options.LoadOptions();
        EXPECT_EQ(g_s_OutputFolder, root() + c.expected) << c.stored.constData();
        EXPECT_TRUE(QFileInfo(g_s_OutputFolder).isDir()) << c.stored.constData();
    }
}

TEST_F(OptionsFileTest, MissingFileGivesTheDefaults)
{
    const LanguageChoices languages = options.LoadOptions();
    EXPECT_EQ(languages.audio, 1);
    EXPECT_EQ(languages.subtitle, 1);
    EXPECT_EQ(i_OutputPSPSerialNumber, 1);
    EXPECT_EQ(i_MinDurationTime, -1);
    EXPECT_EQ(PSPUploadFolder, QString());
    EXPECT_EQ(OpenDialogFilter, QString());
    EXPECT_FALSE(QFile::exists(iniPath()));
}

TEST_F(OptionsFileTest, ReadOnlyKeysAreLoaded)
{
    writeOptions("DefaultAudio=3\nDefaultSubtitle=-1\nOutputSerialNumber=42\nPSPUploadFolder=PSP\\\n"
                 "PSPAVCFolder=MP_ROOT\\100ANV01\\\nPSPMP4Folder=MP_ROOT/100MNV01/\nMinDuration=30\n"
                 "OpenDialogFilter=Video|*.mp4|All|*.*\n");
    const LanguageChoices languages = options.LoadOptions();
    EXPECT_EQ(languages.audio, 3);
    EXPECT_EQ(languages.subtitle, -1);
    EXPECT_EQ(i_OutputPSPSerialNumber, 42);
    EXPECT_EQ(PSPUploadFolder, QStringLiteral("PSP/"));
    EXPECT_EQ(PSPAVCFolder, QStringLiteral("MP_ROOT/100ANV01/"));
    EXPECT_EQ(PSPMP4Folder, QStringLiteral("MP_ROOT/100MNV01/"));
    EXPECT_EQ(i_MinDurationTime, 30);
    EXPECT_EQ(OpenDialogFilter, QStringLiteral("Video|*.mp4|All|*.*"));
}

TEST_F(OptionsFileTest, SaveWritesTheFourKeysAndKeepsTheRest)
{
    writeOptions("MinDuration=30\nPSPUploadFolder=PSP\\\n");
    options.LoadOptions();
    g_s_OutputFolder = root() + "Chosen";
    i_OutputPSPSerialNumber = 17;
    options.SaveOptions({4, -1});

    EXPECT_EQ(g_s_OutputFolder, root() + "Chosen/");
    const IniFile saved(iniPath());
    EXPECT_EQ(saved.readString("Option", "DefaultAudio", ""), QStringLiteral("4"));
    EXPECT_EQ(saved.readString("Option", "DefaultSubtitle", ""), QStringLiteral("-1"));
    EXPECT_EQ(saved.readString("Option", "OutputFolder", ""), root() + "Chosen/");
    EXPECT_EQ(saved.readString("Option", "OutputSerialNumber", ""), QStringLiteral("17"));
    EXPECT_EQ(saved.readString("Option", "MinDuration", ""), QStringLiteral("30"));
    EXPECT_EQ(saved.readString("Option", "PSPUploadFolder", ""), QStringLiteral("PSP\\"));
}

TEST_F(OptionsFileTest, ReloadingNeverLowersASerialNumberARunAdvanced)
{
    writeOptions("OutputSerialNumber=5\n");
    i_OutputPSPSerialNumber = 1;   // set while the main window is created
    options.LoadOptions();
    EXPECT_EQ(i_OutputPSPSerialNumber, 5);

    i_OutputPSPSerialNumber += 3;   // a run converted three clips
    options.LoadOptions();          // the dialog shown again before the options were saved
    EXPECT_EQ(i_OutputPSPSerialNumber, 8);

    writeOptions("OutputSerialNumber=20\n");   // raised by hand: the higher number wins
    options.LoadOptions();
    EXPECT_EQ(i_OutputPSPSerialNumber, 20);
}

// The command line may have taken numbers while the window was open: closing the window must
// not hand them out again.
TEST_F(OptionsFileTest, SavingNeverLowersTheStoredSerialNumber)
{
    writeOptions("OutputSerialNumber=5\n");
    options.LoadOptions();
    writeOptions("OutputSerialNumber=30\n");
    options.SaveOptions({1, 1});
    EXPECT_EQ(IniFile(iniPath()).readInteger("Option", "OutputSerialNumber", 0), 30);
    EXPECT_EQ(i_OutputPSPSerialNumber, 5);

    i_OutputPSPSerialNumber = 42;
    options.SaveOptions({1, 1});
    EXPECT_EQ(IniFile(iniPath()).readInteger("Option", "OutputSerialNumber", 0), 42);
}

TEST_F(OptionsFileTest, FirstLoadTakesTheStoredNumberEvenWhenLower)
{
    writeOptions("OutputSerialNumber=0\n");
    i_OutputPSPSerialNumber = 1;
    options.LoadOptions();
    EXPECT_EQ(i_OutputPSPSerialNumber, 0);
}

TEST_F(OptionsFileTest, UnwritableFileRaisesTheWriteError)
{
    OptionsFile unreachable(root() + "missing/Option.ini", home());
    unreachable.LoadOptions();
    try {
        unreachable.SaveOptions({1, 1});
        FAIL() << "no error raised";
    } catch (const IniWriteError &error) {
        EXPECT_EQ(QString::fromLocal8Bit(error.what()), "Unable to write to " + root() + "missing/Option.ini");
    }
}
