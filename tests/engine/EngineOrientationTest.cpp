// The display matrix read as a turn, for every quarter turn with and without mirroring (the ffmpeg
// tool can write only the plain turns, so the mirrored ones have no media test).
#include "Orientation.h"

extern "C" {
#include <libavutil/display.h>
}

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {
constexpr int kWidth = 3, kHeight = 2;

// A stored picture whose every pixel differs.
FramePtr storedPicture()
{
    FramePtr frame = makeFrame();
    frame->format = AV_PIX_FMT_GRAY8;
    frame->width = kWidth;
    frame->height = kHeight;
    frame->sample_aspect_ratio = AVRational{1, 1};
    EXPECT_GE(av_frame_get_buffer(frame.get(), 0), 0);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            frame->data[0][y * frame->linesize[0] + x] = uint8_t(10 * (y * kWidth + x) + 10);
    return frame;
}

// Where the matrix itself puts each stored pixel: (x, y) to (a x + c y, b x + d y), y pointing down,
// moved so the picture starts at the origin.
std::vector<uint8_t> shownByMatrix(const int32_t m[9], int &width, int &height)
{
    const auto unit = [](int32_t v) { return v > 0x8000 ? 1 : v < -0x8000 ? -1 : 0; };
    const int a = unit(m[0]), b = unit(m[1]), c = unit(m[3]), d = unit(m[4]);
    const int corners[4][2] = {{0, 0}, {kWidth - 1, 0}, {0, kHeight - 1}, {kWidth - 1, kHeight - 1}};
    int minX = 1 << 20, minY = 1 << 20, maxX = -(1 << 20), maxY = -(1 << 20);
    for (const auto &p : corners) {
        minX = std::min(minX, a * p[0] + c * p[1]);
        maxX = std::max(maxX, a * p[0] + c * p[1]);
        minY = std::min(minY, b * p[0] + d * p[1]);
        maxY = std::max(maxY, b * p[0] + d * p[1]);
    }
    width = maxX - minX + 1;
    height = maxY - minY + 1;
    std::vector<uint8_t> shown(size_t(width) * height);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            shown[size_t(b * x + d * y - minY) * width + (a * x + c * y - minX)] = uint8_t(10 * (y * kWidth + x) + 10);
    return shown;
}
}

TEST(EngineOrientation, EveryQuarterTurnMirroredOrNotComesOutAsTheMatrixShowsIt)
{
    for (double degrees : {0.0, 90.0, 180.0, 270.0, -90.0})
        for (int hflip = 0; hflip < 2; ++hflip)
            for (int vflip = 0; vflip < 2; ++vflip) {
                SCOPED_TRACE(testing::Message() << degrees << " degrees, hflip " << hflip << ", vflip " << vflip);
                int32_t matrix[9];
                av_display_rotation_set(matrix, degrees);
                av_display_matrix_flip(matrix, hflip, vflip);
                int width = 0, height = 0;
                const std::vector<uint8_t> expected = shownByMatrix(matrix, width, height);

                FramePtr frame = storedPicture();
                ASSERT_EQ(orientFrame(frame.get(), orientationOf(matrix)), 0);
                ASSERT_EQ(frame->width, width);
                ASSERT_EQ(frame->height, height);
                std::vector<uint8_t> turned;
                for (int y = 0; y < height; ++y)
                    turned.insert(turned.end(), frame->data[0] + y * frame->linesize[0],
                                  frame->data[0] + y * frame->linesize[0] + width);
                EXPECT_EQ(turned, expected);
            }
}

TEST(EngineOrientation, ATurnBetweenQuarterTurnsCountsAsTheNearest)
{
    int32_t matrix[9];
    av_display_rotation_set(matrix, -80);
    EXPECT_TRUE(orientationOf(matrix).transpose);
    av_display_rotation_set(matrix, 20);
    EXPECT_TRUE(orientationOf(matrix).upright());
}
