// How a stored picture must be turned to be seen as it was filmed: phone video is stored landscape
// with a display matrix that rotates it by 90, 180 or 270 degrees, sometimes mirrored.
#pragma once

#include "FfmpegHandles.h"

#include <string>

// The turn as a transposition (rows become columns) followed by the two flips; any quarter turn,
// mirrored or not, is one of these eight.
struct Orientation {
    bool transpose = false;
    bool hflip = false;
    bool vflip = false;

    bool upright() const { return !transpose && !hflip && !vflip; }
};

// From a display matrix (FFmpeg's 3x3 layout); a turn that is not a quarter turn counts as the
// nearest one.
Orientation orientationOf(const int32_t matrix[9]);
// From the stream's display matrix; upright when it has none.
Orientation orientationOf(const AVStream *stream);

// The filters that turn a stored picture upright, "" when it is; the ffmpeg tool's own choice.
std::string orientationFilters(const Orientation &o);

// Turns the frame upright in place; the sides and the pixel aspect swap when it is transposed.
int orientFrame(AVFrame *frame, const Orientation &o);
