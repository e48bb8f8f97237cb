#include "core/preview/SliderGeometry.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace S = SliderGeometry;

namespace {
constexpr int W = 10;       // the window's marker pictures
constexpr int Track = 154;
}

TEST(CoreSliderGeometry, MarkersTravel134PixelsAndTheirFractionsGiveWholeSeconds)
{
    EXPECT_EQ(S::Travel(W), 134);
    const struct {
        int startLeft, endLeft, duration;
        float fs, fe;
        int start, end;
    } cases[] = {
        {0, 144, 100, 0.0f, 1.0f, 0, 100},
        {67, 144, 100, 0.5f, 1.0f, 50, 100},     // 67 pixels of a 100-second clip
        {0, 77, 100, 0.0f, 0.5f, 0, 50},
        {57, 144, 7, 57.0f / 134, 1.0f, 2, 7},   // truncated toward zero, not rounded
        {134, 144, 86400, 1.0f, 1.0f, 86400, 86400},
        {1, 11, 0, 1.0f / 134, 1.0f / 134, 0, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.startLeft << ".." << c.endLeft << " of " << c.duration << " s");
        EXPECT_EQ(S::StartFraction(c.startLeft, W), c.fs);
        EXPECT_EQ(S::EndFraction(c.endLeft, W), c.fe);
        EXPECT_EQ(S::TimeOfFraction(c.duration, S::StartFraction(c.startLeft, W)), c.start);
        EXPECT_EQ(S::TimeOfFraction(c.duration, S::EndFraction(c.endLeft, W)), c.end);
    }
}

TEST(CoreSliderGeometry, PlaceMarkersFromFractionsOrResets)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        const char *what;
        double fs, fe;
        int startLeft, endLeft;
        bool enabled;
    } cases[] = {
        {"whole clip", 0, 1, 0, 144, true},
        {"no clip", -1, -1, 0, 144, false},
        {"clip of 0 s: 0 / 0", nan, nan, 0, 144, false},
        {"start 2 of a 7 s clip", 2.0 / 7, 1, 38, 144, true},
        {"halves round up", 0.5, 0.5, 67, 77, true},
        {"beyond the ends", -0.5, 1.5, 0, 144, true},
        {"only one fraction usable", nan, 0.25, 0, 44, true},
        {"not a number and infinite", nan, inf, 0, 10, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const S::MarkerPlaces places = S::PlaceMarkers(c.fs, c.fe, W, W);
        EXPECT_EQ(places.startLeft, c.startLeft);
        EXPECT_EQ(places.endLeft, c.endLeft);
        EXPECT_EQ(places.enabled, c.enabled);
    }
    const S::BarPlace bar = S::RangeBar(0, 144, W);
    EXPECT_EQ(bar.left, 10);
    EXPECT_EQ(bar.width, 134);
}

TEST(CoreSliderGeometry, DraggedMarkersStopAtTheTrackAndAtEachOther)
{
    const struct {
        const char *what;
        int got, expected;
    } cases[] = {
        {"start moves", S::DragStart(20, 15, 100, W), 35},
        {"start stops at 0", S::DragStart(20, -50, 100, W), 0},
        {"start touches the end marker", S::DragStart(20, 200, 100, W), 90},
        {"end moves", S::DragEnd(100, -20, 30, W, Track, W), 80},
        {"end touches the start marker", S::DragEnd(100, -200, 30, W, Track, W), 40},
        {"end stops at 144", S::DragEnd(100, 90, 30, W, Track, W), 144},
        {"bar moves", S::DragBar(40, 25, W, Track, W, 50), 65},
        {"bar stops left", S::DragBar(40, -100, W, Track, W, 50), 10},
        {"bar stops right", S::DragBar(40, 100, W, Track, W, 50), 94},
        {"markers touching: the start cannot move right", S::DragStart(60, 5, 70, W), 60},
        {"clamp with hi below lo gives lo", S::Clamp(5, 10, 3), 10},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.got, c.expected) << c.what;
}

TEST(CoreSliderGeometry, RequestedSecondStepsBackNearTheEndAndIsAtLeastOne)
{
    const struct {
        int second, duration, requested;
    } cases[] = {
        {50, 100, 50}, {100, 100, 90}, {91, 100, 81}, {90, 100, 90}, {0, 100, 1},
        {5, 8, 1}, {0, 0, 1}, {1, 100, 1}, {86400, 86400, 86390},
    };
    for (const auto &c : cases)
        EXPECT_EQ(S::RequestedSecond(c.second, c.duration), c.requested) << c.second << " of " << c.duration;
}
