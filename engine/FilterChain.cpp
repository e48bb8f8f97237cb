#include "FilterChain.h"

extern "C" {
#include <libavfilter/buffersink.h>
#include <libavfilter/buffersrc.h>
#include <libavutil/channel_layout.h>
#include <libavutil/pixdesc.h>
}

#include <cstdio>

namespace {
std::string videoSourceArgs(const AVFrame *f, AVRational tb)
{
    const AVRational sar = f->sample_aspect_ratio.num > 0 ? f->sample_aspect_ratio : AVRational{1, 1};
    char args[256];
    std::snprintf(args, sizeof args, "video_size=%dx%d:pix_fmt=%d:time_base=%d/%d:pixel_aspect=%d/%d", f->width,
                  f->height, f->format, tb.num, tb.den, sar.num, sar.den);
    return args;
}

std::string audioSourceArgs(const AVFrame *f, AVRational tb)
{
    // Channels without a known order get the usual layout for their count, so they can be down-mixed.
    AVChannelLayout layout{};
    if (f->ch_layout.order == AV_CHANNEL_ORDER_UNSPEC || av_channel_layout_check(&f->ch_layout) == 0
        || av_channel_layout_copy(&layout, &f->ch_layout) < 0)
        av_channel_layout_default(&layout, f->ch_layout.nb_channels > 0 ? f->ch_layout.nb_channels : 2);
    char name[128] = "";
    if (av_channel_layout_describe(&layout, name, sizeof name) < 0)
        name[0] = '\0';
    av_channel_layout_uninit(&layout);
    const char *fmt = av_get_sample_fmt_name(static_cast<AVSampleFormat>(f->format));
    char args[320];
    std::snprintf(args, sizeof args, "time_base=%d/%d:sample_rate=%d:sample_fmt=%s:channel_layout=%s", tb.num,
                  tb.den, f->sample_rate, fmt ? fmt : "none", name);
    return args;
}

std::string rateText(AVRational r)
{
    return std::to_string(r.num) + "/" + std::to_string(r.den);
}
}

std::string videoChain(const ConversionSettings &s, const PictureSource &source)
{
    std::string chain = source.deinterlace ? "yadif=mode=send_frame:parity=auto:deint=interlaced," : "";
    // Scaling before the rate filter scales each source picture once, not every copy of it, and
    // before turning upright turns the small picture. Lanczos keeps more of the source than the
    // encoder's time would buy. zimg does it in a third of swscale's time; swscale's centred chroma
    // is kept, and it takes the pictures zimg cannot (other formats, odd sizes), converting as it
    // scales.
    const bool sidesSwap = source.orientation.transpose;
    const std::string w = std::to_string(sidesSwap ? s.frameHeight : s.frameWidth);
    const std::string h = std::to_string(sidesSwap ? s.frameWidth : s.frameHeight);
    const PictureFormat &f = source.format;
    const bool zimg = f.format == AV_PIX_FMT_YUV420P && f.width % 2 == 0 && f.height % 2 == 0
        && avfilter_get_by_name("zscale") != nullptr;
    if (zimg)
        chain += "zscale=w=" + w + ":h=" + h + ":filter=lanczos:chromalin=center:chromal=center";
    else
        chain += "scale=" + w + ":" + h + ":flags=lanczos,format=yuv420p";
    if (const std::string turn = orientationFilters(source.orientation); !turn.empty())
        chain += "," + turn;
    chain += ",fps=fps=" + rateText(s.frameRate) + ":start_time=" + std::to_string(source.startSeconds);
    if (s.frameWidth != s.width || s.frameHeight != s.height) {
        const PictureArea area = pictureArea(s);
        chain += ",pad=" + std::to_string(s.width) + ":" + std::to_string(s.height) + ":" + std::to_string(area.left)
            + ":" + std::to_string(area.top) + ":black";
    }
    chain += ",setsar=1";
    return chain;
}

PictureArea pictureArea(const ConversionSettings &s)
{
    // Centred, on even lines and columns: the chroma of 4:2:0 covers two of each.
    return PictureArea{((s.width - s.frameWidth) / 2) & ~1, ((s.height - s.frameHeight) / 2) & ~1, s.frameWidth,
                       s.frameHeight};
}

int FilterChain::build(const AVFrame *frame, AVRational timeBase, bool audio, const std::string &chain)
{
    graph_.reset(avfilter_graph_alloc());
    if (!graph_)
        return AVERROR(ENOMEM);
    const std::string args = audio ? audioSourceArgs(frame, timeBase) : videoSourceArgs(frame, timeBase);
    int ret = avfilter_graph_create_filter(&source_, avfilter_get_by_name(audio ? "abuffer" : "buffer"), "in",
                                           args.c_str(), nullptr, graph_.get());
    if (ret < 0)
        return ret;
    ret = avfilter_graph_create_filter(&sink_, avfilter_get_by_name(audio ? "abuffersink" : "buffersink"), "out",
                                       nullptr, nullptr, graph_.get());
    if (ret < 0)
        return ret;

    AVFilterInOut *outputs = avfilter_inout_alloc();
    AVFilterInOut *inputs = avfilter_inout_alloc();
    if (!outputs || !inputs) {
        avfilter_inout_free(&outputs);
        avfilter_inout_free(&inputs);
        return AVERROR(ENOMEM);
    }
    outputs->name = av_strdup("in");
    outputs->filter_ctx = source_;
    inputs->name = av_strdup("out");
    inputs->filter_ctx = sink_;
    ret = outputs->name && inputs->name ? avfilter_graph_parse_ptr(graph_.get(), chain.c_str(), &inputs, &outputs, nullptr)
                                        : AVERROR(ENOMEM);
    avfilter_inout_free(&outputs);
    avfilter_inout_free(&inputs);
    if (ret < 0)
        return ret;
    return avfilter_graph_config(graph_.get(), nullptr);
}

int FilterChain::push(AVFrame *frame)
{
    return av_buffersrc_add_frame_flags(source_, frame, AV_BUFFERSRC_FLAG_KEEP_REF);
}

int FilterChain::close(int64_t endPts)
{
    // Without pushing: what the end still makes (a rate filter filling a gap can make hours of
    // frames) is made as it is pulled, so a caller that has enough stops it from being made.
    return av_buffersrc_close(source_, endPts, 0);
}

int FilterChain::pull(AVFrame *frame)
{
    return av_buffersink_get_frame(sink_, frame);
}

AVRational FilterChain::outputTimeBase() const
{
    return av_buffersink_get_time_base(sink_);
}

void FilterChain::setFrameSize(int samples)
{
    av_buffersink_set_frame_size(sink_, samples);
}
