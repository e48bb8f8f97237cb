// Sources as people have them today: phone video stored turned, broadcast recordings whose sound
// changes format, recordings joined with cat, sound whose timestamps say nothing.
#include "Conversions.h"
#include "EngineCalls.h"
#include "PspConformity.h"
#include "QtPrinting.h"
#include "TestMedia.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
// At column x of a BGR picture: red in the upper quarter, blue in the lower, as the turned sources
// look upright.
bool redAboveBlue(const std::vector<uint8_t> &bgr, int width, int height, int x)
{
    if (bgr.size() != size_t(width) * height * 3)
        return false;
    const uint8_t *top = &bgr[(size_t(height / 4) * width + x) * 3];
    const uint8_t *bottom = &bgr[(size_t(height * 3 / 4) * width + x) * 3];
    return top[2] > 160 && top[0] < 90 && bottom[0] > 160 && bottom[2] < 90;
}

bool black(const std::vector<uint8_t> &bgr, int width, int height, int x)
{
    const uint8_t *pixel = &bgr[(size_t(height / 2) * width + x) * 3];
    return pixel[0] < 30 && pixel[1] < 30 && pixel[2] < 30;
}
}

// The display matrix turns the stored picture upright in everything that leaves the engine, and
// the probe gives the size the user sees, so a portrait clip gets bars left and right.
TEST(EngineSources, TurnedPhoneVideoComesOutUprightEverywhere)
{
    QTemporaryDir dir;
    for (const char *kind : {"rot90", "rot180", "rot270"}) {
        SCOPED_TRACE(kind);
        const QString source = mediaPath(kind);
        EngineFileInfo info{};
        ASSERT_EQ(probe(source, info), 0);
        EXPECT_EQ(info.width, 180);
        EXPECT_EQ(info.height, 320);
        EXPECT_EQ(info.flag, 1);
        EXPECT_TRUE(redAboveBlue(enginePicture(90, 160), 90, 160, 45)) << "probe picture";
        EXPECT_TRUE(redAboveBlue(grabbedPicture(source, 2, 90, 160), 90, 160, 45)) << "grabber frame";

        const QString thumb = dir.filePath(QString(kind) + ".THM");
        ASSERT_EQ(thumbnail(source, "1", thumb), 0);
        const std::vector<uint8_t> thumbnailPicture = firstFrameBgr(thumb, 160, 120);
        EXPECT_TRUE(redAboveBlue(thumbnailPicture, 160, 120, 80)) << "thumbnail";
        EXPECT_TRUE(black(thumbnailPicture, 160, 120, 40) && black(thumbnailPicture, 160, 120, 120));

        // The frame size the program works out for a 180 x 320 picture in 480:272.
        ConversionRequest r;
        r.source = source;
        r.output = dir.filePath(QString(kind) + ".MP4");
        r.frameSize = "156:272";
        ASSERT_EQ(convert(r), 0);
        const std::vector<uint8_t> converted = firstFrameBgr(r.output, 480, 272);
        EXPECT_TRUE(redAboveBlue(converted, 480, 272, 240)) << "conversion";
        EXPECT_TRUE(black(converted, 480, 272, 100) && black(converted, 480, 272, 380));
        PspExpectation e;
        e.codec = "h264";
        EXPECT_EQ(pspViolations(r.output, e), QStringList());
    }
}

// Every beep of the source is heard within one output frame of its white frame: with a trim start,
// with sound that starts late, at a variable frame rate, across a sound that turns from stereo to
// 5.1, with sound whose timestamps all say 0, and across the joins of recordings.
TEST(EngineSources, EveryFlashAndBeepStayWithinOneFrameOfEachOther)
{
    const struct {
        const char *kind, *start, *length;
        int flashes, beeps;
    } cases[] = {
        {"sync", "0", "0", 6, 6},    {"sync", "1", "4", 4, 4},   {"synclate", "0", "0", 6, 4},
        {"syncvfr", "0", "0", 6, 6}, {"switch", "0", "0", 4, 4}, {"real", "0", "0", 4, 4},
        {"joined", "0", "0", 4, 4},  {"joinedwrap", "1", "0", 3, 3},
    };
    QTemporaryDir dir;
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.kind << " from " << c.start);
        ConversionRequest r;
        r.source = mediaPath(c.kind);
        r.output = dir.filePath(QString(c.kind) + c.start + ".MP4");
        r.start = c.start;
        r.length = c.length;
        ASSERT_EQ(convert(r), 0);
        const std::vector<double> flashes = flashTimes(r.output), beeps = beepTimes(r.output);
        EXPECT_EQ(flashes.size(), size_t(c.flashes));
        EXPECT_EQ(beeps.size(), size_t(c.beeps));
        for (double beep : beeps) {
            double nearest = 1e9;
            for (double flash : flashes)
                nearest = std::min(nearest, std::abs(flash - beep));
            EXPECT_LE(nearest, 1001.0 / 30000) << "beep at " << beep << " s";
        }
    }
}

// The conversion of a file whose timestamps run far past its length stops before it fills the disk.
TEST(EngineSources, TimestampsRunningFarPastTheFilesLengthFailTheConversion)
{
    QTemporaryDir dir;
    ConversionRequest r;
    r.source = mediaPath("runaway");
    r.output = dir.filePath("RUNAWAY.MP4");
    r.length = "0";
    EXPECT_EQ(convert(r), -1);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList());
}

namespace {
// Runs `work` in a child process; the most it held resident, in megabytes, or -1 when it failed.
double childPeakMegabytes(const std::function<bool()> &work)
{
    const pid_t child = fork();
    if (child == 0)
        _exit(work() ? 0 : 1);
    int status = -1;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1;
    return usage.ru_maxrss / 1024.0;
}
}

// Sound ten minutes ahead of the first picture once waited for it in memory, 130 MB of it; the
// stretch is black now, with its sound, and the pictures keep their beeps.
TEST(EngineSources, SoundLongBeforeThePictureIsHeldInBoundedMemory)
{
    QTemporaryDir dir;
    const auto request = [&](const char *kind) {
        ConversionRequest r;
        r.source = mediaPath(kind);
        r.output = dir.filePath(QString(kind) + ".MP4");
        r.length = "0";
        r.resolution = r.frameSize = "160:120";
        r.frameRate = "5";
        r.sampleRate = "24000";
        r.videoKbps = "128";
        r.audioKbps = "32";
        return r;
    };
    const ConversionRequest plain = request("sync"), leadIn = request("leadin");
    const double plainPeak = childPeakMegabytes([&] { return convert(plain) == 0; });
    const double leadInPeak = childPeakMegabytes([&] { return convert(leadIn) == 0; });
    ASSERT_GT(plainPeak, 0);
    ASSERT_GT(leadInPeak, 0);
#ifndef POCKETREEL_SANITIZED
    EXPECT_LT(leadInPeak - plainPeak, 40) << plainPeak << " MB for 6 s, " << leadInPeak << " MB with the lead-in";
#endif
    EXPECT_NEAR(numberOf(probeJson(leadIn.output)["format"].toObject(), "duration"), 602, 0.3);
    EXPECT_EQ(flashTimes(leadIn.output), (std::vector<double>{600, 601}));
    EXPECT_EQ(beepTimes(leadIn.output).size(), 602u);
}
