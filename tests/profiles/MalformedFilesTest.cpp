#include "ProfileFixture.h"

#include "core/AppGlobals.h"
#include "core/profiles/DefinitionFamilies.h"
#include "core/profiles/OptionsFile.h"

#include <QRandomGenerator>

namespace {

QByteArray shipped(const char *name)
{
    QFile file(QStringLiteral(POCKETREEL_SOURCE_DIR "/assets/ini/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray junk(int size)
{
    QByteArray bytes(size, '\0');
    QRandomGenerator generator(1234);
    for (char &b : bytes)
        b = char(generator.bounded(256));
    return bytes;
}

struct BadFile {
    const char *what;
    QByteArray text;
};

QList<BadFile> badFiles(const QByteArray &good)
{
    return {
        {"binary junk", junk(64 * 1024)},
        {"junk after a good start", good.left(good.size() / 2) + junk(4096)},
        {"truncated mid-line", good.left(good.size() / 3)},
        {"truncated to one byte", good.left(1)},
        {"a huge line", QByteArray(8 * 1024 * 1024, 'A')},
        {"a huge value", "[PSP]\nVideoFormatText0=" + QByteArray(4 * 1024 * 1024, 'x') + "\nVideoFormatCount=1\n"},
        {"sections without keys", "[PSP]\n[PSP-h264]\n[PSP-Profile]\n[Option]\n"},
        {"an unclosed section", "[PSP\nVideoFormatCount=2\n[PSP-Profile\nProfileCount=3\n"},
        {"absurd counts", "[PSP]\nVideoFormatCount=2147483647\nVideoFormatText0=h264\n[PSP-h264]\n"
                          "VideoResolutionCount=2147483647\nAudioVolumeMin=-2147483648\nAudioVolumeMax=2147483647\n"
                          "AudioVolumeStep=1\n[PSP-Profile]\nProfileCount=2147483647\nProfileText7=A\n"
                          "A=0,0,0,0,0,0,0,0,0,\n[Option]\nOutputSerialNumber=99999999999\n"},
        {"nul bytes inside lines", QByteArray("[PSP]\nVideoFormatCount=1\nVideoFormatText0=h2\0" "64\n", 42)},
        {"empty", QByteArray()},
    };
}

} // namespace

TEST_F(ProfileFilesTest, MalformedDefinitionAndStoreNeverCrashOrHang)
{
    const QByteArray definition = shipped("PfDef.dll");
    const QByteArray profiles = shipped("PfSetting.ini");
    ASSERT_FALSE(definition.isEmpty());
    for (const BadFile &bad : badFiles(definition)) {
        SCOPED_TRACE(bad.what);
        // Each bad file in either role, beside a good one in the other.
        for (int role = 0; role < 2; ++role) {
            writeDefinition(role == 0 ? bad.text : definition);
            writeStore(role == 1 ? bad.text : profiles);
            FakeProfileWindow window(files);
            open(window);
            EXPECT_LE(window.list(FormatFamily::AudioVolume).count(), MaxRangeEntries);
            prompts.QueueConfirm(true);
            files.SaveProfile(window, QStringLiteral("Mine"));
            prompts.QueueConfirm(true);
            files.RemoveProfile(window, QStringLiteral("Mine"));
            EXPECT_TRUE(prompts.TextsOf(ScriptedPrompts::Kind::Error).isEmpty());
            prompts.ClearQuestions();
        }
    }
}

TEST_F(ProfileFilesTest, MalformedOptionsNeverCrash)
{
    QDir(folder()).mkdir(QStringLiteral("home"));
    for (const BadFile &bad : badFiles(shipped("Option.ini"))) {
        SCOPED_TRACE(bad.what);
        write(QStringLiteral("Option.ini"), bad.text);
        OptionsFile options(folder() + QStringLiteral("Option.ini"), folder() + QStringLiteral("home"));
        options.LoadOptions();
        EXPECT_TRUE(g_s_OutputFolder.endsWith(QStringLiteral("/")));
        options.SaveOptions({1, 1});
        EXPECT_EQ(OptionsFile(folder() + QStringLiteral("Option.ini"), folder()).LoadOptions().audio, 1);
    }
}
