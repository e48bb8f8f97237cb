#include "StreamDecoder.h"

int StreamDecoder::open(const AVStream *stream, int threads, const OptionList &options)
{
    const AVCodec *codec = avcodec_find_decoder(stream->codecpar->codec_id);
    if (!codec)
        return AVERROR_DECODER_NOT_FOUND;
    ctx_.reset(avcodec_alloc_context3(codec));
    if (!ctx_)
        return AVERROR(ENOMEM);
    int ret = avcodec_parameters_to_context(ctx_.get(), stream->codecpar);
    if (ret < 0)
        return ret;
    ctx_->pkt_timebase = stream->time_base;
    ctx_->thread_count = threads;
    if ((ret = openCodec(ctx_.get(), codec, options)) < 0)
        ctx_.reset();
    return ret;
}

int StreamDecoder::send(const AVPacket *packet)
{
    int ret = avcodec_send_packet(ctx_.get(), packet);
    if (ret == AVERROR_INVALIDDATA || ret == AVERROR_EOF)
        return 0;
    return ret;
}

int StreamDecoder::receive(AVFrame *frame)
{
    return avcodec_receive_frame(ctx_.get(), frame);
}

void StreamDecoder::flush()
{
    if (ctx_)
        avcodec_flush_buffers(ctx_.get());
}
