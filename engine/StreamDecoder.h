// One stream's decoder: packets in, frames out, with end of stream told apart from errors.
#pragma once

#include "CodecOptions.h"
#include "FfmpegHandles.h"

class StreamDecoder {
public:
    // threads 0 = as many as the machine has; `options` (FFmpeg's names) must all be taken by the
    // decoder: a name it ignores is an error.
    int open(const AVStream *stream, int threads, const OptionList &options = {});
    // nullptr starts draining. A damaged packet is skipped, not an error.
    int send(const AVPacket *packet);
    // 0 = a frame, AVERROR(EAGAIN) = wants input, AVERROR_EOF = drained, else an error.
    int receive(AVFrame *frame);
    void flush();
    bool isOpen() const { return ctx_ != nullptr; }
    AVCodecContext *context() const { return ctx_.get(); }

private:
    CodecContextPtr ctx_;
};
