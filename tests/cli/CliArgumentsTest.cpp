#include "CliArguments.h"
#include "ExitCodes.h"
#include "QtPrinting.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(CliArguments, TimesAreHoursMinutesSecondsOrWholeSecondsUpToADay)
{
    const struct {
        const char *text;
        std::optional<int> seconds;
    } cases[] = {
        {"0", 0},          {"90", 90},         {" 75 ", 75},        {"00:01:30", 90},
        {"1:02:03", 3723}, {"24:00:00", 86400}, {"86400", 86400},   {"24:00:01", std::nullopt},
        {"86401", std::nullopt}, {"00:60:00", std::nullopt}, {"00:00:60", std::nullopt},
        {"1:30", std::nullopt},  {"1.5", std::nullopt},      {"-3", std::nullopt},
        {"", std::nullopt},      {"ten", std::nullopt},      {"0:0:0", std::nullopt},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ParseTimeArgument(QString::fromLatin1(c.text)), c.seconds) << c.text;
}

TEST(CliArguments, AConvertCommandLineGivesItsRequest)
{
    const CliRequest parsed = ParseArguments({"convert", "-p", "PSP H.264 480x272 Standard", "--format", "mpeg4",
                                              "--resolution", "320x240", "--fps", "25", "--video-kbps", "600",
                                              "--audio-kbps", "64", "--volume", "3", "--start", "00:00:05",
                                              "--end", "20", "--title", " Holiday ", "-o", "out", "--upload",
                                              "--to", "/media/psp", "-q", "a.avi", "--", "-b.mkv"});
    ASSERT_TRUE(std::holds_alternative<ConvertRequest>(parsed));
    const ConvertRequest &r = std::get<ConvertRequest>(parsed);
    EXPECT_EQ(r.encoding.profile, "PSP H.264 480x272 Standard");
    EXPECT_EQ(r.encoding.format, "mpeg4");
    EXPECT_EQ(r.encoding.resolution, "320x240");
    EXPECT_EQ(r.encoding.frameRate, "25");
    EXPECT_EQ(r.encoding.videoBitRate, 600);
    EXPECT_EQ(r.encoding.audioBitRate, "64");
    EXPECT_EQ(r.encoding.volume, 3);
    EXPECT_EQ(r.start, 5);
    EXPECT_EQ(r.end, 20);
    EXPECT_EQ(r.title, "Holiday");
    EXPECT_EQ(r.outputFolder, "out");
    EXPECT_TRUE(r.upload);
    EXPECT_EQ(r.uploadTo, "/media/psp");
    EXPECT_TRUE(r.quiet);
    EXPECT_EQ(r.files, (QStringList{"a.avi", "-b.mkv"}));
}

TEST(CliArguments, SoundAndSubtitlesByLanguageNumberFileOrNone)
{
    QTemporaryDir dir;
    const QString srt = dir.filePath("film.en.srt");
    QFile(srt).open(QIODevice::WriteOnly);
    using Kind = TrackRequest::Kind;
    const struct {
        const char *option;
        QString value;
        TrackRequest expected;
    } cases[] = {
        {"--audio", "jpn", {Kind::Language, "jpn"}},
        {"--audio", "Japanese", {Kind::Language, "Japanese"}},
        {"--audio", " 2 ", {Kind::Number, {}, 2}},
        {"--subtitles", "EN", {Kind::Language, "EN"}},
        {"--subtitles", "3", {Kind::Number, {}, 3}},
        {"--subtitles", "None", {Kind::None}},
        {"--subtitles", srt, {Kind::File, {}, 0, srt}},
        {"--subtitles", QDir(dir.path()).relativeFilePath(srt), {Kind::File, {}, 0, srt}},
    };
    const QString saved = QDir::currentPath();
    QDir::setCurrent(dir.path());
    for (const auto &c : cases) {
        const CliRequest parsed = ParseArguments({"convert", QLatin1String(c.option), c.value, "a.avi"});
        ASSERT_TRUE(std::holds_alternative<ConvertRequest>(parsed)) << c.option << " " << c.value.toStdString();
        const ConvertRequest &r = std::get<ConvertRequest>(parsed);
        EXPECT_EQ(QLatin1String(c.option) == "--audio" ? r.audio : r.subtitles, c.expected) << c.value.toStdString();
    }
    QDir::setCurrent(saved);
    const CliRequest plain = ParseArguments({"convert", "a.avi"});
    EXPECT_EQ(std::get<ConvertRequest>(plain).audio, TrackRequest{});
    EXPECT_EQ(std::get<ConvertRequest>(plain).subtitles, TrackRequest{});
}

TEST(CliArguments, WrongCommandLinesAreUsageErrorsThatSayWhy)
{
    const struct {
        QStringList arguments;
        const char *says;
    } cases[] = {
        {{}, "no COMMAND given"},
        {{"frobnicate"}, "unknown command \"frobnicate\""},
        {{"--quiet", "convert", "a.avi"}, "options follow the COMMAND"},
        {{"convert"}, "no FILE given"},
        {{"convert", "--bogus", "a.avi"}, "Unknown option \"bogus\""},
        {{"convert", "a.avi", "--profile"}, "Missing value after \"--profile\""},
        {{"convert", "--start", "5:00", "a.avi"}, "--start takes HH:MM:SS or whole seconds"},
        {{"convert", "--start", "20", "--end", "00:00:20", "a.avi"}, "the end 00:00:20 must come after the start"},
        {{"convert", "--end", "0", "a.avi"}, "the end 00:00:00 must come after the start 00:00:00"},
        {{"convert", "--video-kbps", "fast", "a.avi"}, "--video-kbps takes a whole number of kbit/s, not \"fast\""},
        {{"convert", "--volume", "2.5", "a.avi"}, "--volume takes a whole number of dB"},
        {{"convert", "--to", "/media/psp", "a.avi"}, "--to goes with --upload"},
        {{"convert", "-o", "", "a.avi"}, "--output-folder takes a folder"},
        {{"convert", "--audio", "0", "a.avi"}, "--audio counts from 1"},
        {{"convert", "--audio", "klingon", "a.avi"}, "--audio \"klingon\" is not a language (such as en, eng or English) or a track number"},
        {{"convert", "--audio", "none", "a.avi"}, "--audio \"none\" is not a language"},
        {{"convert", "--audio", "film.srt", "a.avi"}, "--audio \"film.srt\" is not a language"},
        {{"convert", "--subtitles", "/no/such/film.srt", "a.avi"}, "--subtitles \"/no/such/film.srt\": no such file"},
        {{"convert", "--subtitles", "xx", "a.avi"}, "--subtitles \"xx\" is not a language (such as en, eng or English), a number, a subtitle file or none"},
        {{"upload"}, "no FILE given"},
        {{"probe", "--profile", "x", "a.avi"}, "Unknown option \"profile\""},
        {{"profiles", "a.avi"}, "profiles takes no FILE"},
    };
    for (const auto &c : cases) {
        const CliRequest parsed = ParseArguments(c.arguments);
        const QString call = c.arguments.join(u' ');
        ASSERT_TRUE(std::holds_alternative<Answer>(parsed)) << call.toStdString();
        const Answer &answer = std::get<Answer>(parsed);
        EXPECT_EQ(answer.status, ExitCode::Usage) << call.toStdString();
        EXPECT_TRUE(answer.text.startsWith("pocketreel-cli: ")) << answer.text.toStdString();
        EXPECT_TRUE(answer.text.contains(QLatin1String(c.says))) << answer.text.toStdString();
        EXPECT_TRUE(answer.text.contains("--help'")) << answer.text.toStdString();
    }
}

TEST(CliArguments, EveryCommandAnswersHelpWithItsUsage)
{
    const struct {
        QStringList arguments;
        const char *usage;
    } cases[] = {
        {{"--help"}, "Usage: pocketreel-cli COMMAND"},
        {{"-h"}, "Usage: pocketreel-cli COMMAND"},
        {{"convert", "--help", "--bogus-is-not-looked-at"}, nullptr},
        {{"convert", "-h"}, "Usage: pocketreel-cli convert [OPTION]... FILE..."},
        {{"upload", "--help"}, "Usage: pocketreel-cli upload [--to MOUNTPOINT] FILE..."},
        {{"probe", "--help"}, "Usage: pocketreel-cli probe [--json] FILE..."},
        {{"profiles", "--help"}, "Usage: pocketreel-cli profiles"},
        {{"--version"}, "pocketreel-cli (PocketReel) "},
    };
    for (const auto &c : cases) {
        const CliRequest parsed = ParseArguments(c.arguments);
        const QString call = c.arguments.join(u' ');
        ASSERT_TRUE(std::holds_alternative<Answer>(parsed)) << call.toStdString();
        const Answer &answer = std::get<Answer>(parsed);
        if (!c.usage) {
            EXPECT_EQ(answer.status, ExitCode::Usage) << call.toStdString();  // an unknown option is refused even beside --help
            continue;
        }
        EXPECT_EQ(answer.status, ExitCode::Done) << call.toStdString();
        EXPECT_TRUE(answer.text.startsWith(QLatin1String(c.usage))) << answer.text.toStdString();
        for (const QString &line : answer.text.split(u'\n'))
            EXPECT_LE(line.size(), 79) << line.toStdString();
    }
    EXPECT_TRUE(std::get<Answer>(ParseArguments({"--version"})).text.contains("\nLicence GPL-2.0-or-later: "));
}
