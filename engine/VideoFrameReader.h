// Reads the video stream of an input frame by frame, and finds the frame on screen at a second.
#pragma once

#include "InputFile.h"
#include "StreamDecoder.h"

class VideoFrameReader {
public:
    explicit VideoFrameReader(InputFile &input);

    int open(int threads);
    // 0 = a frame, AVERROR_EOF at the end, else an error.
    int next(AVFrame *frame);
    // The frame at `seconds` since the origin as the ffmpeg tool picks it: the first one starting
    // at or after it; past the end, the last frame.
    int frameAt(double seconds, AVFrame *frame);
    // After a jump in the file: forget what the decoder holds.
    void restart();
    double secondsOf(const AVFrame *frame) const;

private:
    // Jumps to a keyframe at or before `seconds`; what the decoder held is forgotten.
    int seekTo(double seconds);
    bool decodesOnTo(double seconds) const;
    int pick(double from, AVFrame *frame);

    InputFile &input_;
    StreamDecoder decoder_;
    PacketPtr packet_ = makePacket();
    // packet_ was read while seeking and is the next one to decode.
    bool held_ = false;
    bool draining_ = false;
    FramePtr last_ = makeFrame();
    // Pictures before this second that nothing refers to are not decoded: they cannot be the answer.
    double skipBefore_ = -1;
    // Where the decoder stands: the second of the frame handed out last, or negative after a jump.
    double position_ = -1;
};
