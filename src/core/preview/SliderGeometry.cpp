#include "SliderGeometry.h"

#include <climits>
#include <cmath>

namespace SliderGeometry {

namespace {
// trunc() into an int; what cannot be one (not a number, infinite, too large) is
// taken as the smallest one, which every clamp turns into its lower end.
int Truncated(double value)
{
    if (!(value >= double(INT_MIN) && value <= double(INT_MAX)))
        return INT_MIN;
    return int(std::trunc(value));
}
}

int Travel(int markerWidth)
{
    return MarkerLimit - markerWidth;
}

int Clamp(int v, int lo, int hi)
{
    if (hi < lo || v < lo)
        return lo;
    return v > hi ? hi : v;
}

float StartFraction(int startLeft, int markerWidth)
{
    return float(startLeft) / float(Travel(markerWidth));
}

float EndFraction(int endLeft, int markerWidth)
{
    return float(endLeft - markerWidth) / float(Travel(markerWidth));
}

int TimeOfFraction(int duration, float fraction)
{
    // A float times an int needs at most 48 bits: exact in a double.
    return Truncated(double(duration) * double(fraction));
}

MarkerPlaces PlaceMarkers(double startFraction, double endFraction, int markerWidth, int endMarkerWidth)
{
    const int travel = Travel(markerWidth);
    if (!(startFraction >= 0) && !(endFraction >= 0))
        return {0, endMarkerWidth + travel, false};
    return {Clamp(Truncated(travel * startFraction + 0.5), 0, travel),
            Clamp(Truncated(travel * endFraction + markerWidth + 0.5), markerWidth, travel + markerWidth), true};
}

BarPlace RangeBar(int startLeft, int endLeft, int markerWidth)
{
    const int left = startLeft + markerWidth;
    return {left, endLeft - left};
}

int DragStart(int downLeft, int dx, int endLeft, int markerWidth)
{
    return Clamp(downLeft + dx, 0, endLeft - markerWidth);
}

int DragEnd(int downLeft, int dx, int startLeft, int markerWidth, int trackWidth, int endMarkerWidth)
{
    return Clamp(downLeft + dx, startLeft + markerWidth, trackWidth - endMarkerWidth);
}

int DragBar(int downLeft, int dx, int markerWidth, int trackWidth, int endMarkerWidth, int barWidth)
{
    return Clamp(downLeft + dx, markerWidth, trackWidth - endMarkerWidth - barWidth);
}

int RequestedSecond(int second, int duration)
{
    if (second > duration - 10)
        second -= 10;
    return second < 1 ? 1 : second;
}

} // namespace SliderGeometry
