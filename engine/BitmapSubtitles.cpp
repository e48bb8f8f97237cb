#include "BitmapSubtitles.h"

extern "C" {
#include <libavutil/imgutils.h>
}

#include <algorithm>
#include <cmath>
#include <limits>

namespace {
constexpr int64_t kUntilReplaced = std::numeric_limits<int64_t>::max();

int scaledCoordinate(int value, int to, int from)
{
    return static_cast<int>(std::lround(double(value) * to / from));
}
}

void BitmapSubtitles::setCanvas(int canvasWidth, int canvasHeight, int width, int height)
{
    canvasWidth_ = canvasWidth;
    canvasHeight_ = canvasHeight;
    width_ = width;
    height_ = height;
}

void BitmapSubtitles::add(const AVSubtitle &subtitle, int64_t startMs)
{
    const int64_t start = startMs + subtitle.start_display_time;
    for (Cue &cue : cues_)
        cue.endMs = std::min(cue.endMs, start);
    const bool ends = subtitle.end_display_time > subtitle.start_display_time
        && subtitle.end_display_time != std::numeric_limits<uint32_t>::max();
    Cue cue{start, ends ? startMs + subtitle.end_display_time : kUntilReplaced, {}};
    for (unsigned i = 0; i < subtitle.num_rects; ++i) {
        Image image;
        if (subtitle.rects[i]->type == SUBTITLE_BITMAP && scaled(*subtitle.rects[i], image))
            cue.images.push_back(std::move(image));
    }
    if (!cue.images.empty())
        cues_.push_back(std::move(cue));
}

bool BitmapSubtitles::scaled(const AVSubtitleRect &rect, Image &image) const
{
    if (rect.w <= 0 || rect.h <= 0 || !rect.data[0] || !rect.data[1] || canvasWidth_ <= 0 || canvasHeight_ <= 0)
        return false;
    image.x = scaledCoordinate(rect.x, width_, canvasWidth_);
    image.y = scaledCoordinate(rect.y, height_, canvasHeight_);
    image.width = std::max(1, scaledCoordinate(rect.w, width_, canvasWidth_));
    image.height = std::max(1, scaledCoordinate(rect.h, height_, canvasHeight_));

    // Scaled with its colours weighted by their opacity, so no dark fringe grows around the letters.
    FramePtr source = makeFrame(), target = makeFrame();
    source->format = target->format = AV_PIX_FMT_RGBA;
    source->width = rect.w;
    source->height = rect.h;
    target->width = image.width;
    target->height = image.height;
    if (av_frame_get_buffer(source.get(), 0) < 0 || av_frame_get_buffer(target.get(), 0) < 0)
        return false;
    const auto *palette = reinterpret_cast<const uint32_t *>(rect.data[1]);
    for (int y = 0; y < rect.h; ++y) {
        const uint8_t *index = rect.data[0] + static_cast<ptrdiff_t>(y) * rect.linesize[0];
        uint8_t *rgba = source->data[0] + static_cast<ptrdiff_t>(y) * source->linesize[0];
        for (int x = 0; x < rect.w; ++x, rgba += 4) {
            const uint32_t argb = index[x] < rect.nb_colors ? palette[index[x]] : 0;
            const uint32_t a = argb >> 24;
            rgba[0] = static_cast<uint8_t>(((argb >> 16) & 0xFF) * a / 255);
            rgba[1] = static_cast<uint8_t>(((argb >> 8) & 0xFF) * a / 255);
            rgba[2] = static_cast<uint8_t>((argb & 0xFF) * a / 255);
            rgba[3] = static_cast<uint8_t>(a);
        }
    }
    SwsPtr sws(sws_getContext(rect.w, rect.h, AV_PIX_FMT_RGBA, image.width, image.height, AV_PIX_FMT_RGBA,
                              SWS_BILINEAR, nullptr, nullptr, nullptr));
    if (!sws
        || sws_scale(sws.get(), source->data, source->linesize, 0, rect.h, target->data, target->linesize)
            != image.height)
        return false;
    image.pixels.reserve(size_t(image.width) * image.height);
    for (int y = 0; y < image.height; ++y) {
        const uint8_t *rgba = target->data[0] + static_cast<ptrdiff_t>(y) * target->linesize[0];
        for (int x = 0; x < image.width; ++x, rgba += 4) {
            const int a = rgba[3];
            const auto straight = [a](int c) { return a ? std::min(255, (c * 255 + a / 2) / a) : 0; };
            image.pixels.push_back(yuvOfRgb(straight(rgba[0]), straight(rgba[1]), straight(rgba[2]), a));
        }
    }
    return true;
}

void BitmapSubtitles::draw(AVFrame *frame, const PictureArea &area, int64_t ms)
{
    std::erase_if(cues_, [ms](const Cue &cue) { return cue.endMs <= ms; });
    for (const Cue &cue : cues_) {
        if (cue.startMs > ms)
            continue;
        if (av_frame_make_writable(frame) < 0)
            return;
        for (const Image &image : cue.images)
            blendOnto(frame, area, image.x, image.y, image.width, image.height,
                      [&](int x, int y) { return image.pixels[size_t(y) * image.width + x]; });
    }
}
