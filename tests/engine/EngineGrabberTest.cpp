#include "EngineLibrary.h"
#include "TestMedia.h"

#include <gtest/gtest.h>

namespace {
std::vector<uint8_t> grabbedGray(int width, int height)
{
    const uint8_t *pixels = nullptr;
    int32_t second = 0;
    EngineLibrary::get().getFrame(width, height, nullptr, &pixels, &second);
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
        ASSERT_EQ(engine.grabberInit(&window, 2, path.constData(), "", "0"), 0);
        ASSERT_TRUE(window.take(DVDENCODER_MSG_READY).has_value());
        for (int second : walk.seconds) {
            SCOPED_TRACE(testing::Message() << walk.kind << " at " << second);
            ASSERT_EQ(engine.setNextFrameTime(second), 0);
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
            engine.getFrame(16, 9, nullptr, &pixels, &frameTime);
            EXPECT_EQ(frameTime, second);
        }
        EXPECT_EQ(engine.grabberUnInit(), 0);
        EXPECT_TRUE(window.take(DVDENCODER_MSG_GRABBER_CLOSED).has_value());
    }
}

TEST(EngineGrabber, UnreadableFileStillAnswersEveryMessage)
{
    const auto &engine = EngineLibrary::get();
    RecordingWindow window;
    ASSERT_EQ(engine.grabberInit(&window, 2, "/nonexistent/clip.mp4", "", "0"), 0);
    ASSERT_TRUE(window.take(DVDENCODER_MSG_READY).has_value());
    ASSERT_EQ(engine.setNextFrameTime(5), 0);
    const auto frame = window.take(DVDENCODER_MSG_FRAME);
    ASSERT_TRUE(frame.has_value());
    EXPECT_EQ(frame->wparam, 0);
    EXPECT_EQ(engine.grabberUnInit(), 0);
    EXPECT_TRUE(window.take(DVDENCODER_MSG_GRABBER_CLOSED).has_value());
    EXPECT_EQ(engine.setNextFrameTime(5), -1) << "no grabber after UnInit";
}

TEST(EngineGrabber, ClosingWhileAFrameIsSoughtEndsCleanly)
{
    const auto &engine = EngineLibrary::get();
    const QByteArray path = mediaPath("long").toUtf8();
    RecordingWindow window;
    ASSERT_EQ(engine.grabberInit(&window, 2, path.constData(), "", "0"), 0);
    ASSERT_TRUE(window.take(DVDENCODER_MSG_READY).has_value());
    engine.setNextFrameTime(25);
    EXPECT_EQ(engine.grabberUnInit(), 0);
    EXPECT_TRUE(window.take(DVDENCODER_MSG_GRABBER_CLOSED).has_value());
    const auto messages = window.all();
    EXPECT_EQ(messages.back().msg, uint32_t(DVDENCODER_MSG_GRABBER_CLOSED)) << "nothing is posted after 2512";
}
