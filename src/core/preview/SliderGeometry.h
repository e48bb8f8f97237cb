#pragma once

// The range slider under the preview pane: a start and an end marker on a track, and the bar
// between them. Positions are left edges in the slider's pixels, times whole seconds. W is the
// start marker's width; the markers travel T = MarkerLimit - W pixels.
namespace SliderGeometry {

// The largest left edge of the end marker. Fixed: not derived from the track's width.
inline constexpr int MarkerLimit = 144;

int Travel(int markerWidth);

// lo when hi < lo, else v kept within lo..hi.
int Clamp(int v, int lo, int hi);

// Where the markers stand, as fractions of the clip (single precision, as the slider reads them).
float StartFraction(int startLeft, int markerWidth);
float EndFraction(int endLeft, int markerWidth);

// trunc(duration x fraction): the second a fraction of the clip stands for.
int TimeOfFraction(int duration, float fraction);

struct MarkerPlaces {
    int startLeft = 0;
    int endLeft = 0;
    bool enabled = false;   // false: the reset state, both markers disabled and no bar
};
// Places both markers from two fractions. Neither fraction >= 0 (a missing clip's -1, or the
// 0 / 0 of a clip without length) gives the reset state.
MarkerPlaces PlaceMarkers(double startFraction, double endFraction, int markerWidth, int endMarkerWidth);

struct BarPlace {
    int left = 0;
    int width = 0;
};
BarPlace RangeBar(int startLeft, int endLeft, int markerWidth);

// New left edges while dragging, dx pixels of cursor movement since the mouse-down. The start
// marker stops where it touches the end marker and the other way round; the bar keeps its width.
int DragStart(int downLeft, int dx, int endLeft, int markerWidth);
int DragEnd(int downLeft, int dx, int startLeft, int markerWidth, int trackWidth, int endMarkerWidth);
int DragBar(int downLeft, int dx, int markerWidth, int trackWidth, int endMarkerWidth, int barWidth);

// The second to ask the frame grabber for, for a marker at `second` of a clip: 10 s earlier in
// the clip's last 10 s, and never before 1.
int RequestedSecond(int second, int duration);

} // namespace SliderGeometry
