#include "Probe.h"

#include "EngineLog.h"
#include "InputFile.h"
#include "Orientation.h"
#include "VideoFrameReader.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {
// How much a picture shows: dark or flat frames (a fade-in, a black lead-in) score low.
double pictureScore(const AVFrame *frame)
{
    constexpr int kSide = 16;
    SwsPtr sws(sws_getContext(frame->width, frame->height, static_cast<AVPixelFormat>(frame->format), kSide,
                              kSide, AV_PIX_FMT_GRAY8, SWS_AREA, nullptr, nullptr, nullptr));
    if (!sws)
        return 0;
    std::array<uint8_t, kSide * kSide> gray{};
    uint8_t *dst[4] = {gray.data(), nullptr, nullptr, nullptr};
    int stride[4] = {kSide, 0, 0, 0};
    if (sws_scale(sws.get(), frame->data, frame->linesize, 0, frame->height, dst, stride) != kSide)
        return 0;
    double sum = 0, sumSq = 0;
    for (uint8_t v : gray) {
        sum += v;
        sumSq += double(v) * v;
    }
    const double mean = sum / gray.size();
    const double deviation = std::sqrt(std::max(0.0, sumSq / gray.size() - mean * mean));
    return std::min(mean, 64.0) + deviation;
}

bool representative(double score)
{
    return score >= 48;
}

// Keeps the better of the held picture and a new candidate; true once the picture shows something.
bool consider(AVFrame *picture, AVFrame *candidate, double &bestScore)
{
    const double score = pictureScore(candidate);
    if (score > bestScore) {
        bestScore = score;
        av_frame_unref(picture);
        av_frame_move_ref(picture, candidate);
    }
    av_frame_unref(candidate);
    return representative(bestScore);
}

// The keyframe near a tenth of the file is cheap and usually shows something; when it does not
// (a fade or a black lead-in), the frames at a few points spread over the file are tried. Without
// any picture, the reader's last error says why.
int pickPicture(InputFile &input, VideoFrameReader &reader, AVFrame *picture)
{
    FramePtr frame = makeFrame();
    double bestScore = -1;
    int ret = 0;
    const double duration = input.durationSeconds();
    if (duration < 2) {
        constexpr int kLeadInFrames = 60;
        for (int i = 0; i < kLeadInFrames && (ret = reader.next(frame.get())) >= 0; ++i)
            if (consider(picture, frame.get(), bestScore))
                break;
        return bestScore >= 0 ? 0 : (ret < 0 ? ret : AVERROR_INVALIDDATA);
    }
    constexpr std::array<double, 3> kFractions{0.1, 0.3, 0.5};
    if (input.seekBefore(duration * kFractions[0]) >= 0)
        reader.restart();
    if ((ret = reader.next(frame.get())) >= 0 && consider(picture, frame.get(), bestScore))
        return 0;
    for (double fraction : kFractions)
        if ((ret = reader.frameAt(duration * fraction, frame.get())) >= 0 && consider(picture, frame.get(), bestScore))
            return 0;
    return bestScore >= 0 ? 0 : (ret < 0 ? ret : AVERROR_INVALIDDATA);
}
}

int nearestAspectCode(double displayAspect)
{
    constexpr std::array<double, 4> kAspects{1.0, 4.0 / 3.0, 16.0 / 9.0, 2.21};
    int best = 0;
    for (int i = 1; i < static_cast<int>(kAspects.size()); ++i)
        if (std::fabs(std::log(displayAspect / kAspects[i])) < std::fabs(std::log(displayAspect / kAspects[best])))
            best = i;
    return best + 1;
}

int probeFile(const char *path, EngineFileInfo &info, AVFrame *picture, int32_t &pictureSecond)
{
    IoWatch watch;
    InputFile input;
    const std::string file = path ? path : "";
    int ret = input.open(path, watch);
    if (ret < 0) {
        logFailure("probe", "opening", file, ret);
        return -1;
    }
    VideoFrameReader reader(input);
    if ((ret = reader.open(1)) < 0) {
        logFailure("probe", "opening the picture's decoder for", file, ret);
        return -1;
    }
    // A picture found before the file stalled may not be the one it shows: the probe fails.
    ret = pickPicture(input, reader, picture);
    if (ret < 0 || watch.stalled()) {
        logFailure("probe", "decoding a picture of", file, input.failure(ret));
        return -1;
    }
    pictureSecond = static_cast<int32_t>(std::max(0.0, reader.secondsOf(picture)));
    AVStream *video = input.videoStream();
    const Orientation orientation = orientationOf(video);
    AVRational sar = av_guess_sample_aspect_ratio(input.context(), video, picture);
    if (orientation.transpose)
        sar = AVRational{sar.den, sar.num};
    if ((ret = orientFrame(picture, orientation)) < 0) {
        logFailure("probe", "turning upright a picture of", file, ret);
        return -1;
    }

    AVFormatContext *ctx = input.context();
    const AVCodecParameters *par = video->codecpar;
    info = EngineFileInfo{};
    info.duration = static_cast<int32_t>(std::lround(std::clamp(input.durationSeconds(), 0.0, 2147483647.0)));
    const AVRational rate = av_guess_frame_rate(ctx, video, nullptr);
    info.frameRate = rate.num > 0 && rate.den > 0 ? static_cast<float>(av_q2d(rate)) : 0.0f;
    // The size and shape the user sees: a phone's portrait picture stored landscape is portrait.
    info.width = orientation.transpose ? par->height : par->width;
    info.height = orientation.transpose ? par->width : par->height;

    int64_t audioBits = 0;
    const int audio = av_find_best_stream(ctx, AVMEDIA_TYPE_AUDIO, -1, video->index, nullptr, 0);
    if (audio >= 0) {
        const AVCodecParameters *a = ctx->streams[audio]->codecpar;
        info.sampleRate = a->sample_rate;
        audioBits = a->bit_rate;
        info.audioBitRate = static_cast<float>(a->bit_rate / 1000.0);
    }
    int64_t videoBits = par->bit_rate;
    if (videoBits <= 0 && ctx->bit_rate > audioBits)
        videoBits = ctx->bit_rate - audioBits;
    info.videoBitRate = static_cast<float>(std::max<int64_t>(videoBits, 0) / 1000.0);

    const bool squarePixels = sar.num <= 0 || sar.den <= 0 || sar.num == sar.den;
    const double shownAspect = double(info.width) / info.height;
    if (squarePixels) {
        info.flag = 1;
        const int code = nearestAspectCode(shownAspect);
        constexpr std::array<double, 4> kAspects{1.0, 4.0 / 3.0, 16.0 / 9.0, 2.21};
        info.aspectCode = std::fabs(kAspects[code - 1] / shownAspect - 1.0) < 0.02 ? code : 0;
    } else {
        info.flag = 0;
        info.aspectCode = nearestAspectCode(shownAspect * av_q2d(sar));
    }
    return 0;
}
