#include "TimestampMender.h"

#include <algorithm>

namespace {
constexpr int64_t kLargestGap = 10 * AV_TIME_BASE;
constexpr int64_t kSmallestStepBack = AV_TIME_BASE / 10;
}

TimestampMender::TimestampMender(const AVFormatContext *input)
    : input_(input), active_(input && input->iformat && (input->iformat->flags & AVFMT_TS_DISCONT)),
      streams_(input ? input->nb_streams : 0)
{
}

void TimestampMender::mend(AVPacket *packet, int64_t frameDuration)
{
    if (!active_ || packet->stream_index < 0 || packet->stream_index >= static_cast<int>(streams_.size())
        || packet->dts == AV_NOPTS_VALUE)
        return;
    const AVRational timeBase = input_->streams[packet->stream_index]->time_base;
    Stream &stream = streams_[packet->stream_index];
    const int64_t raw = av_rescale_q(packet->dts, timeBase, AV_TIME_BASE_Q);
    const auto jumps = [&](int64_t shift) {
        const int64_t dts = raw + shift;
        return dts - stream.next > kLargestGap || stream.next - dts > kLargestGap
            || dts + kSmallestStepBack < stream.last;
    };
    if (stream.next == AV_NOPTS_VALUE) {
        stream.shift = latestShift_;
    } else if (jumps(stream.shift)) {
        // The same join as another stream's jump when that stream's shift lands it in place.
        if (latestShift_ == stream.shift || jumps(latestShift_)) {
            latestShift_ = stream.next - raw;
            ++jumps_;
        }
        stream.shift = latestShift_;
    }
    const int64_t shift = av_rescale_q(stream.shift, AV_TIME_BASE_Q, timeBase);
    packet->dts += shift;
    if (packet->pts != AV_NOPTS_VALUE)
        packet->pts += shift;

    const int64_t dts = raw + stream.shift;
    const int64_t duration = av_rescale_q(std::max<int64_t>(packet->duration > 0 ? packet->duration : frameDuration, 0),
                                          timeBase, AV_TIME_BASE_Q);
    stream.last = dts;
    stream.next = std::max(stream.next == AV_NOPTS_VALUE ? dts : stream.next, dts + duration);
}

void TimestampMender::follow(AVPacket *packet) const
{
    if (!active_ || packet->stream_index < 0 || packet->stream_index >= static_cast<int>(streams_.size()))
        return;
    const int64_t shift = av_rescale_q(latestShift_, AV_TIME_BASE_Q, input_->streams[packet->stream_index]->time_base);
    if (packet->dts != AV_NOPTS_VALUE)
        packet->dts += shift;
    if (packet->pts != AV_NOPTS_VALUE)
        packet->pts += shift;
}
