#include "EngineLibrary.h"
#include "TestMedia.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <future>
#include <mutex>
#include <vector>

namespace {
std::vector<uint8_t> grabbedGray(int width, int height)
{
    const uint8_t *pixels = nullptr;
    int32_t second = 0;
    EngineLibrary::get().X_Get_Frame(width, height, nullptr, &pixels, &second);
    return pixels ? grayFromBgr(pixels, width * height) : std::vector<uint8_t>();
}
}

TEST(EngineGrabber, DeliversTheFrameShownAtEachRequestedSecond)
{
    const auto &engine = EngineLibrary::get();
    // Backwards and forwards, on within a keyframe's group and across into the next one: each answer is
    // the accurate frame, whatever the previous one was. "gop" has B-frames that nothing refers to,
    // which are left undecoded before the second, and keyframes at 0, 5 and 10 s. A seek in "gopts"
    // lands on any picture; the ffmpeg tool shows damage there, so its pictures are judged by "gop".
    const struct {
        const char *kind;
        const char *judge;
        std::vector<int> seconds;
    } walks[] = {
        {"mkv", "mkv", {3, 1, 2}},
        {"gop", "gop", {1, 4, 6, 9, 7, 11, 3}},
        {"gopts", "gop", {1, 4, 6, 9, 7, 11, 3}},
    };
    for (const auto &walk : walks) {
        const QString source = mediaPath(walk.kind);
        const QString judge = mediaPath(walk.judge);
        const QByteArray path = source.toUtf8();
        RecordingWindow window;
        ASSERT_EQ(engine.X_GetFrame_Init(&window, 2, path.constData(), "", "0"), 0);
        ASSERT_TRUE(window.take(DVDENCODER_MSG_READY).has_value());
        for (int second : walk.seconds) {
            SCOPED_TRACE(testing::Message() << walk.kind << " at " << second);
            ASSERT_EQ(engine.X_Set_NextFrame_Time(second), 0);
            const auto frame = window.take(DVDENCODER_MSG_FRAME);
            ASSERT_TRUE(frame.has_value());
            EXPECT_EQ(frame->wparam, 1);
            const std::vector<uint8_t> grabbed = grabbedGray(128, 72);
            // The same picture through the same scaling matches to the bit; references decoded with
            // shortcuts (a skipped loop filter) already drift by a few tenths.
            const double exact = meanAbsDiff(grabbed, toolFrameGray(judge, second, 128, 72));
            EXPECT_LT(exact, 0.1);
            EXPECT_LT(exact, meanAbsDiff(grabbed, toolFrameGray(judge, second - 0.04, 128, 72)));
            const uint8_t *pixels = nullptr;
            int32_t frameTime = -1;
            engine.X_Get_Frame(16, 9, nullptr, &pixels, &frameTime);
            EXPECT_EQ(frameTime, second);
        }
        EXPECT_EQ(engine.X_GetFrame_UnInit(), 0);
        EXPECT_TRUE(window.take(DVDENCODER_MSG_GRABBER_CLOSED).has_value());
    }
}

TEST(EngineGrabber, UnreadableFileStillAnswersEveryMessage)
{
    const auto &engine = EngineLibrary::get();
    RecordingWindow window;
    ASSERT_EQ(engine.X_GetFrame_Init(&window, 2, "/nonexistent/clip.mp4", "", "0"), 0);
    ASSERT_TRUE(window.take(DVDENCODER_MSG_READY).has_value());
    ASSERT_EQ(engine.X_Set_NextFrame_Time(5), 0);
    const auto frame = window.take(DVDENCODER_MSG_FRAME);
    ASSERT_TRUE(frame.has_value());
    EXPECT_EQ(frame->wparam, 0);
    EXPECT_EQ(engine.X_GetFrame_UnInit(), 0);
    EXPECT_TRUE(window.take(DVDENCODER_MSG_GRABBER_CLOSED).has_value());
    EXPECT_EQ(engine.X_Set_NextFrame_Time(5), -1) << "no grabber after UnInit";
}

TEST(EngineGrabber, ClosingWhileAFrameIsSoughtEndsCleanly)
{
    const auto &engine = EngineLibrary::get();
    const QByteArray path = mediaPath("long").toUtf8();
    RecordingWindow window;
    ASSERT_EQ(engine.X_GetFrame_Init(&window, 2, path.constData(), "", "0"), 0);
    ASSERT_TRUE(window.take(DVDENCODER_MSG_READY).has_value());
    engine.X_Set_NextFrame_Time(25);
    EXPECT_EQ(engine.X_GetFrame_UnInit(), 0);
    EXPECT_TRUE(window.take(DVDENCODER_MSG_GRABBER_CLOSED).has_value());
    const auto messages = window.all();
    EXPECT_EQ(messages.back().msg, uint32_t(DVDENCODER_MSG_GRABBER_CLOSED)) << "nothing is posted after 2512";
}

namespace {
// A window whose thread-side post of one message number waits until the test lets it through, so
// the grabber's thread is known to be busy while the test calls into the engine.
struct GateWindow : MessageTarget {
    explicit GateWindow(uint32_t gated) : gated(gated) { post = &GateWindow::onPost; }

    static void onPost(MessageTarget *self, uint32_t msg, intptr_t, intptr_t)
    {
        auto *window = static_cast<GateWindow *>(self);
        if (msg == window->gated) {
            window->entered.set_value();
            window->gate.wait();
        }
        std::lock_guard lock(window->mutex);
        window->messages.push_back(msg);
        window->arrived.notify_all();
    }

    bool waitFor(uint32_t msg)
    {
        std::unique_lock lock(mutex);
        return arrived.wait_for(lock, std::chrono::seconds(60), [&] {
            return std::find(messages.begin(), messages.end(), msg) != messages.end();
        });
    }

    const uint32_t gated;
    std::promise<void> entered;
    std::promise<void> open;
    std::shared_future<void> gate = open.get_future().share();
    std::mutex mutex;
    std::condition_variable arrived;
    std::vector<uint32_t> messages;
};
}

TEST(EngineGrabber, UnInitReturnsWhileTheGrabberIsBusyAndItsThreadPosts2512Last)
{
    const auto &engine = EngineLibrary::get();
    const QByteArray path = mediaPath("long").toUtf8();
    GateWindow window(DVDENCODER_MSG_READY);
    ASSERT_EQ(engine.X_GetFrame_Init(&window, 2, path.constData(), "", "0"), 0);
    window.entered.get_future().wait();

    // The grabber's thread is held inside its 2312: a release that waited for the thread would
    // never come back before the gate opens.
    auto unInit = std::async(std::launch::async, [&] { return engine.X_GetFrame_UnInit(); });
    const bool returned = unInit.wait_for(std::chrono::seconds(30)) == std::future_status::ready;
    window.open.set_value();
    EXPECT_TRUE(returned) << "X_GetFrame_UnInit waited for the grabber's thread";
    EXPECT_EQ(unInit.get(), 0);
    EXPECT_EQ(engine.X_Set_NextFrame_Time(3), -1) << "no requests once released";

    ASSERT_TRUE(window.waitFor(DVDENCODER_MSG_GRABBER_CLOSED));
    std::lock_guard lock(window.mutex);
    EXPECT_EQ(window.messages, (std::vector<uint32_t>{DVDENCODER_MSG_READY, DVDENCODER_MSG_GRABBER_CLOSED}));
}

// Damaged files the fuzzers made: the grabber opened on each still answers every message.
TEST(EngineGrabber, SurvivesTheFuzzerFindings)
{
    const auto &engine = EngineLibrary::get();
    const QFileInfoList files = QDir(QStringLiteral(ENGINE_FUZZ_FINDINGS_DIR)).entryInfoList(QDir::Files);
    ASSERT_FALSE(files.isEmpty());
    for (const QFileInfo &file : files) {
        SCOPED_TRACE(file.fileName().toStdString());
        const QByteArray path = QFile::encodeName(file.filePath());
        RecordingWindow window;
        ASSERT_EQ(engine.X_GetFrame_Init(&window, 2, path.constData(), "", "0"), 0);
        ASSERT_TRUE(window.take(DVDENCODER_MSG_READY, 20000).has_value());
        for (int second : {1, 0, 3}) {
            ASSERT_EQ(engine.X_Set_NextFrame_Time(second), 0);
            ASSERT_TRUE(window.take(DVDENCODER_MSG_FRAME, 20000).has_value()) << "no answer for " << second;
        }
        EXPECT_EQ(engine.X_GetFrame_UnInit(), 0);
        EXPECT_TRUE(window.take(DVDENCODER_MSG_GRABBER_CLOSED, 20000).has_value());
    }
}
