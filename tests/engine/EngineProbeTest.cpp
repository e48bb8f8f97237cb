#include "Conversions.h"
#include "EngineCalls.h"
#include "TestMedia.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <thread>

TEST(EngineProbe, ReportsTheFactsOfEverySourceKind)
{
    struct Case {
        QString kind;
        int width, height, duration;
        int flag, aspectCode, sampleRate;
        float frameRate;
    };
    const Case cases[] = {
        {"dvd", 720, 480, 4, 0, 3, 48000, 29.97f},  {"avi", 640, 480, 4, 1, 2, 44100, 25.0f},
        {"mkv", 1280, 720, 4, 1, 3, 48000, 25.0f},  {"webm", 320, 240, 4, 1, 2, 48000, 30.0f},
        {"silent", 320, 240, 4, 1, 2, 0, 25.0f},    {"phone", 360, 640, 4, 1, 0, 44100, 0.0f},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.kind.toStdString());
        EngineFileInfo info{};
        ASSERT_EQ(probe(mediaPath(c.kind), info), 0);
        EXPECT_EQ(info.width, c.width);
        EXPECT_EQ(info.height, c.height);
        EXPECT_EQ(info.duration, c.duration);
        EXPECT_EQ(info.flag, c.flag);
        EXPECT_EQ(info.aspectCode, c.aspectCode);
        EXPECT_EQ(info.sampleRate, c.sampleRate);
        if (c.frameRate > 0)
            EXPECT_NEAR(info.frameRate, c.frameRate, 0.01);
        EXPECT_GT(info.videoBitRate, 0);
    }
}

// Each refusal says why in the user's words, on the calling thread only, and the next call that
// succeeds clears it.
TEST(EngineProbe, RefusesWhatHoldsNoDecodableVideoAndSaysWhy)
{
    QTemporaryDir dir;
    const QByteArray mkv = fileBytes(mediaPath("mkv"));
    writeFile(dir.filePath("empty.mp4"), {});
    writeFile(dir.filePath("text.avi"), "this is not a video\n");
    writeFile(dir.filePath("truncated.mkv"), mkv.left(600));
    writeFile(dir.filePath("download.mp4"), fileBytes(mediaPath("long")).left(4096));
    writeFile(dir.filePath("garbage.mp4"), QByteArray(4096, '\x47'));
    ASSERT_EQ(runTool("ffmpeg", {"-v", "error", "-f", "lavfi", "-i", "sine=d=1", dir.filePath("sound.wav")}).exitCode, 0);
    ASSERT_EQ(runTool("ffmpeg", {"-v", "error", "-f", "lavfi", "-i", "sine=d=1", "-f", "lavfi", "-i",
                                 "color=c=red:s=64x64:d=1", "-map", "0:a", "-map", "1:v", "-frames:v", "1", "-c:v",
                                 "mjpeg", "-disposition:v", "attached_pic", dir.filePath("song.mp3")})
                  .exitCode,
              0);
    QDir(dir.path()).mkdir("folder.mp4");

    const struct {
        const char *name;
        const char *reason;
    } cases[] = {
        {"missing.mp4", "the file does not exist"},
        {"empty.mp4", "the file is empty"},
        {"folder.mp4", "not a file"},
        {"text.avi", "not a video file"},
        {"garbage.mp4", "not a video file"},
        {"truncated.mkv", "the file ends early"},
        {"download.mp4", "the file ends early"},
        {"sound.wav", "no video picture, only sound"},
        {"song.mp3", "no video picture, only sound and a cover image"},
    };
    const EngineLibrary &engine = EngineLibrary::get();
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EngineFileInfo info{};
        EXPECT_EQ(probe(dir.filePath(c.name), info), -1);
        EXPECT_STREQ(engine.X_Get_Last_Error(), c.reason);
        std::string elsewhere = "not asked";
        std::thread([&] { elsewhere = engine.X_Get_Last_Error(); }).join();
        EXPECT_EQ(elsewhere, "");
    }
    EngineFileInfo info{};
    ASSERT_EQ(probe(mediaPath("avi"), info), 0);
    EXPECT_STREQ(engine.X_Get_Last_Error(), "");
}

// Damaged files the fuzzer made: whatever the probe says, nothing may crash, and what it accepts
// must also go through a conversion and a thumbnail, ending in 0 or -1 with nothing half-written.
TEST(EngineProbe, SurvivesTheFuzzerFindings)
{
    const QDir findings(QStringLiteral(ENGINE_FUZZ_FINDINGS_DIR));
    const QFileInfoList files = findings.entryInfoList(QDir::Files);
    ASSERT_FALSE(files.isEmpty());
    QTemporaryDir dir;
    for (const QFileInfo &file : files) {
        SCOPED_TRACE(file.fileName().toStdString());
        EngineFileInfo info{};
        const int32_t result = probe(file.filePath(), info);
        ASSERT_TRUE(result == 0 || result == -1);
        const uint8_t *pixels = nullptr;
        int32_t second = 0;
        EngineLibrary::get().X_Get_Frame(32, 24, "2.bmp", &pixels, &second);
        EXPECT_NE(pixels, nullptr);
        if (result != 0)
            continue;
        ConversionRequest r;
        r.source = file.filePath();
        r.output = dir.filePath(file.baseName() + ".MP4");
        r.length = "0";
        const int32_t converted = convert(r);
        EXPECT_TRUE(converted == 0 || converted == -1);
        EXPECT_EQ(QFile::exists(r.output), converted == 0);
        EXPECT_FALSE(QFile::exists(r.output + ".part"));
        const QByteArray source = r.source.toUtf8(), thumb = dir.filePath(file.baseName() + ".THM").toUtf8();
        const int32_t thumbnail =
            EngineLibrary::get().X_Get_Frame_JPEG(nullptr, 2, source.constData(), "0", "10", "160:120",
                                                  thumb.constData(), 0);
        EXPECT_TRUE(thumbnail == 0 || thumbnail == -1);
    }
}

TEST(EngineProbe, PictureAfterProbeShowsTheFileNotItsBlackLeadIn)
{
    EngineFileInfo info{};
    ASSERT_EQ(probe(mediaPath("silent"), info), 0);
    const uint8_t *pixels = nullptr;
    int32_t second = -1;
    EngineLibrary::get().X_Get_Frame(240, 180, "2.bmp", &pixels, &second);
    ASSERT_NE(pixels, nullptr);
    const std::vector<uint8_t> gray = grayFromBgr(pixels, 240 * 180);
    double mean = 0;
    for (uint8_t g : gray)
        mean += g;
    EXPECT_GT(mean / gray.size(), 40);
    EXPECT_GE(second, 1);

    // The picture is the file's own: it matches what the ffmpeg tool shows at that second.
    const std::vector<uint8_t> tool = toolFrameGray(mediaPath("silent"), second, 240, 180);
    EXPECT_LT(meanAbsDiff(gray, tool), 20);
}

TEST(EngineProbe, PictureIsScaledToAnySizeAndBlackWithoutAProbe)
{
    EngineFileInfo info{};
    ASSERT_EQ(probe(mediaPath("dvd"), info), 0);
    const uint8_t *pixels = nullptr;
    int32_t second = 0;
    EXPECT_EQ(EngineLibrary::get().X_Get_Frame(240, 136, nullptr, &pixels, &second), 0);
    ASSERT_NE(pixels, nullptr);
    EXPECT_EQ(EngineLibrary::get().X_Get_Frame(0, 136, nullptr, &pixels, &second), -1);

    ASSERT_EQ(probe("/nonexistent/file.mp4", info), -1);
    EXPECT_EQ(EngineLibrary::get().X_Get_Frame(8, 6, nullptr, &pixels, &second), -1);
    ASSERT_NE(pixels, nullptr);
    for (int i = 0; i < 8 * 6 * 3; ++i)
        EXPECT_EQ(pixels[i], 0);
}
