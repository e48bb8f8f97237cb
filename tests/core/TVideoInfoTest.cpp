#include "core/TVideoInfo.h"

#include <QSignalSpy>
#include <gtest/gtest.h>
#include <atomic>
#include <limits>
#include <thread>

namespace {

QString OutputNameFor(int i)
{
    return QStringLiteral("MAQ7%1.MP4").arg(i % 10000, 4, 10, QLatin1Char('0'));
}

} // namespace

TEST(CoreClip, StartsEmptyWithAnUnnamedBlackPicture)
{
    TVideoInfo clip;
    EXPECT_EQ(clip.AspectIndex(), -1);
    EXPECT_FALSE(clip.Ticked());
    EXPECT_FALSE(clip.Selected());
    EXPECT_EQ(clip.TitleNumber(), 0);
    EXPECT_FALSE(clip.AudioStreams().has_value());
    EXPECT_EQ(clip.OutputName(), QLatin1String(""));
    EXPECT_TRUE(clip.LengthText().isNull());
    EXPECT_TRUE(clip.InfoText().isNull());
    const QImage picture = clip.Picture();
    EXPECT_EQ(picture.size(), QSize(240, 180));
    EXPECT_EQ(picture.format(), QImage::Format_RGB888);
    EXPECT_EQ(picture.pixel(0, 0), qRgb(0, 0, 0));
}

TEST(CoreClip, TimeSettersClampToZeroOutsideOneDay)
{
    const struct {
        int given;
        int stored;
        const char *time;
    } cases[] = {
        {0, 0, "00:00:00"},     {1, 1, "00:00:01"},      {3725, 3725, "01:02:05"},
        {86400, 86400, "24:00:00"}, {86401, 0, "00:00:00"}, {-1, 0, "00:00:00"},
        {std::numeric_limits<int>::min(), 0, "00:00:00"},
    };
    for (const auto &c : cases) {
        TVideoInfo clip;
        clip.SetDuration(c.given);
        EXPECT_EQ(clip.Duration(), c.stored) << c.given;
        EXPECT_EQ(clip.LengthText(), QStringLiteral("Video Length : ") + QLatin1String(c.time));

        clip.SetStartTime(c.given);
        EXPECT_EQ(clip.StartTime(), c.stored);
        EXPECT_EQ(clip.StartText(), c.stored == 0 ? QStringLiteral("Beginning") : QLatin1String(c.time));

        clip.SetDuration(5);
        clip.SetEndTime(c.given);
        EXPECT_EQ(clip.EndTime(), c.stored);
        EXPECT_EQ(clip.EndText(), QLatin1String(c.time)) << c.given;
    }
}

TEST(CoreClip, EndShowsEndingExactlyAtTheDuration)
{
    TVideoInfo clip;
    clip.SetEndTime(0); // duration 0: an end of 0 is the end
    EXPECT_EQ(clip.EndText(), QLatin1String("Ending"));

    clip.SetDuration(125);
    clip.SetEndTime(125);
    EXPECT_EQ(clip.EndText(), QLatin1String("Ending"));
    clip.SetEndTime(124);
    EXPECT_EQ(clip.EndText(), QLatin1String("00:02:04"));
    // The setters leave start <= end <= duration to their callers.
    clip.SetEndTime(200);
    EXPECT_EQ(clip.EndTime(), 200);
}

TEST(CoreClip, VideoSizeSetsAspectIndexRatioAndText)
{
    const struct {
        int code, width, height;
        int index;
        double ratio;
        const char *size;
    } cases[] = {
        {2, 720, 480, 0, 1.5, "720X480"},
        {3, 1280, 720, 1, 1280.0 / 720.0, "1280X720"},
        {1, 640, 480, 2, 640.0 / 480.0, "640X480"},
        {4, 1920, 800, 3, 2.4, "1920X800"},
        {0, 640, 360, 4, 640.0 / 360.0, "640X360"},
        {0, 8, 6, 4, 8.0 / 6.0, "Unknown"},
        {9, 640, 9, 4, 640.0 / 9.0, "Unknown"},
        {0, 640, 0, 4, 1.0, "Unknown"},
        {2, 8, 6, 0, 8.0 / 6.0, "8X6"}, // a known code keeps even a tiny size
        {3, 640, -2, 1, 1.0, "640X-2"},
    };
    for (const auto &c : cases) {
        TVideoInfo clip;
        clip.SetVideoSize(c.code, c.width, c.height);
        EXPECT_EQ(clip.AspectIndex(), c.index) << c.code << " " << c.width << "x" << c.height;
        EXPECT_DOUBLE_EQ(clip.AspectRatio(), c.ratio) << c.width << "x" << c.height;
        EXPECT_EQ(clip.VideoWidth(), c.width);
        EXPECT_EQ(clip.VideoHeight(), c.height);
        EXPECT_EQ(clip.SizeText(), QStringLiteral("Video Size : ") + QLatin1String(c.size));
    }
}

TEST(CoreClip, StreamTextsForEveryIndex)
{
    const QStringList audio = {QStringLiteral("English#0x1"), QStringLiteral("Deutsch#0x2#extra")};
    const QStringList subtitles = {QStringLiteral("English#002"), QStringLiteral("Francais#003#extra")};
    const struct {
        bool withStreams;
        int index;
        const char *audioText;
        const char *subtitleText;
    } cases[] = {
        {false, 0, "Unkonwn", "Unkonwn"}, {false, -1, "Unkonwn", "Unkonwn"},
        {true, -1, "Unkonwn", "Unkonwn"}, {true, 0, "English", "English"},
        {true, 1, "Deutsch", "Francais"}, {true, 2, "Disable", "Disable"},
        {true, 99, "Disable", "Disable"},
    };
    for (const auto &c : cases) {
        TVideoInfo clip;
        if (c.withStreams) {
            clip.SetAudioStreams(audio);
            clip.SetSubtitleStreams(subtitles);
        }
        clip.SetAudioIndex(c.index);
        clip.SetSubtitleIndex(c.index);
        EXPECT_EQ(clip.AudioIndex(), c.index);
        EXPECT_EQ(clip.SubtitleIndex(), c.index);
        EXPECT_EQ(clip.AudioText(), QLatin1String(c.audioText)) << c.withStreams << " " << c.index;
        EXPECT_EQ(clip.SubtitleText(), QLatin1String(c.subtitleText)) << c.withStreams << " " << c.index;
    }
}

TEST(CoreClip, EverySetterTellsTheRow)
{
    TVideoInfo clip;
    QSignalSpy changed(&clip, &TVideoInfo::Changed);
    clip.SetClipName(QStringLiteral("holiday.avi"));
    clip.SetTicked(true);
    clip.SetSelected(true);
    clip.SetOutputName(QStringLiteral("MAQ70001.MP4"));
    clip.SetInfoText(QStringLiteral("/videos/holiday.avi"));
    clip.SetPicture(QImage(240, 180, QImage::Format_ARGB32));
    EXPECT_EQ(changed.count(), 6);
    EXPECT_EQ(clip.ClipName(), QLatin1String("holiday.avi"));
    EXPECT_TRUE(clip.Ticked());
    EXPECT_EQ(clip.OutputName(), QLatin1String("MAQ70001.MP4"));
    EXPECT_EQ(clip.InfoText(), QLatin1String("/videos/holiday.avi"));
    EXPECT_EQ(clip.Picture().format(), QImage::Format_RGB888);
}

TEST(CoreClip, WorkerReadsWhileTheWindowThreadWrites)
{
    TVideoInfo clip;
    std::atomic<bool> done{false};
    qint64 seen = 0;
    std::thread worker([&] {
        while (!done.load()) {
            seen += clip.SourcePath().size() + clip.OutputName().size() + clip.Picture().width();
            seen += clip.AudioStreams().has_value() ? 1 : 0;
        }
    });
    for (int i = 0; i < 20000; ++i) {
        clip.SetSourcePath(QStringLiteral("/videos/clip%1.avi").arg(i));
        clip.SetOutputName(OutputNameFor(i));
        clip.SetAudioStreams(i % 2 ? std::optional<QStringList>(QStringList{QStringLiteral("a#0x1")}) : std::nullopt);
        if (i % 100 == 0)
            clip.SetPicture(QImage(240, 180, QImage::Format_RGB32));
    }
    done = true;
    worker.join();
    EXPECT_GT(seen, 0);
    EXPECT_EQ(clip.SourcePath(), QLatin1String("/videos/clip19999.avi"));
}
