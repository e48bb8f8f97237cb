// The command line's convert command in this process with the scripted engine, for what the real
// engine will not do on demand.
#include "CliArguments.h"
#include "ConvertCommand.h"
#include "ExitCodes.h"
#include "FakeEngineControl.h"
#include "FakeEngineInstall.h"
#include "platform/IniFile.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <thread>
#include <unistd.h>

namespace {

// The application folder with the scripted engine, a home folder of its own and a folder for media.
class FakeEngineConvert : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(app.IsValid());
        for (const char *name : {"PfDef.dll", "PfSetting.ini"})
            ASSERT_TRUE(QFile::copy(QStringLiteral(POCKETREEL_SOURCE_DIR "/assets/ini/") + QLatin1String(name),
                                    app.Path() + QLatin1String(name)));
        savedHome = qgetenv("HOME");
        qputenv("HOME", QFile::encodeName(home.path()));
        FakeEngine::Reset();
        FakeEngine::ProbeAnswer probe;
        probe.info = {20, 25.0f, 1500.0f, 640, 480, 0, 44100, 0, 128.0f, 1};
        FakeEngine::SetDefaultProbeAnswer(probe);
    }

    void TearDown() override
    {
        FakeEngine::Reset();
        qputenv("HOME", savedHome);
    }

    QString MediaFile(const char *name)
    {
        const QString path = media.filePath(QLatin1String(name));
        QFile(path).open(QIODevice::WriteOnly);
        return path;
    }

    FakeEngine::FakeAppFolder app;
    QTemporaryDir home, media;
    QByteArray savedHome;
};

} // namespace

// The window's run ends at a failed clip; the command line goes on with the other files, and
// its status says that some failed, each with the engine's reason where it gave one. Their names
// stay used.
TEST_F(FakeEngineConvert, AFailedConversionLeavesTheOtherFilesToConvert)
{
    FakeEngine::SetConversionResult(-1);

    ConvertRequest request;
    request.quiet = true;
    request.outputFolder = media.filePath("out");
    for (const char *name : {"first.avi", "second.avi"})
        request.files << MediaFile(name);
    FakeEngine::SetFailureReason(request.files[0].toStdString(), "the disk is full");
    testing::internal::CaptureStderr();
    EXPECT_EQ(RunConvert(request), ExitCode::SomeFailed);
    // The run's warnings go to standard error too: the command line's own lines are its messages.
    const QStringList messages = QString::fromStdString(testing::internal::GetCapturedStderr())
                                     .split(u'\n')
                                     .filter(QRegularExpression("^pocketreel-cli: "));
    EXPECT_EQ(messages, (QStringList{"pocketreel-cli: " + request.files[0] + ": the engine could not convert it: the disk is full",
                                     "pocketreel-cli: " + request.files[1] + ": the engine could not convert it"}));

    const auto conversions = FakeEngine::CallsTo("X_SetPar_D2PSP");
    ASSERT_EQ(conversions.size(), 2u);
    EXPECT_EQ(conversions[1].texts[0], request.files[1].toStdString());
    EXPECT_EQ(conversions[1].texts[14], (media.filePath("out") + "/MAQ70002.MP4").toStdString());
    EXPECT_TRUE(FakeEngine::CallsTo("X_Get_Frame_JPEG").empty());
    EXPECT_EQ(IniFile(app.Path() + "Option.ini").readInteger("Option", "OutputSerialNumber", 0), 3);
}

// The sound and subtitle texts the engine gets: chosen by the options' default languages as in
// the window, or as --audio and --subtitles ask; a subtitle file goes as its absolute path.
TEST_F(FakeEngineConvert, SoundAndSubtitlesByTheOptionsOrAsAsked)
{
    IniFile(app.Path() + "Option.ini").writeString("Option", "DefaultAudio", "5");  // Japanese
    const QString film = MediaFile("film.mkv");
    const QString other = MediaFile("other.avi");  // the engine lists no streams of it
    const QString extra = MediaFile("extra.srt");
    const auto convert = [&](const TrackRequest &audio, const TrackRequest &subtitles) {
        FakeEngine::Reset();
        FakeEngine::SetDefaultProbeAnswer({0, {20, 25.0f, 1500.0f, 640, 480, 0, 44100, 0, 128.0f, 1}});
        FakeEngine::SetStreamList(film.toStdString(),
                                  "audio\teng\tac3\t6\t\t\n"
                                  "audio\tjpn\taac\t2\t\t\n"
                                  "subtitle\teng\tass\t0\t\t\n"
                                  "subtitle\tjpn\tass\t0\tf\tSigns\n");
        ConvertRequest request;
        request.quiet = true;
        request.outputFolder = media.filePath("out");
        request.audio = audio;
        request.subtitles = subtitles;
        request.files = {film, other};
        return RunConvert(request);
    };

    using Kind = TrackRequest::Kind;
    const struct {
        TrackRequest audio, subtitles;
        const char *audioText, *subtitleText;  // no subtitle text: the file's path
    } cases[] = {
        {{}, {}, "001", "002"},
        {{Kind::Language, "eng"}, {Kind::Number, {}, 2}, "000", "003"},
        {{Kind::Number, {}, 2}, {Kind::None}, "001", "-1"},
        {{}, {Kind::File, {}, 0, extra}, "001", nullptr},
    };
    for (const auto &c : cases) {
        const bool numbered = c.audio.kind == Kind::Number || c.subtitles.kind == Kind::Number;
        // A number cannot be honoured for a file whose streams are not listed: it is not converted.
        EXPECT_EQ(convert(c.audio, c.subtitles), numbered ? ExitCode::SomeFailed : ExitCode::Done);
        const auto conversions = FakeEngine::CallsTo("X_SetPar_D2PSP");
        ASSERT_EQ(conversions.size(), numbered ? 1u : 2u);
        const std::string subtitleText = c.subtitleText ? c.subtitleText : extra.toStdString();
        EXPECT_EQ(conversions[0].texts[12], c.audioText);
        EXPECT_EQ(conversions[0].texts[13], subtitleText);
        if (numbered)
            continue;
        // The engine's first sound, and subtitles only from a file named by path.
        EXPECT_EQ(conversions[1].texts[12], "0");
        EXPECT_EQ(conversions[1].texts[13], c.subtitleText ? "-1" : subtitleText);
    }

    // A track number the file lacks: not converted either.
    EXPECT_EQ(convert({Kind::Number, {}, 3}, {}), ExitCode::SomeFailed);
    EXPECT_TRUE(FakeEngine::CallsTo("X_SetPar_D2PSP").empty());
}

// Ctrl-C before the engine had a picture to write: the engine leaves no file, so no path is
// printed, the command line says that the stop came before any picture, takes no further file
// and ends with the signal's status. Run in a child process: the signal stays noted for good.
TEST_F(FakeEngineConvert, AStopBeforeAnyPictureNamesNoFileAndEndsWithTheSignal)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    FakeEngine::SetBlockConversion(true);
    FakeEngine::SetConversionWritesOutput(false);
    ConvertRequest request;
    request.outputFolder = media.filePath("out");
    request.files << MediaFile("first.avi") << MediaFile("second.avi");

    const auto convertAndStop = [&] {
        std::thread ctrlC([] {
            if (FakeEngine::WaitUntilConverting(5000))
                ::kill(::getpid(), SIGINT);
        });
        ::testing::internal::CaptureStdout();
        const int status = RunConvert(request);
        ctrlC.join();
        const std::string printed = ::testing::internal::GetCapturedStdout();
        const QStringList left = QDir(request.outputFolder).entryList(QDir::Files);
        std::fprintf(stderr, "printed: [%s] left: [%s] conversions: %zu\n", printed.c_str(),
                     qPrintable(left.join(u' ')), FakeEngine::CallsTo("X_SetPar_D2PSP").size());
        // This process ends here, without the fixture's clean-up.
        QDir(app.Path()).removeRecursively();
        home.remove();
        media.remove();
        std::exit(status);
    };
    EXPECT_EXIT(convertAndStop(), ::testing::ExitedWithCode(130),
                "first.avi -> MAQ70001.MP4: stopped before any picture was converted; no file written\n"
                "stopped: 1 of 2 files not converted\n"
                "printed: \\[\\] left: \\[\\] conversions: 1\n");
}
