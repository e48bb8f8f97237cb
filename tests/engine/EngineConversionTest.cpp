#include "Conversions.h"
#include "PspConformity.h"
#include "QtPrinting.h"
#include "TestMedia.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {
QByteArray digest(const QString &file)
{
    return QCryptographicHash::hash(fileBytes(file), QCryptographicHash::Sha1);
}

// The most this process has held resident, in megabytes.
long long peakResidentMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong() / 1024;
    return -1;
}

// Converts on another thread and stops once `frames` frames are done; `info` is the progress read
// just before the stop. The conversion's result, or -2 when the stop was refused.
int32_t convertAndStopAfter(const ConversionRequest &r, int frames, int32_t info[4])
{
    RecordingWindow window;
    int32_t result = 1;
    std::thread worker([&] { result = convert(r, &window); });
    const auto &engine = EngineLibrary::get();
    bool stopped = false;
    if (window.take(DVDENCODER_MSG_READY).has_value()) {
        while (info[2] < frames) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            if (engine.X_Get_Info(info) != 0)
                break;
        }
        stopped = engine.X_StopConvert() == 0;
    }
    worker.join();
    return stopped ? result : -2;
}
}

TEST(EngineConversion, StartsAtTheChosenSecondAndHoldsTheRangeExactly)
{
    // A seek in "gopts" (MPEG-TS, no index) lands on any picture; the ffmpeg tool shows damage there,
    // so its pictures are judged by "gop", which holds the same ones.
    const struct {
        const char *kind, *judge;
        double start;
    } cases[] = {{"long", "long", 7}, {"gopts", "gop", 3}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.kind);
        QTemporaryDir dir;
        ConversionRequest r;
        r.source = mediaPath(c.kind);
        r.output = dir.filePath("trim.MP4");
        r.start = QString::number(c.start);
        r.length = "2";
        r.frameRate = "25";
        r.resolution = "320:240";
        r.frameSize = "320:240";
        ASSERT_EQ(convert(r), 0);

        PspExpectation e;
        e.codec = "h264";
        e.width = 320;
        e.height = 240;
        e.frameRate = 25;
        e.seconds = 2;
        EXPECT_EQ(pspViolations(r.output, e), QStringList());

        // The first picture is the source's frame at the start, not the keyframe before it nor a later one.
        const QString judge = mediaPath(c.judge);
        const std::vector<uint8_t> first = firstFrameGray(r.output, 80, 60);
        const double atStart = meanAbsDiff(first, toolFrameGray(judge, c.start, 80, 60));
        EXPECT_LT(atStart, 6);
        EXPECT_LT(atStart, meanAbsDiff(first, toolFrameGray(judge, c.start - 0.08, 80, 60)));
        EXPECT_LT(atStart, meanAbsDiff(first, toolFrameGray(judge, c.start + 0.08, 80, 60)));
    }
}

TEST(EngineConversion, LengthZeroRunsToTheEndOfTheSource)
{
    QTemporaryDir dir;
    ConversionRequest r;
    r.source = mediaPath("avi");
    r.output = dir.filePath("end.MP4");
    r.start = "1";
    r.length = "0";
    r.frameRate = "25";
    ASSERT_EQ(convert(r), 0);
    PspExpectation e;
    e.codec = "h264";
    e.frameRate = 25;
    e.seconds = 3;
    EXPECT_EQ(pspViolations(r.output, e), QStringList());
}

TEST(EngineConversion, VolumeRaisesTheSoundByTheGivenDecibels)
{
    QTemporaryDir dir;
    ConversionRequest r;
    r.source = mediaPath("avi");
    r.output = dir.filePath("quiet.MP4");
    ASSERT_EQ(convert(r), 0);
    r.output = dir.filePath("loud.MP4");
    r.volume = "6";
    ASSERT_EQ(convert(r), 0);
    EXPECT_NEAR(audioRms(dir.filePath("loud.MP4")) - audioRms(dir.filePath("quiet.MP4")), 6.0, 0.5);
}

TEST(EngineConversion, ScalesToTheFrameSizeCentredOnBlackAtTheResolution)
{
    QTemporaryDir dir;
    ConversionRequest r;
    r.source = mediaPath("avi");
    r.output = dir.filePath("pillarbox.MP4");
    r.frameSize = "364:272"; // a 4:3 picture inside the 480:272 frame
    ASSERT_EQ(convert(r), 0);
    const std::vector<uint8_t> gray = firstFrameGray(r.output, 480, 272);
    ASSERT_EQ(gray.size(), 480u * 272u);
    const auto columnMean = [&](int x) {
        double sum = 0;
        for (int y = 0; y < 272; ++y)
            sum += gray[y * 480 + x];
        return sum / 272;
    };
    EXPECT_LT(columnMean(10), 20);
    EXPECT_LT(columnMean(469), 20);
    EXPECT_GT(columnMean(240), 40);
    EXPECT_GT(columnMean(70), 40) << "the picture spans 364 of the 480 columns";
}

// The fast scaler takes only 4:2:0 pictures of even size; the conformity table covers the other
// formats, this the odd size.
TEST(EngineConversion, ScalesA420PictureOfOddSize)
{
    QTemporaryDir dir;
    ConversionRequest r;
    r.source = mediaPath("oddplanar");
    r.output = dir.filePath("odd.MP4");
    ASSERT_EQ(convert(r), 0);
    PspExpectation e;
    e.codec = "h264";
    EXPECT_EQ(pspViolations(r.output, e), QStringList());
}

TEST(EngineConversion, TakesTheChosenAudioStream)
{
    // "twoaudio": a silent stream, then a sounding one; "tracks": English quiet, then Japanese loud.
    // The ids of the engine's stream list ("001") count the sound streams the same way.
    const struct {
        const char *kind, *stream;
        bool loud;
    } cases[] = {{"twoaudio", "0", false}, {"twoaudio", "1", true}, {"tracks", "000", false}, {"tracks", "001", true}};
    QTemporaryDir dir;
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.kind) + " " + c.stream);
        ConversionRequest r;
        r.source = mediaPath(c.kind);
        r.output = dir.filePath(QString("%1-%2.MP4").arg(c.kind, c.stream));
        r.audioStream = c.stream;
        ASSERT_EQ(convert(r), 0);
        if (c.loud)
            EXPECT_GT(audioRms(r.output), -30);
        else
            EXPECT_LT(audioRms(r.output), -35);
    }
}

// A full disk, played by a file size limit in a child process: the write fails mid-way.
TEST(EngineConversion, FullDiskFailsAndRemovesTheIncompleteFile)
{
    QTemporaryDir dir;
    ConversionRequest r;
    r.source = mediaPath("long");
    r.output = dir.filePath("FULL.MP4");
    r.length = "20";
    const pid_t child = fork();
    if (child == 0) {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{64 * 1024, 64 * 1024};
        setrlimit(RLIMIT_FSIZE, &limit);
        _exit(convert(r) == -1 ? 0 : 1);
    }
    int status = -1;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the conversion reported success";
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList());
}

TEST(EngineConversion, StopFinishesAShorterPlayableFileAndReturnsZero)
{
    QTemporaryDir dir;
    ConversionRequest r;
    r.source = mediaPath("long");
    r.output = dir.filePath("stopped.MP4");
    r.length = "0";
    int32_t info[4] = {};
    EXPECT_EQ(convertAndStopAfter(r, 25, info), 0);
    EXPECT_GT(info[1], 0);
    EXPECT_FALSE(QFile::exists(r.output + ".part"));
    const ToolResult decode = runTool("ffmpeg", {"-v", "error", "-i", r.output, "-f", "null", "-"});
    EXPECT_EQ(decode.exitCode, 0);
    EXPECT_TRUE(decode.output.isEmpty()) << decode.output.toStdString();
    const QJsonObject probe = probeJson(r.output);
    const double seconds = numberOf(probe["format"].toObject(), "duration");
    EXPECT_GT(seconds, 0.5);
    EXPECT_LT(seconds, 29);
    EXPECT_EQ(EngineLibrary::get().X_StopConvert(), -1) << "nothing runs any more";
}

// A stop that comes as soon as the conversion may be stopped, before any picture: nothing is left.
TEST(EngineConversion, StopBeforeTheFirstPictureReturnsZeroAndLeavesNoFile)
{
    struct StoppingWindow : MessageTarget {
        StoppingWindow()
        {
            post = [](MessageTarget *, uint32_t msg, intptr_t, intptr_t) {
                if (msg == DVDENCODER_MSG_READY)
                    EngineLibrary::get().X_StopConvert();
            };
        }
    } window;
    QTemporaryDir dir;
    ConversionRequest r;
    r.source = mediaPath("long");
    r.output = dir.filePath("STOPPED.MP4");
    r.length = "0";
    EXPECT_EQ(convert(r, &window), 0);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList());
}

// The picture of this source starts 25 minutes after its sound, so the rate filter fills that gap
// with its first frame: a stop there must still end the file where the progress was, not at the
// gap's end.
TEST(EngineConversion, StopInsideAFilledGapEndsTheFileWhereTheProgressWas)
{
    QTemporaryDir dir;
    ConversionRequest r;
    r.source = QStringLiteral(ENGINE_FUZZ_FINDINGS_DIR "/conversion/picture-long-after-sound.bin");
    r.output = dir.filePath("gap.MP4");
    r.length = "0";
    int32_t info[4] = {};
    EXPECT_EQ(convertAndStopAfter(r, 60, info), 0);
    const double seconds = numberOf(probeJson(r.output)["format"].toObject(), "duration");
    EXPECT_LT(seconds, info[2] / 29.97 + 1.0) << "frame " << info[2] << " was done at the stop";
}

TEST(EngineConversion, FailureLeavesNothingBehindAndTheSourceUntouched)
{
    QTemporaryDir dir;
    const QString textFile = dir.filePath("notes.txt");
    {
        QFile f(textFile);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("not a video");
    }
    QFile::copy(mediaPath("avi"), dir.filePath("source.avi"));
    const QString source = dir.filePath("source.avi");
    const QByteArray before = digest(source);

    struct Case {
        const char *why;
        void (*change)(ConversionRequest &, const QString &dir);
    };
    const Case cases[] = {
        {"unreadable source", [](ConversionRequest &r, const QString &d) { r.source = d + "/notes.txt"; }},
        {"missing source", [](ConversionRequest &r, const QString &d) { r.source = d + "/gone.avi"; }},
        {"missing output folder", [](ConversionRequest &r, const QString &d) { r.output = d + "/no/such/OUT.MP4"; }},
        {"output folder is a file", [](ConversionRequest &r, const QString &d) { r.output = d + "/notes.txt/OUT.MP4"; }},
        {"output is the source", [](ConversionRequest &r, const QString &d) { r.output = d + "/source.avi"; }},
        {"unknown video format", [](ConversionRequest &r, const QString &) { r.format = "divx"; }},
        {"resolution beyond level 3.0", [](ConversionRequest &r, const QString &) { r.resolution = "1280:720"; }},
        {"no resolution", [](ConversionRequest &r, const QString &) { r.resolution = "nodef"; }},
        {"frame rate not a number", [](ConversionRequest &r, const QString &) { r.frameRate = "fast"; }},
        {"frame rate beyond the level", [](ConversionRequest &r, const QString &) { r.frameRate = "60"; }},
        {"sample rate not for the PSP", [](ConversionRequest &r, const QString &) { r.sampleRate = "44100"; }},
        {"volume above 10 dB", [](ConversionRequest &r, const QString &) { r.volume = "11"; }},
        {"negative start", [](ConversionRequest &r, const QString &) { r.start = "-1"; }},
        {"bit rate not a number", [](ConversionRequest &r, const QString &) { r.videoKbps = "768k"; }},
        {"audio stream that does not exist", [](ConversionRequest &r, const QString &) { r.audioStream = "3"; }},
        {"start past the end", [](ConversionRequest &r, const QString &) { r.start = "100"; }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.why);
        ConversionRequest r;
        r.source = source;
        r.output = dir.filePath("OUT.MP4");
        c.change(r, dir.path());
        EXPECT_EQ(convert(r), -1);
        EXPECT_FALSE(QFile::exists(dir.filePath("OUT.MP4")));
        EXPECT_FALSE(QFile::exists(r.output + ".part"));
    }
    EXPECT_EQ(digest(source), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2);
}

// Damaged files the conversion fuzzer made, converted as it converts them (one second, both
// formats): 0 or -1, nothing half-written, and the memory bounded. The first has its picture start
// 25 minutes after its sound; the rate filter's frames for that gap were once all queued at the
// end of the stream, gigabytes of them, before the one-second limit could drop them.
TEST(EngineConversion, SurvivesTheConversionFuzzerFindings)
{
    const QFileInfoList files =
        QDir(QStringLiteral(ENGINE_FUZZ_FINDINGS_DIR "/conversion")).entryInfoList(QDir::Files);
    ASSERT_FALSE(files.isEmpty());
    QTemporaryDir dir;
    for (const QFileInfo &file : files)
        for (const char *format : {"h264", "mpeg4"}) {
            SCOPED_TRACE(file.fileName().toStdString() + " " + format);
            ConversionRequest r;
            r.source = file.filePath();
            r.output = dir.filePath("FUZZ.MP4");
            r.format = format;
            r.length = "1";
            const int32_t converted = convert(r);
            EXPECT_TRUE(converted == 0 || converted == -1);
            EXPECT_EQ(QFile::exists(r.output), converted == 0);
            EXPECT_FALSE(QFile::exists(r.output + ".part"));
            QFile::remove(r.output);
        }
#ifndef POCKETREEL_SANITIZED
    EXPECT_LT(peakResidentMegabytes(), 1024);
#endif
}
