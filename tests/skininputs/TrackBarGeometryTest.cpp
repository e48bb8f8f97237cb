#include "TrackBarGeometry.h"

#include <gtest/gtest.h>

namespace {
// The main window's volume slider: 106 pixels, an 11-pixel thumb, range 0..10.
constexpr int kLength = 106;
constexpr int kThumb = 11;

TEST(SkinInputsTrackBarGeometry, RoundHalfEven)
{
    const struct {
        long long n, d, expected;
    } cases[] = {
        {5, 2, 2},   {7, 2, 4},   {1, 2, 0},   {3, 2, 2},   {-1, 2, 0},  {-3, 2, -2},
        {-5, 2, -2}, {7, 3, 2},   {8, 3, 3},   {-7, 3, -2}, {-8, 3, -3}, {6, -4, -2},
        {0, 7, 0},   {470, 95, 5}, {475, 95, 5}, {-475, 95, -5},
    };
    for (const auto &c : cases)
        EXPECT_EQ(roundHalfEven(c.n, c.d), c.expected) << c.n << "/" << c.d;
}

TEST(SkinInputsTrackBarGeometry, ThumbPlace)
{
    EXPECT_EQ(trackThumbOffset(0, 0, 10, kLength, kThumb), 0);
    EXPECT_EQ(trackThumbOffset(5, 0, 10, kLength, kThumb), 47);  // 47.5 truncated
    EXPECT_EQ(trackThumbOffset(10, 0, 10, kLength, kThumb), 95);
    EXPECT_EQ(trackThumbOffset(-3, -5, 5, kLength, kThumb), 19);
    EXPECT_EQ(trackThumbOffset(4, 4, 4, kLength, kThumb), 0);  // empty range
    EXPECT_EQ(trackThumbCross(20, 20), 0);
    EXPECT_EQ(trackThumbCross(25, 20), 2);
    EXPECT_EQ(trackThumbCross(10, 20), 0);
}

TEST(SkinInputsTrackBarGeometry, PositionOfAPoint)
{
    const struct {
        int p, min, max, length, thumb, expected;
    } cases[] = {
        {5, 0, 10, kLength, kThumb, 0},     {100, 0, 10, kLength, kThumb, 10},
        {52, 0, 10, kLength, kThumb, 5},    {0, 0, 10, kLength, kThumb, 0},  // left of the room: clamped
        {500, 0, 10, kLength, kThumb, 10},  {-50, 0, 10, kLength, kThumb, 0},
        // room 10, range 0..5: (p - 2) / 2 hits every half; halves go to the even neighbour
        {3, 0, 5, 15, 5, 0}, {5, 0, 5, 15, 5, 2}, {7, 0, 5, 15, 5, 2}, {9, 0, 5, 15, 5, 4},
        {8, 0, 5, 15, 5, 3},
        {52, -5, 5, kLength, kThumb, 0},    // min added after rounding
        {60, 0, 10, 11, 11, 0},             // thumb as long as the control: quotient 0
        {60, 3, 10, 11, 11, 3},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "p=" << c.p << " range " << c.min << ".." << c.max << " length "
                                        << c.length << " thumb " << c.thumb);
        EXPECT_EQ(trackPositionAt(c.p, c.min, c.max, c.length, c.thumb), c.expected);
    }
}

TEST(SkinInputsTrackBarGeometry, StepTowardThePointerNeverPassesIt)
{
    // position, step, pointer, thumb edge, pointer's position -> result
    EXPECT_EQ(trackStepToward(0, 2, 100, 0, 10), 2);
    EXPECT_EQ(trackStepToward(2, 6, 100, 19, 10), 8);
    EXPECT_EQ(trackStepToward(8, 6, 100, 76, 10), 10);
    EXPECT_EQ(trackStepToward(10, 2, 2, 95, 0), 8);
    EXPECT_EQ(trackStepToward(3, 6, 2, 28, 0), 0);
    EXPECT_EQ(trackStepToward(4, 6, 60, 38, 6), 6);
    EXPECT_EQ(trackStepToward(4, 6, 38, 38, 4), 4);  // on the edge: no move
}
}
