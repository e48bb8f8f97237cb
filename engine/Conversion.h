// One clip converted into a PSP file: demuxing from the keyframe before the start, decoding,
// filtering into the chosen picture and sound, encoding and muxing, until the range is complete,
// the source ends, or a stop is requested. Reading and decoding, the picture's filters, and
// encoding with muxing run at the same time on three threads, joined by small queues.
#pragma once

#include "ConversionSettings.h"
#include "Encoder.h"
#include "FilterChain.h"
#include "FrameQueue.h"
#include "InputFile.h"
#include "IoWatch.h"
#include "PspMuxer.h"
#include "RunState.h"
#include "SoundChain.h"
#include "StreamDecoder.h"
#include "SubtitleBurner.h"
#include "TimestampMender.h"
#include "DVDEncoder.h"

#include <atomic>
#include <deque>
#include <mutex>
#include <string>

class Conversion {
public:
    Conversion(const ConversionSettings &settings, RunState &state, MessageTarget *window);
    // 0 when the file is complete, also after a stop; -1 when it failed (nothing is left behind, and
    // one line on standard error says where and why).
    int run();

private:
    int convert();
    int setUp();
    // A stop that came before any picture was encoded leaves nothing behind.
    int stoppedBeforeAnyPicture();
    // Runs one stage's work; a failure aborts the queues, so no other stage waits for it.
    template <typename Work>
    int runStage(const char *stage, const std::string &file, Work &&work);
    void abortStages();
    // Notes the first failure of the run (later ones follow from it) and returns `error`.
    int fail(const char *stage, const std::string &file, int error);

    // Reading (the calling thread): demuxing, both decoders, the sound's filters.
    int readSource();
    int finishReading(bool stopped);
    int decodeVideo(const AVPacket *packet);
    int decodeAudio(const AVPacket *packet);
    int takeVideoFrame(AVFrame *frame);
    int takeAudioFrame(AVFrame *frame);
    int pullAudio();
    // Carries the picture on to follow sound read far ahead of it, so the sound need not wait in
    // memory; `last` at the end, where the sound's end carries the picture to it.
    int keepPictureUp(bool last);

    // The picture's filters, and the number of frames the range holds.
    int filterVideo();
    int buildVideoChain(const AVFrame *frame);
    int pullVideo();
    // The picture lasts until `pts`: black while no picture has come, else the last one held.
    int followSound(int64_t pts);
    // Hands a frame to the encoder: 1 when the range is complete and it was left out.
    int handOn(FramePtr frame);
    bool runningAway() const;

    // Both encoders and the muxer; the sound is held to where the picture has got.
    int encodeStreams();
    int finishEncoding();
    int encodeVideo(AVFrame *frame);
    int encodeAudio(AVFrame *frame);
    int writePackets(Encoder &encoder, int stream);
    FramePtr silence(int samples) const;
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
    FilterChain videoChain_;
    SoundChain sound_{s_};
    SubtitleBurner subtitles_;
    bool burning_ = false;
    Encoder videoEncoder_, audioEncoder_;
    PspMuxer muxer_;
    int videoOut_ = -1, audioOut_ = -1;

    // Decoded pictures to the filters, filtered pictures and sound to the encoders.
    FrameQueue decodedVideo_{4};
    FrameQueue filteredVideo_{8};
    FrameQueue filteredAudio_{SIZE_MAX};

    // Facts of the video stream, copied before reading starts: reading may update the stream.
    AVRational videoTimeBase_{1, 1};
    int64_t frameDuration_ = 1; // as the frame rate says, in the video time base
    bool interlacedSource_ = false;
    Orientation orientation_;
    // The file's length as the probe sees it, and the joins in it closed up so far.
    double probedSeconds_ = 0;
    std::atomic<int> joinsClosed_{0};

    // Reading.
    int64_t videoOffset_ = 0, audioOffset_ = 0; // the clip start, in each stream's time base
    TimestampMender mender_{nullptr};
    int64_t lastVideoPts_ = AV_NOPTS_VALUE; // of the last picture read, or how far it was carried on
    bool pictureRead_ = false;
    // Where the sound read so far ends, since the clip start, in AV_TIME_BASE units: sound without
    // usable timestamps goes on from here, and counting finely keeps it from drifting.
    int64_t nextAudioUs_ = AV_NOPTS_VALUE;
    int64_t lastAudioStamp_ = AV_NOPTS_VALUE; // as the decoder gave it
    bool videoInputDone_ = false, audioInputDone_ = false;
    FramePtr decoded_ = makeFrame();
    PacketPtr packet_ = makePacket();
    // packet_ is the keyframe the seek to the start read, the first one to decode.
    bool held_ = false;

    // Filtering.
    int64_t lastVideoDuration_ = 1, videoEndPts_ = 0;
    int64_t frameLimit_ = 0; // frames the range holds; 0 = up to the end
    int64_t framesFiltered_ = 0;
    FramePtr lastPicture_ = makeFrame(); // the last picture pushed into the chain
    int64_t lastPushedPts_ = AV_NOPTS_VALUE;
    int64_t coveredUntil_ = 0; // how far the picture must last for the sound
    std::atomic<bool> videoOutputDone_{false};
    std::atomic<bool> pictureSeen_{false};

    struct Failure {
        const char *stage = nullptr;
        const std::string *file = nullptr;
        int error = 0;
    };
    std::mutex failureMutex_;
    Failure failure_;

    // Encoding. Sound waits here until the picture has reached it, so it never outlasts the picture.
    std::deque<FramePtr> pendingAudio_;
    int64_t framesEncoded_ = 0, samplesEncoded_ = 0;
    PacketPtr encoded_ = makePacket();
};
