#include "core/conversion/ClipParameters.h"

#include "QtPrinting.h"

#include <gtest/gtest.h>

using namespace ClipParameter;

TEST(ClipParameters, TitleIsTheFileNameWithoutExtensionCutTo30)
{
    const struct {
        const char *path;
        const char *title;
    } cases[] = {
        {"/videos/Holiday.avi", "Holiday"},
        {"/videos/no extension", "no extension"},
        {"/videos.old/clip", "clip"},
        {"/videos/archive.tar.gz", "archive.tar"},
        {"/v/A very long holiday film name that goes on.mkv", "A very long holiday film name "},
        {"/v/abcdefghijklmnopqrstuvwxyz0123456789", "abcdefghijklmnopqrstuvwxyz0123"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(TitleOfSource(QString::fromUtf8(c.path)), QString::fromUtf8(c.title)) << c.path;
}

TEST(ClipParameters, LengthRules)
{
    const struct {
        const char *why;
        int start, end, duration, minDuration, length;
    } cases[] = {
        {"the selection", 10, 40, 100, -1, 30},
        {"no minimum at the default -1", 10, 30, 100, -1, 20},
        {"a 20 s selection with a 60 s minimum", 10, 30, 100, 60, 60},
        {"a minimum of 0 applies none", 10, 30, 100, 0, 20},
        {"longer than the minimum", 0, 90, 100, 60, 90},
        {"an end 2 s before the source's end converts to the end", 5, 98, 100, -1, 0},
        {"an end 3 s before the source's end does not", 5, 97, 100, -1, 92},
        {"the end rule comes after the minimum", 95, 99, 100, 60, 0},
        {"an empty selection is one second, never the whole source", 40, 40, 100, -1, 1},
        {"an empty selection at the start", 0, 0, 100, 0, 1},
        {"an empty selection takes the minimum first", 40, 40, 100, 5, 5},
        {"an empty selection at the source's end still converts to the end", 99, 99, 100, -1, 0},
    };
    for (const auto &c : cases)
        EXPECT_EQ(EngineLength(c.start, c.end, c.duration, c.minDuration), c.length) << c.why;
}

TEST(ClipParameters, StreamTexts)
{
    const QStringList audio{QStringLiteral("English#128 AC3"), QStringLiteral("French#129"), QStringLiteral("plain")};
    const struct {
        std::optional<QStringList> streams;
        int index;
        const char *expected;
    } audioCases[] = {
        {std::nullopt, 0, "0"}, {audio, 0, "128"}, {audio, 1, "129"}, {audio, 2, "pla"}, {audio, 3, "0"}, {audio, -1, "0"},
    };
    for (const auto &c : audioCases)
        EXPECT_EQ(AudioStreamText(c.streams, c.index), QLatin1String(c.expected)) << c.index;

    // A subtitle entry gives its id, as a sound entry does; a file named by path goes as that path.
    const QStringList subtitles{QStringLiteral("English ASS#002"), QStringLiteral("SRT file#004")};
    const QString file = QStringLiteral("/films/extra subtitles.srt");
    const struct {
        std::optional<QStringList> streams;
        int index;
        QString file;
        const char *expected;
    } subtitleCases[] = {
        {std::nullopt, 0, {}, "-1"}, {subtitles, 0, {}, "002"}, {subtitles, 1, {}, "004"},
        {subtitles, 2, {}, "-1"},  // "Disable"
        {subtitles, -1, {}, "002"}, {QStringList(), 0, {}, "-1"},
        {subtitles, 2, file, "/films/extra subtitles.srt"}, {std::nullopt, 0, file, "/films/extra subtitles.srt"},
    };
    for (const auto &c : subtitleCases)
        EXPECT_EQ(SubtitleStreamText(c.streams, c.index, c.file), QLatin1String(c.expected)) << c.index;
}

TEST(ClipParameters, PlanHandsTheEngineEveryTextInItsPlace)
{
    ClipJob clip;
    clip.sourcePath = QStringLiteral("/media/films/Summer trip.mpg");
    clip.duration = 600;
    clip.startTime = 30;
    clip.endTime = 599;
    clip.videoWidth = 720;
    clip.videoHeight = 480;
    clip.aspectIndex = 1;
    clip.displayAspect = true;
    clip.outputName = QStringLiteral("M4V70007.MP4");
    RunSettings settings{QStringLiteral("mpeg4"), QStringLiteral("320:240"), QStringLiteral("29.97"),
                         QStringLiteral("96"),    QStringLiteral("48000"),   QStringLiteral("768"),
                         QStringLiteral("4")};

    const ClipPlan plan = PlanClip(clip, settings, QStringLiteral("/home/u/out/PSP/"), 60);

    const QStringList expected{"/media/films/Summer trip.mpg", "0", "30", "48000", "1:1", "mpeg4", "768", "96",
                               "320:180", "320:240", "Summer trip", "29.97", "0", "-1",
                               "/home/u/out/PSP/M4V70007.MP4", "4", "0"};
    ASSERT_EQ(int(plan.parameters.size()), expected.size());
    for (int i = 0; i < expected.size(); ++i)
        EXPECT_EQ(plan.parameters[size_t(i)], expected[i]) << "parameter " << i + 1;
    EXPECT_EQ(plan.clipStart, 30);
    EXPECT_EQ(plan.progressTotal, 569);  // measured against end minus start, not the length
    EXPECT_EQ(plan.length, 0);
    EXPECT_EQ(plan.thumbnailPath, QStringLiteral("/home/u/out/PSP/M4V70007.THM"));
    EXPECT_EQ(plan.thumbnailTitleNumber, QStringLiteral("0"));
    EXPECT_EQ(plan.thumbnailSecond, QStringLiteral("40"));

    // A title given for the clip replaces the file's name, within the same 30 characters.
    clip.title = QStringLiteral("Our summer trip to the seaside, day one");
    EXPECT_EQ(PlanClip(clip, settings, QStringLiteral("/o/"), 60).parameters[ClipParameter::Title],
              QStringLiteral("Our summer trip to the seaside"));
}
