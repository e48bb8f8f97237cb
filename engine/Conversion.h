// One clip converted into a PSP file: demuxing from the keyframe before the start, decoding,
// filtering into the chosen picture and sound, encoding and muxing, until the range is complete,
// the source ends, or a stop is requested.
#pragma once

#include "ConversionSettings.h"
#include "Encoder.h"
#include "FilterChain.h"
#include "InputFile.h"
#include "IoWatch.h"
#include "PspMuxer.h"
#include "RunState.h"
#include "StreamDecoder.h"
#include "DVDEncoder.h"

#include <deque>

class Conversion {
public:
    Conversion(const ConversionSettings &settings, RunState &state, MessageTarget *window);
    // 0 when the file is complete, also after a stop; -1 when it failed (nothing is left behind).
    int run();

private:
    int setUp();
    int readSource();
    int finishStreams(bool stopped);

    int decodeVideo(const AVPacket *packet);
    int decodeAudio(const AVPacket *packet);
    int takeVideoFrame(AVFrame *frame);
    int takeAudioFrame(AVFrame *frame);
    int pullVideo();
    int pullAudio();
    int encodeVideo(AVFrame *frame);
    int encodeAudio(AVFrame *frame);
    int writePackets(Encoder &encoder, int stream);
    int fillSilence(int64_t untilSample, bool last);
    int releaseAudio(bool last);
    int64_t videoEndSample() const;

    const ConversionSettings &s_;
    RunState &state_;
    MessageTarget *window_;
    IoWatch inputWatch_;
    IoWatch outputWatch_;

    InputFile input_;
    int audioIndex_ = -1;
    StreamDecoder videoDecoder_, audioDecoder_;
    FilterChain videoChain_, audioChain_;
    Encoder videoEncoder_, audioEncoder_;
    PspMuxer muxer_;
    int videoOut_ = -1, audioOut_ = -1;

    int64_t videoOffset_ = 0, audioOffset_ = 0; // the clip start, in each stream's time base
    int64_t lastVideoPts_ = AV_NOPTS_VALUE, lastVideoDuration_ = 1, nextAudioPts_ = AV_NOPTS_VALUE;
    int64_t frameLimit_ = 0; // frames the range holds; 0 = up to the end
    int64_t framesEncoded_ = 0, samplesEncoded_ = 0;
    bool videoInputDone_ = false, videoOutputDone_ = false, audioInputDone_ = false;

    // Sound waits here until the picture has reached it, so it never outlasts the picture.
    std::deque<FramePtr> pendingAudio_;
    FramePtr decoded_ = makeFrame();
    FramePtr filtered_ = makeFrame();
    PacketPtr packet_ = makePacket();
    // packet_ is the keyframe the seek to the start read, the first one to decode.
    bool held_ = false;
    PacketPtr encoded_ = makePacket();
};
