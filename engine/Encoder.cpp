#include "Encoder.h"

extern "C" {
#include <libavutil/channel_layout.h>
}

int Encoder::open(const char *name, const OptionList &options)
{
    const AVCodec *codec = avcodec_find_encoder_by_name(name);
    if (!codec || !ctx_)
        return AVERROR_ENCODER_NOT_FOUND;
    return openCodec(ctx_.get(), codec, options);
}

int Encoder::openVideo(const ConversionSettings &s)
{
    const char *name = videoEncoderName(s);
    ctx_.reset(avcodec_alloc_context3(avcodec_find_encoder_by_name(name)));
    if (!ctx_)
        return AVERROR_ENCODER_NOT_FOUND;
    ctx_->width = s.width;
    ctx_->height = s.height;
    ctx_->pix_fmt = AV_PIX_FMT_YUV420P;
    ctx_->sample_aspect_ratio = AVRational{1, 1};
    ctx_->framerate = s.frameRate;
    ctx_->time_base = av_inv_q(s.frameRate);
    ctx_->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    const OptionList options = videoEncoderOptions(s);
    return open(name, options);
}

int Encoder::openAudio(const ConversionSettings &s)
{
    ctx_.reset(avcodec_alloc_context3(avcodec_find_encoder_by_name("aac")));
    if (!ctx_)
        return AVERROR_ENCODER_NOT_FOUND;
    ctx_->sample_rate = s.sampleRate;
    ctx_->sample_fmt = AV_SAMPLE_FMT_FLTP;
    ctx_->time_base = AVRational{1, s.sampleRate};
    const AVChannelLayout stereo = AV_CHANNEL_LAYOUT_STEREO;
    int ret = av_channel_layout_copy(&ctx_->ch_layout, &stereo);
    if (ret < 0)
        return ret;
    ctx_->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    const OptionList options = audioEncoderOptions(s);
    return open("aac", options);
}

int Encoder::send(const AVFrame *frame)
{
    return avcodec_send_frame(ctx_.get(), frame);
}

int Encoder::receive(AVPacket *packet)
{
    return avcodec_receive_packet(ctx_.get(), packet);
}
