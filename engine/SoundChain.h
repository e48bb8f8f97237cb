// The sound on its way to the encoder: decoded frames of any format in, frames of the output's
// format out (float stereo at the output rate, in encoder-sized pieces), on a time line held to
// the source's timestamps: sound that starts late is led in with silence, gaps are filled, the
// range is trimmed, the gain applied.
//
// It is two chains. The converter takes one format; a frame in another (a broadcast turning from
// stereo to 5.1, a DVD's next cell) ends it, its last samples still going out, and starts one for
// the new format. The time line is the second chain's, built once, so it runs on through a change.
#pragma once

#include "ConversionSettings.h"
#include "FilterChain.h"

class SoundChain {
public:
    explicit SoundChain(const ConversionSettings &s) : s_(s) {}
    ~SoundChain();
    SoundChain(const SoundChain &) = delete;
    SoundChain &operator=(const SoundChain &) = delete;

    // `frame`'s pts is in `timeBase`, the same for every frame. AVERROR_EOF when the range is complete.
    int push(AVFrame *frame, AVRational timeBase);
    // Ends the input at `endPts` (where the last frame stops).
    int close(int64_t endPts);
    // 0 = a frame, AVERROR(EAGAIN) = wants input, AVERROR_EOF = ended, else an error.
    int pull(AVFrame *frame);
    bool started() const { return timing_.built(); }

private:
    bool sameFormat(const AVFrame *frame) const;
    int startConverter(const AVFrame *frame, AVRational timeBase);
    // Hands what the converter has made to the time line.
    int passOn();

    const ConversionSettings &s_;
    FilterChain converter_, timing_;
    // The format the converter takes.
    int format_ = -1;
    int sampleRate_ = 0;
    AVChannelLayout layout_{};
    // Where the converter's output has got, in the time line's time base.
    int64_t convertedEnd_ = 0;
    bool ended_ = false;
};

// The converter's filters: resampling to the output rate, down-mixing to stereo.
std::string soundConverterChain(const ConversionSettings &s);
// The time line's: trimming to the range, gaps filled from the clip start, the gain.
std::string soundTimingChain(const ConversionSettings &s);
