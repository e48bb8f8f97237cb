// Owning handles for the FFmpeg objects the engine creates, so every exit path frees them.
#pragma once

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavfilter/avfilter.h>
#include <libavformat/avformat.h>
#include <libswscale/swscale.h>
}

#include <memory>
#include <new>

struct FormatInputCloser {
    void operator()(AVFormatContext *c) const { avformat_close_input(&c); }
};
struct IoContextCloser {
    void operator()(AVIOContext *c) const { avio_closep(&c); }
};
struct CodecContextFreer {
    void operator()(AVCodecContext *c) const { avcodec_free_context(&c); }
};
struct FrameFreer {
    void operator()(AVFrame *f) const { av_frame_free(&f); }
};
struct PacketFreer {
    void operator()(AVPacket *p) const { av_packet_free(&p); }
};
struct FilterGraphFreer {
    void operator()(AVFilterGraph *g) const { avfilter_graph_free(&g); }
};
struct SwsFreer {
    void operator()(SwsContext *s) const { sws_freeContext(s); }
};

using FormatInputPtr = std::unique_ptr<AVFormatContext, FormatInputCloser>;
using IoContextPtr = std::unique_ptr<AVIOContext, IoContextCloser>;
using CodecContextPtr = std::unique_ptr<AVCodecContext, CodecContextFreer>;
using FramePtr = std::unique_ptr<AVFrame, FrameFreer>;
using PacketPtr = std::unique_ptr<AVPacket, PacketFreer>;
using FilterGraphPtr = std::unique_ptr<AVFilterGraph, FilterGraphFreer>;
using SwsPtr = std::unique_ptr<SwsContext, SwsFreer>;

inline FramePtr makeFrame()
{
    AVFrame *f = av_frame_alloc();
    if (!f)
        throw std::bad_alloc();
    return FramePtr(f);
}

inline PacketPtr makePacket()
{
    AVPacket *p = av_packet_alloc();
    if (!p)
        throw std::bad_alloc();
    return PacketPtr(p);
}
