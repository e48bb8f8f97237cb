// A conversion stopped at twenty moments, chosen at random from a fixed seed: each stop must leave
// a file that plays to its end and lasts as long as the engine said it had converted when the stop
// came, within a second, or no file when no picture had been converted yet.
#include "Conversions.h"
#include "EngineLibrary.h"
#include "TestMedia.h"

#include <QFile>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

ConversionRequest WholeLongClip(const QString &output)
{
    ConversionRequest r;
    r.source = mediaPath("long");
    r.output = output;
    r.length = "0";
    return r;
}

// What goes wrong decoding every frame of every stream; empty when the file plays to its end.
QByteArray DecodingErrors(const QString &file)
{
    const ToolResult decode = runTool("ffprobe", {"-v", "error", "-count_frames", "-show_entries",
                                                  "stream=nb_read_frames", "-of", "csv=p=0", file});
    QByteArray errors;
    for (const QByteArray &line : decode.output.split('\n')) {
        const QByteArray text = line.trimmed();
        bool frameCount = false;
        text.toLongLong(&frameCount);
        if (!text.isEmpty() && !frameCount)
            errors += text + '\n';
    }
    if (decode.exitCode != 0)
        errors += "ffprobe exit status " + QByteArray::number(decode.exitCode);
    return errors;
}

} // namespace

TEST(FaultStop, TwentyMomentsEachLeaveAPlayableFileAsLongAsReported)
{
    const auto &engine = EngineLibrary::get();
    QTemporaryDir dir;

    // How long the whole clip takes here sets the range the moments are drawn from.
    const Clock::time_point started = Clock::now();
    ASSERT_EQ(convert(WholeLongClip(dir.filePath("whole.MP4"))), 0);
    const auto whole = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - started);

    std::mt19937 random(20261210);
    std::uniform_real_distribution<double> share(0.0, 0.8);
    for (int moment = 0; moment < 20; ++moment) {
        const auto delay = std::chrono::milliseconds(int(whole.count() * share(random)));
        SCOPED_TRACE("stopped " + std::to_string(delay.count()) + " ms after the conversion could be stopped");
        const QString output = dir.filePath(QStringLiteral("STOP%1.MP4").arg(moment));
        RecordingWindow window;
        int32_t result = 1;
        std::thread worker([&] { result = convert(WholeLongClip(output), &window); });
        ASSERT_TRUE(window.take(DVDENCODER_MSG_READY).has_value());
        std::this_thread::sleep_for(delay);
        int32_t info[4] = {};
        ASSERT_EQ(engine.X_Get_Info(info), 0);
        const int32_t stopped = engine.X_StopConvert();
        worker.join();

        EXPECT_EQ(result, 0);
        EXPECT_FALSE(QFile::exists(output + ".part"));
        // A stop before the first picture leaves no file at all (on a loaded machine the first
        // picture can take longer than the earliest moments); after one, a playable file.
        if (!QFile::exists(output)) {
            EXPECT_EQ(info[2], 0) << "no file, though frame " << info[2] << " was done before the stop";
            continue;
        }
        EXPECT_EQ(DecodingErrors(output), QByteArray());
        if (stopped != 0)
            continue; // the conversion had ended before the stop came: a whole file
        // Its whole seconds are cut down, so the frame number says better where the stop came.
        const double done = info[2] / 29.97;
        const double seconds = numberOf(probeJson(output)["format"].toObject(), "duration");
        EXPECT_NEAR(seconds, done, 1.0) << "X_Get_Info said " << info[0] << " s and frame " << info[2]
                                        << " done at the stop";
    }
}
