#include "VideoFrameReader.h"

VideoFrameReader::VideoFrameReader(InputFile &input, IoWatch &watch) : input_(input), watch_(watch) {}

int VideoFrameReader::open(int threads)
{
    return decoder_.open(input_.videoStream(), threads);
}

void VideoFrameReader::restart()
{
    decoder_.flush();
    draining_ = false;
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
        if (ret != AVERROR(EAGAIN))
            return ret;
        if (draining_)
            return AVERROR_EOF;
        watch_.touch();
        ret = av_read_frame(input_.context(), packet_.get());
        if (ret == AVERROR_EOF) {
            draining_ = true;
            if ((ret = decoder_.send(nullptr)) < 0)
                return ret;
            continue;
        }
        if (ret < 0)
            return ret;
        if (packet_->stream_index == input_.videoIndex())
            ret = decoder_.send(packet_.get());
        av_packet_unref(packet_.get());
        if (ret < 0)
            return ret;
    }
}

int VideoFrameReader::frameAt(double seconds, AVFrame *frame)
{
    // A frame that starts within a millisecond before the second counts as starting at it.
    constexpr double kTolerance = 0.001;
    if (input_.seekBefore(seconds) >= 0)
        restart();
    av_frame_unref(last_.get());
    for (;;) {
        av_frame_unref(frame);
        const int ret = next(frame);
        if (ret < 0 && (ret == AVERROR_EOF || last_->buf[0]))
            break;
        if (ret < 0)
            return ret;
        if (secondsOf(frame) >= seconds - kTolerance)
            return 0;
        av_frame_unref(last_.get());
        av_frame_move_ref(last_.get(), frame);
    }
    return last_->buf[0] ? av_frame_ref(frame, last_.get()) : AVERROR_EOF;
}
