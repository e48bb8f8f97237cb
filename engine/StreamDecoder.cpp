#include "StreamDecoder.h"

const AVCodec *StreamDecoder::prepare(const AVStream *stream, int threads, int &error)
{
    const AVCodec *codec = avcodec_find_decoder(stream->codecpar->codec_id);
    error = AVERROR_DECODER_NOT_FOUND;
    if (!codec)
        return nullptr;
    ctx_.reset(avcodec_alloc_context3(codec));
    error = AVERROR(ENOMEM);
    if (!ctx_)
        return nullptr;
    if ((error = avcodec_parameters_to_context(ctx_.get(), stream->codecpar)) < 0)
        return nullptr;
    ctx_->pkt_timebase = stream->time_base;
    ctx_->thread_count = threads;
    return codec;
}

int StreamDecoder::open(const AVStream *stream, int threads, AVDictionary **options)
{
    int ret = 0;
    const AVCodec *codec = prepare(stream, threads, ret);
    if (codec && (ret = avcodec_open2(ctx_.get(), codec, options)) < 0)
        ctx_.reset();
    return ret;
}

int StreamDecoder::open(const AVStream *stream, int threads, const OptionList &options)
{
    int ret = 0;
    const AVCodec *codec = prepare(stream, threads, ret);
    if (codec && (ret = openCodec(ctx_.get(), codec, options)) < 0)
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
