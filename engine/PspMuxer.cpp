#include "PspMuxer.h"

#include "FailureReason.h"

#include <cstdio>

PspMuxer::~PspMuxer()
{
    abandon();
}

int PspMuxer::open(const std::string &path, const std::string &title)
{
    path_ = path;
    partPath_ = path + ".part";
    int ret = avformat_alloc_output_context2(&ctx_, nullptr, "psp", partPath_.c_str());
    if (ret < 0)
        return ret;
    ctx_->interrupt_callback = watch_.callback();
    watch_.touch();
    if ((ret = avio_open2(&ctx_->pb, partPath_.c_str(), AVIO_FLAG_WRITE, &ctx_->interrupt_callback, nullptr)) < 0)
        return ret;
    const std::string stored = pspTitle(title);
    if (!stored.empty())
        ret = av_dict_set(&ctx_->metadata, "title", stored.c_str(), 0);
    return ret;
}

int PspMuxer::addStream(const AVCodecContext *encoder, AVRational frameRate)
{
    AVStream *st = avformat_new_stream(ctx_, nullptr);
    if (!st)
        return AVERROR(ENOMEM);
    int ret = avcodec_parameters_from_context(st->codecpar, encoder);
    if (ret < 0)
        return ret;
    st->time_base = encoder->time_base;
    if (frameRate.num > 0) {
        st->avg_frame_rate = frameRate;
        st->r_frame_rate = frameRate;
        st->sample_aspect_ratio = encoder->sample_aspect_ratio;
    }
    return st->index;
}

int PspMuxer::writeHeader()
{
    watch_.touch();
    return writeResult(avformat_write_header(ctx_, nullptr));
}

int PspMuxer::write(AVPacket *packet, int stream, AVRational encoderTimeBase)
{
    packet->stream_index = stream;
    av_packet_rescale_ts(packet, encoderTimeBase, ctx_->streams[stream]->time_base);
    watch_.touch();
    return writeResult(av_interleaved_write_frame(ctx_, packet));
}

int PspMuxer::finish()
{
    watch_.touch();
    int ret = av_write_trailer(ctx_);
    const int closed = avio_closep(&ctx_->pb);
    if (ret >= 0)
        ret = closed;
    ret = writeResult(ret);
    if (ret >= 0 && std::rename(partPath_.c_str(), path_.c_str()) != 0)
        ret = AVERROR(errno);
    if (ret < 0)
        return ret;
    avformat_free_context(ctx_);
    ctx_ = nullptr;
    return 0;
}

int PspMuxer::writeResult(int error) const
{
    return error < 0 && watch_.stalled() ? EngineError::WriteStalled : error;
}

void PspMuxer::abandon()
{
    if (!ctx_)
        return;
    if (ctx_->pb)
        avio_closep(&ctx_->pb);
    avformat_free_context(ctx_);
    ctx_ = nullptr;
    std::remove(partPath_.c_str());
}

std::string pspTitle(const std::string &title)
{
    std::string out;
    const auto *p = reinterpret_cast<const unsigned char *>(title.data());
    const auto *end = p + title.size();
    while (p < end) {
        const unsigned char c = *p;
        int length = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
        bool valid = length > 0 && end - p >= length;
        uint32_t code = length == 1 ? c : length == 2 ? c & 0x1F : length == 3 ? c & 0x0F : c & 0x07;
        for (int i = 1; valid && i < length; ++i) {
            valid = (p[i] & 0xC0) == 0x80;
            code = (code << 6) | (p[i] & 0x3F);
        }
        const bool overlong = (length == 2 && code < 0x80) || (length == 3 && code < 0x800);
        if (valid && length <= 3 && !overlong && code != 0 && !(code >= 0xD800 && code <= 0xDFFF)) {
            out.append(reinterpret_cast<const char *>(p), length);
        } else {
            out += '?';
            if (!valid)
                length = 1;
        }
        p += length;
    }
    return out;
}
