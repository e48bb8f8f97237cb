// An encoder opened with the option list of EncoderOptions: frames in, packets out.
#pragma once

#include "ConversionSettings.h"
#include "EncoderOptions.h"
#include "FfmpegHandles.h"

class Encoder {
public:
    int openVideo(const ConversionSettings &s);
    int openAudio(const ConversionSettings &s);
    // nullptr starts draining.
    int send(const AVFrame *frame);
    // 0 = a packet, AVERROR(EAGAIN) = wants input, AVERROR_EOF = drained, else an error.
    int receive(AVPacket *packet);
    AVCodecContext *context() const { return ctx_.get(); }

private:
    int open(const char *name, const OptionList &options);
    CodecContextPtr ctx_;
};
