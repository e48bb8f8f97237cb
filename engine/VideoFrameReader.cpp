#include "VideoFrameReader.h"

#include "UnreferencedPicture.h"

namespace {
// A frame that starts within a millisecond before the second counts as starting at it.
constexpr double kTolerance = 0.001;
}

VideoFrameReader::VideoFrameReader(InputFile &input) : input_(input) {}

int VideoFrameReader::open(int threads)
{
    return decoder_.open(input_.videoStream(), threads);
}

void VideoFrameReader::restart()
{
    decoder_.flush();
    av_packet_unref(packet_.get());
    held_ = false;
    draining_ = false;
    position_ = -1;
}

int VideoFrameReader::seekTo(double seconds)
{
    PacketPtr key = makePacket();
    const int ret = input_.seekToKeyframe(seconds, key.get());
    if (ret < 0)
        return ret;
    restart();
    av_packet_move_ref(packet_.get(), key.get());
    held_ = ret > 0;
    return 0;
}

double VideoFrameReader::secondsOf(const AVFrame *frame) const
{
    const int64_t ts = frame->best_effort_timestamp != AV_NOPTS_VALUE ? frame->best_effort_timestamp : frame->pts;
    return ts == AV_NOPTS_VALUE ? 0.0 : input_.secondsOf(input_.videoIndex(), ts);
}

int VideoFrameReader::next(AVFrame *frame)
{
    for (;;) {
        int ret = decoder_.receive(frame);
        if (ret == 0)
            position_ = secondsOf(frame);
        if (ret != AVERROR(EAGAIN))
            return ret;
        if (draining_)
            return AVERROR_EOF;
        ret = held_ ? 0 : input_.readPacket(packet_.get());
        held_ = false;
        if (ret == AVERROR_EOF) {
            draining_ = true;
            if ((ret = decoder_.send(nullptr)) < 0)
                return ret;
            continue;
        }
        if (ret < 0)
            return ret;
        if (packet_->stream_index == input_.videoIndex()) {
            const bool early = packet_->pts != AV_NOPTS_VALUE
                && input_.secondsOf(input_.videoIndex(), packet_->pts) < skipBefore_;
            decoder_.context()->skip_frame = early ? AVDISCARD_NONREF : AVDISCARD_DEFAULT;
            // An unreferenced picture kept from the decoder altogether does not take a frame thread's turn.
            if (!early || !unreferencedPicture(input_.videoStream()->codecpar, packet_.get()))
                ret = decoder_.send(packet_.get());
        }
        av_packet_unref(packet_.get());
        if (ret < 0)
            return ret;
    }
}

bool VideoFrameReader::decodesOnTo(double seconds) const
{
    if (draining_ || position_ < 0 || position_ >= seconds - kTolerance)
        return false;
    // While the keyframe a seek would land on lies behind the decoder, decoding on does a part of the
    // seek's work; without an index, only a short way, where a keyframe in between is unlikely.
    if (const std::optional<double> key = input_.keyframeBefore(seconds))
        return *key <= position_;
    constexpr double kDecodeOnLimit = 2.0;
    return seconds - position_ <= kDecodeOnLimit;
}

int VideoFrameReader::frameAt(double seconds, AVFrame *frame)
{
    if (!decodesOnTo(seconds))
        seekTo(seconds);
    av_frame_unref(last_.get());
    skipBefore_ = seconds - kTolerance;
    const int ret = pick(seconds - kTolerance, frame);
    skipBefore_ = -1;
    return ret;
}

int VideoFrameReader::pick(double from, AVFrame *frame)
{
    for (;;) {
        av_frame_unref(frame);
        const int ret = next(frame);
        if (ret < 0 && (ret == AVERROR_EOF || last_->buf[0]))
            break;
        if (ret < 0)
            return ret;
        if (secondsOf(frame) >= from)
            return 0;
        av_frame_unref(last_.get());
        av_frame_move_ref(last_.get(), frame);
    }
    return last_->buf[0] ? av_frame_ref(frame, last_.get()) : AVERROR_EOF;
}
