// Closes up the timestamp jumps of formats that have them (MPEG-TS, MPEG-PS): two recordings joined
// with cat start their timestamps again, and a recording that began late in the 33-bit clock makes
// the next one's read as a day later. A packet whose time jumps back, or forward by more than ten
// seconds, from where its stream was heading shifts the time line from there on so that it lands
// where it was heading. Each stream takes the shift at its own jump (a parser may still hand out
// the last picture before the join after the first sound after it), and the first stream to jump
// sets it for the others, so picture and sound stay together.
#pragma once

#include "FfmpegHandles.h"

#include <vector>

class TimestampMender {
public:
    // Nothing to mend when the format's timestamps run on by definition.
    explicit TimestampMender(const AVFormatContext *input);

    // Shifts the packet's timestamps; `frameDuration` (the stream's time base) stands in for a
    // packet that does not say how long it lasts.
    void mend(AVPacket *packet, int64_t frameDuration);
    // Shifts a packet of a stream with long pauses (subtitles) as far as the others were shifted:
    // its own pauses say nothing of jumps.
    void follow(AVPacket *packet) const;
    // How many jumps were closed so far.
    int jumpsClosed() const { return jumps_; }

private:
    // AV_TIME_BASE units.
    struct Stream {
        int64_t shift = 0;
        int64_t next = AV_NOPTS_VALUE; // after the shift
        int64_t last = AV_NOPTS_VALUE;
    };

    const AVFormatContext *input_;
    bool active_;
    std::vector<Stream> streams_;
    int64_t latestShift_ = 0;
    int jumps_ = 0;
};
