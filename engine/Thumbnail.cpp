#include "Thumbnail.h"

#include "ConversionSettings.h"
#include "EngineLog.h"
#include "FailureReason.h"
#include "InputFile.h"
#include "Orientation.h"
#include "VideoFrameReader.h"
#include "jpeg/JpegWriter.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>
#include <vector>

namespace {
constexpr int kMaxSide = 4096;

bool parseSecond(const char *text, int &second)
{
    if (!text)
        return false;
    const char *end = text + std::strlen(text);
    const auto [stop, ec] = std::from_chars(text, end, second);
    return ec == std::errc() && stop == end && second >= 0;
}

// Scales the frame, kept at its display aspect, into the middle of a black width x height picture.
bool fitOnBlack(const AVFrame *frame, int width, int height, std::vector<uint8_t> &bgr)
{
    const AVRational sar = frame->sample_aspect_ratio.num > 0 ? frame->sample_aspect_ratio : AVRational{1, 1};
    const double aspect = double(frame->width) * sar.num / (double(frame->height) * sar.den);
    int w = width, h = height;
    if (aspect > double(width) / height)
        h = std::max(2, static_cast<int>(std::lround(width / aspect)) & ~1);
    else
        w = std::max(2, static_cast<int>(std::lround(height * aspect)) & ~1);
    w = std::min(w, width);
    h = std::min(h, height);
    // Scaled apart and copied into place: swscale may write past a row's last pixel, which in
    // place would streak the black beside the picture.
    std::vector<uint8_t> scaled(static_cast<size_t>(w) * h * 3);
    SwsPtr sws(sws_getContext(frame->width, frame->height, static_cast<AVPixelFormat>(frame->format), w, h,
                              AV_PIX_FMT_BGR24, SWS_BICUBIC, nullptr, nullptr, nullptr));
    if (!sws)
        return false;
    uint8_t *dst[4] = {scaled.data(), nullptr, nullptr, nullptr};
    int stride[4] = {w * 3, 0, 0, 0};
    if (sws_scale(sws.get(), frame->data, frame->linesize, 0, frame->height, dst, stride) != h)
        return false;
    bgr.assign(static_cast<size_t>(width) * height * 3, 0);
    const int x = (width - w) / 2, y = (height - h) / 2;
    for (int row = 0; row < h; ++row)
        std::copy_n(scaled.data() + static_cast<size_t>(row) * w * 3, w * 3,
                    bgr.data() + (static_cast<size_t>(y + row) * width + x) * 3);
    return true;
}
}

int writeThumbnail(const char *sourcePath, const char *second, const char *size, const char *outputPath)
{
    const std::string source = sourcePath ? sourcePath : "";
    int at = 0, width = 0, height = 0;
    if (!parseSecond(second, at) || !parseSize(size, width, height) || width > kMaxSide || height > kMaxSide
        || !outputPath || !*outputPath) {
        logFailure("thumbnail", "reading the values for", source, EngineError::UnusableSetting);
        return -1;
    }
    IoWatch watch;
    InputFile input;
    VideoFrameReader reader(input);
    int ret = input.open(sourcePath, watch);
    if (ret < 0 || (ret = reader.open(0)) < 0) {
        logFailure("thumbnail", "opening", source, ret);
        return -1;
    }
    // A second past the end (a short clip) shows the last picture.
    const double duration = input.durationSeconds();
    const double target = duration > 0 ? std::min<double>(at, std::max(0.0, duration - 0.5)) : at;
    FramePtr frame = makeFrame();
    std::vector<uint8_t> bgr;
    // A stall may have left an earlier picture than the one asked for.
    if ((ret = reader.frameAt(target, frame.get())) < 0 || watch.stalled()) {
        logFailure("thumbnail", "decoding the picture at the chosen second of", source, input.failure(ret));
        return -1;
    }
    if ((ret = orientFrame(frame.get(), orientationOf(input.videoStream()))) < 0) {
        logFailure("thumbnail", "turning upright the picture of", source, ret);
        return -1;
    }
    if (!fitOnBlack(frame.get(), width, height, bgr)) {
        logFailure("thumbnail", "scaling the picture of", source, AVERROR(EINVAL));
        return -1;
    }
    errno = 0;
    if (!writeJpeg(outputPath, bgr.data(), width, height)) {
        logFailure("thumbnail", "writing", outputPath, AVERROR(errno ? errno : EIO));
        return -1;
    }
    return 0;
}
