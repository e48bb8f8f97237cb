// A filter graph from one buffer source to one sink, and the picture's chain the conversion runs.
#pragma once

#include "ConversionSettings.h"
#include "FfmpegHandles.h"
#include "Orientation.h"
#include "PictureBlend.h"

#include <string>

class FilterChain {
public:
    // A video chain when `frame` is a picture, an audio chain when it holds samples; `timeBase` is
    // the one of the timestamps the frames will carry.
    int build(const AVFrame *frame, AVRational timeBase, bool audio, const std::string &chain);
    // AVERROR_EOF when the chain wants no more.
    int push(AVFrame *frame);
    // Ends the input at `endPts` (where the last frame stops), so the last frame keeps its length.
    // The frames still to come are made by pull().
    int close(int64_t endPts);
    // 0 = a frame, AVERROR(EAGAIN) = wants input, AVERROR_EOF = ended, else an error.
    int pull(AVFrame *frame);
    bool built() const { return graph_ != nullptr; }
    AVRational outputTimeBase() const;

    // Only audio sinks: hand out frames of exactly this many samples (the last may be shorter).
    void setFrameSize(int samples);

private:
    FilterGraphPtr graph_;
    AVFilterContext *source_ = nullptr;
    AVFilterContext *sink_ = nullptr;
};

// The decoded pictures a video chain takes.
struct PictureFormat {
    AVPixelFormat format;
    int width, height;
};

// What a video chain is built for: the decoded pictures and how they are to be shown.
struct PictureSource {
    PictureFormat format;
    bool deinterlace = false;
    Orientation orientation;
    double startSeconds = 0; // since the clip start: what lies before was made otherwise
};

// What the picture goes through: deinterlacing when needed, scaling to the frame size, turning
// upright, the constant frame rate from the start on, centring on black at the resolution,
// square pixels.
std::string videoChain(const ConversionSettings &s, const PictureSource &source);
// Where the picture scaled to the frame size lies in the picture written at the resolution.
PictureArea pictureArea(const ConversionSettings &s);
