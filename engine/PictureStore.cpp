#include "PictureStore.h"

extern "C" {
#include <libavutil/imgutils.h>
}

namespace {
constexpr int kMaxSide = 8192;
}

PictureStore &PictureStore::instance()
{
    static PictureStore store;
    return store;
}

void PictureStore::replace(AVFrame *frame, int32_t seconds)
{
    FramePtr copy = makeFrame();
    av_frame_move_ref(copy.get(), frame);
    std::lock_guard lock(mutex_);
    frame_ = std::move(copy);
    seconds_ = seconds;
}

void PictureStore::clear()
{
    std::lock_guard lock(mutex_);
    frame_.reset();
    seconds_ = 0;
}

int PictureStore::scaled(int width, int height, const uint8_t **pixels, int32_t *seconds)
{
    std::lock_guard lock(mutex_);
    if (seconds)
        *seconds = seconds_;
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) {
        if (pixels)
            *pixels = nullptr;
        return -1;
    }
    bgr_.assign(static_cast<size_t>(width) * height * 3, 0);
    if (pixels)
        *pixels = bgr_.data();
    if (!frame_)
        return -1;
    sws_.reset(sws_getCachedContext(sws_.release(), frame_->width, frame_->height,
                                    static_cast<AVPixelFormat>(frame_->format), width, height,
                                    AV_PIX_FMT_BGR24, SWS_BICUBIC, nullptr, nullptr, nullptr));
    if (!sws_)
        return -1;
    uint8_t *dst[4] = {bgr_.data(), nullptr, nullptr, nullptr};
    int dstStride[4] = {width * 3, 0, 0, 0};
    const int rows = sws_scale(sws_.get(), frame_->data, frame_->linesize, 0, frame_->height, dst, dstStride);
    return rows == height ? 0 : -1;
}
