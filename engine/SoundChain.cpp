#include "SoundChain.h"

extern "C" {
#include <libavutil/channel_layout.h>
}

namespace {
constexpr int kEncoderFrameSamples = 1024;
}

std::string soundConverterChain(const ConversionSettings &s)
{
    return "aresample=" + std::to_string(s.sampleRate) + ",aformat=sample_fmts=fltp:channel_layouts=stereo";
}

std::string soundTimingChain(const ConversionSettings &s)
{
    std::string chain = "atrim=start=0";
    if (s.lengthSeconds > 0)
        chain += ":end=" + std::to_string(s.lengthSeconds);
    chain += ",aresample=" + std::to_string(s.sampleRate) + ":async=1:first_pts=0";
    chain += ",aformat=sample_fmts=fltp:channel_layouts=stereo";
    if (s.volumeDb > 0)
        chain += ",volume=" + std::to_string(s.volumeDb) + "dB";
    return chain;
}

SoundChain::~SoundChain()
{
    av_channel_layout_uninit(&layout_);
}

bool SoundChain::sameFormat(const AVFrame *frame) const
{
    return converter_.built() && frame->format == format_ && frame->sample_rate == sampleRate_
        && av_channel_layout_compare(&frame->ch_layout, &layout_) == 0;
}

int SoundChain::startConverter(const AVFrame *frame, AVRational timeBase)
{
    av_channel_layout_uninit(&layout_);
    int ret = av_channel_layout_copy(&layout_, &frame->ch_layout);
    if (ret < 0)
        return ret;
    format_ = frame->format;
    sampleRate_ = frame->sample_rate;
    return converter_.build(frame, timeBase, true, soundConverterChain(s_));
}

int SoundChain::push(AVFrame *frame, AVRational timeBase)
{
    if (ended_)
        return AVERROR_EOF;
    int ret = 0;
    if (!sameFormat(frame)) {
        if (converter_.built()) {
            // Where the last frame of the old format ended: the new one takes over there.
            ret = converter_.close(frame->pts);
            if ((ret < 0 && ret != AVERROR_EOF) || (ret = passOn()) < 0)
                return ret;
        }
        if ((ret = startConverter(frame, timeBase)) < 0)
            return ret;
    }
    ret = converter_.push(frame);
    return ret < 0 ? ret : passOn();
}

int SoundChain::passOn()
{
    for (;;) {
        FramePtr converted = makeFrame();
        int ret = converter_.pull(converted.get());
        if (ret == AVERROR(EAGAIN) || ret == AVERROR_EOF)
            return 0;
        if (ret < 0)
            return ret;
        if (!timing_.built()) {
            if ((ret = timing_.build(converted.get(), converter_.outputTimeBase(), true, soundTimingChain(s_))) < 0)
                return ret;
            timing_.setFrameSize(kEncoderFrameSamples);
        }
        convertedEnd_ = converted->pts + converted->nb_samples;
        ret = timing_.push(converted.get());
        if (ret == AVERROR_EOF) {
            ended_ = true;
            return AVERROR_EOF;
        }
        if (ret < 0)
            return ret;
    }
}

int SoundChain::close(int64_t endPts)
{
    if (!converter_.built())
        return 0;
    int ret = ended_ ? 0 : converter_.close(endPts);
    if (ret < 0 && ret != AVERROR_EOF)
        return ret;
    if (!ended_ && (ret = passOn()) < 0 && ret != AVERROR_EOF)
        return ret;
    if (!timing_.built() || ended_)
        return 0;
    ret = timing_.close(convertedEnd_);
    return ret == AVERROR_EOF ? 0 : ret;
}

int SoundChain::pull(AVFrame *frame)
{
    return timing_.built() ? timing_.pull(frame) : AVERROR(EAGAIN);
}
