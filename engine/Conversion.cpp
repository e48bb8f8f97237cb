#include "Conversion.h"

#include "DecoderOptions.h"
#include "EncoderOptions.h"
#include "EngineLog.h"
#include "FailureReason.h"

extern "C" {
#include <libavutil/channel_layout.h>
#include <libavutil/imgutils.h>
#include <libavutil/samplefmt.h>
}

#include <algorithm>
#include <filesystem>
#include <thread>

namespace {
constexpr int kAacFrameSamples = 1024;
constexpr int kMaxConsecutiveBadReads = 100;
// How far sound read ahead of the picture may wait for it before the picture is carried on.
constexpr int64_t kSoundLeadUs = 10 * int64_t(AV_TIME_BASE);
// Sound that goes on after the picture for longer than this carries the picture with it; a shorter
// overhang is the containers' frame granularity, and cut.
constexpr int64_t kSoundOverhangUs = AV_TIME_BASE / 2;
// A conversion whose output runs this far past the file's length (more for each join closed up)
// follows broken timestamps: it is stopped before it fills the disk.
constexpr double kRunawayFactor = 2;
constexpr double kRunawaySlackSeconds = 60;
// A file whose length nobody states is taken to hold at least this much a second.
constexpr double kLowestBytesPerSecond = 16000 / 8;
// What a stage returns when another one failed first.
constexpr int kAborted = AVERROR(ECANCELED);

// The stages a failure is reported with, each followed by the file it concerns.
constexpr const char *kReading = "reading";
constexpr const char *kFilteringPicture = "filtering the picture of";
constexpr const char *kFilteringSound = "filtering the sound of";
constexpr const char *kEncoding = "encoding";

bool sameFile(const std::string &a, const std::string &b)
{
    std::error_code ec;
    return std::filesystem::equivalent(a, b, ec) && !ec;
}

// A stage's result, with an allocation that failed turned into an error code.
template <typename Work>
int caught(Work &&work) noexcept
{
    try {
        return work();
    } catch (...) {
        return AVERROR(ENOMEM);
    }
}

bool interlaced(const AVStream *st)
{
    const AVFieldOrder order = st->codecpar->field_order;
    return order != AV_FIELD_UNKNOWN && order != AV_FIELD_PROGRESSIVE;
}
}

Conversion::Conversion(const ConversionSettings &settings, RunState &state, MessageTarget *window)
    : s_(settings), state_(state), window_(window), inputWatch_(&state.stopFlag()),
      muxer_(outputWatch_)
{
}

template <typename Work>
int Conversion::runStage(const char *stage, const std::string &file, Work &&work)
{
    const int ret = caught(work);
    if (ret < 0) {
        fail(stage, file, ret);
        abortStages();
    }
    return ret;
}

int Conversion::fail(const char *stage, const std::string &file, int error)
{
    std::lock_guard lock(failureMutex_);
    if (!failure_.stage && error != kAborted)
        failure_ = Failure{stage, &file, error};
    return error;
}

int Conversion::run()
{
    if (convert() >= 0)
        return 0;
    std::lock_guard lock(failureMutex_);
    if (failure_.stage)
        logFailure("conversion", failure_.stage, *failure_.file, failure_.error);
    else
        logFailure("conversion", "converting", s_.sourcePath, AVERROR_UNKNOWN);
    return -1;
}

int Conversion::stoppedBeforeAnyPicture()
{
    muxer_.abandon();
    return 0;
}

int Conversion::convert()
{
    if (setUp() < 0)
        return state_.stopRequested() ? stoppedBeforeAnyPicture() : -1;
    if (window_ && window_->post)
        window_->post(window_, DVDENCODER_MSG_READY, 0, 0);
    int filtered = 0, encoded = 0;
    std::jthread filter, encoder;
    try {
        filter = std::jthread(
            [&] { filtered = runStage(kFilteringPicture, s_.sourcePath, [this] { return filterVideo(); }); });
        encoder = std::jthread(
            [&] { encoded = runStage(kEncoding, s_.outputPath, [this] { return encodeStreams(); }); });
    } catch (...) {
        abortStages();
        return fail("starting the threads for", s_.sourcePath, AVERROR(EAGAIN));
    }
    // A read that a stop broke off still ends in a complete, shorter file.
    int read = caught([this] { return readSource(); });
    const bool stopped = state_.stopRequested();
    if (read >= 0 || stopped) {
        read = runStage(kReading, s_.sourcePath, [&] { return finishReading(stopped); });
    } else {
        fail(kReading, s_.sourcePath, read);
        abortStages();
    }
    filter.join();
    encoder.join();
    if (read < 0 || filtered < 0 || encoded < 0)
        return -1;
    if (framesEncoded_ == 0 && stopped)
        return stoppedBeforeAnyPicture();
    if (!pictureSeen_ && !stopped)
        return fail("finding a picture in the chosen range of", s_.sourcePath, EngineError::NothingInRange);
    const int finished = muxer_.finish();
    return finished < 0 ? fail("finishing", s_.outputPath, finished) : 0;
}

void Conversion::abortStages()
{
    decodedVideo_.abort();
    filteredVideo_.abort();
    filteredAudio_.abort();
}

int Conversion::setUp()
{
    if (sameFile(s_.sourcePath, s_.outputPath) || sameFile(s_.sourcePath, s_.outputPath + ".part"))
        return fail("keeping the source apart from the output", s_.outputPath, EngineError::SourceIsOutput);
    if ((s_.format == VideoFormat::H264 ? h264Level(s_) : mpeg4Level(s_)) == 0)
        return fail("fitting the picture size, frame rate and bit rate into a PSP level for", s_.outputPath,
                    EngineError::NoPspLevel);
    int ret = input_.open(s_.sourcePath.c_str(), inputWatch_);
    if (ret < 0)
        return fail("opening", s_.sourcePath, ret);
    AVFormatContext *ctx = input_.context();
    if (input_.audioStreamCount() > 0) {
        audioIndex_ = input_.audioIndex(s_.audioStream);
        if (audioIndex_ < 0)
            return fail("finding the chosen sound track in", s_.sourcePath, EngineError::NoSuchSoundTrack);
    }
    burning_ = subtitles_.open(s_, input_, SubtitlePlacement{pictureArea(s_), s_.height});
    for (unsigned i = 0; i < ctx->nb_streams; ++i) {
        const int index = static_cast<int>(i);
        const bool used = index == input_.videoIndex() || index == audioIndex_ || index == subtitles_.streamIndex();
        ctx->streams[i]->discard = used ? AVDISCARD_DEFAULT : AVDISCARD_ALL;
    }
    if ((ret = videoDecoder_.open(input_.videoStream(), 0, videoDecoderOptions())) < 0)
        return fail("opening the picture's decoder for", s_.sourcePath, ret);
    // A source whose sound cannot be decoded gets the silent track, like one without sound.
    if (audioIndex_ >= 0 && audioDecoder_.open(ctx->streams[audioIndex_], 1) < 0) {
        ctx->streams[audioIndex_]->discard = AVDISCARD_ALL;
        audioIndex_ = -1;
    }

    const int64_t originUs = input_.originUs() + int64_t(s_.startSecond) * AV_TIME_BASE;
    videoOffset_ = av_rescale_q(originUs, AV_TIME_BASE_Q, input_.videoStream()->time_base);
    if (audioIndex_ >= 0)
        audioOffset_ = av_rescale_q(originUs, AV_TIME_BASE_Q, ctx->streams[audioIndex_]->time_base);
    videoTimeBase_ = input_.videoStream()->time_base;
    interlacedSource_ = interlaced(input_.videoStream());
    orientation_ = orientationOf(input_.videoStream());
    const AVRational guessed = av_guess_frame_rate(ctx, input_.videoStream(), nullptr);
    if (guessed.num > 0 && guessed.den > 0)
        frameDuration_ = std::max<int64_t>(1, av_rescale_q(1, av_inv_q(guessed), videoTimeBase_));
    lastVideoDuration_ = frameDuration_;
    probedSeconds_ = input_.durationSeconds();
    if (probedSeconds_ <= 0)
        probedSeconds_ = input_.sizeBytes() / kLowestBytesPerSecond;
    mender_ = TimestampMender(ctx);
    frameLimit_ = s_.lengthSeconds > 0 ? av_rescale(s_.lengthSeconds, s_.frameRate.num, s_.frameRate.den) : 0;
    // A source that cannot seek is decoded from its beginning; what lies before the start is dropped.
    if (s_.startSecond > 0)
        held_ = input_.seekToKeyframe(s_.startSecond, packet_.get()) > 0;

    if ((ret = videoEncoder_.openVideo(s_)) < 0)
        return fail("opening the picture's encoder for", s_.outputPath, ret);
    if ((ret = audioEncoder_.openAudio(s_)) < 0)
        return fail("opening the sound's encoder for", s_.outputPath, ret);
    if ((ret = muxer_.open(s_.outputPath, s_.title)) < 0)
        return fail("creating", s_.outputPath, ret);
    videoOut_ = muxer_.addStream(videoEncoder_.context(), s_.frameRate);
    audioOut_ = muxer_.addStream(audioEncoder_.context(), AVRational{0, 1});
    if (videoOut_ < 0 || audioOut_ < 0)
        return fail("adding the streams to", s_.outputPath, std::min(videoOut_, audioOut_));
    if ((ret = muxer_.writeHeader()) < 0)
        return fail("writing the header of", s_.outputPath, ret);
    return 0;
}

int Conversion::readSource()
{
    int badReads = 0;
    for (;;) {
        const bool videoDone = videoInputDone_ || videoOutputDone_;
        const bool audioDone = audioIndex_ < 0 || audioInputDone_;
        if ((videoDone && audioDone) || state_.stopRequested())
            return 0;
        int ret = held_ ? 0 : input_.readPacket(packet_.get());
        held_ = false;
        if (ret == AVERROR_EOF)
            return 0;
        if (ret == AVERROR(EAGAIN)) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            continue;
        }
        if (ret == AVERROR_INVALIDDATA && ++badReads < kMaxConsecutiveBadReads)
            continue;
        if (ret < 0)
            return state_.stopRequested() ? ret : fail(kReading, s_.sourcePath, ret);
        badReads = 0;
        const bool subtitle = packet_->stream_index == subtitles_.streamIndex();
        if (subtitle)
            mender_.follow(packet_.get());
        else
            mender_.mend(packet_.get(), packet_->stream_index == input_.videoIndex() ? frameDuration_ : 0);
        joinsClosed_ = mender_.jumpsClosed();
        if (packet_->stream_index == input_.videoIndex() && !videoDone)
            ret = decodeVideo(packet_.get());
        else if (packet_->stream_index == audioIndex_ && !audioDone)
            ret = decodeAudio(packet_.get());
        else if (subtitle)
            subtitles_.take(packet_.get());
        av_packet_unref(packet_.get());
        if (ret < 0)
            return ret;
    }
}

int Conversion::decodeVideo(const AVPacket *packet)
{
    int ret = videoDecoder_.send(packet);
    while (ret >= 0) {
        ret = videoDecoder_.receive(decoded_.get());
        if (ret == AVERROR(EAGAIN) || ret == AVERROR_EOF)
            return 0;
        if (ret == AVERROR_INVALIDDATA)
            ret = 0;
        else if (ret >= 0)
            ret = takeVideoFrame(decoded_.get());
        av_frame_unref(decoded_.get());
    }
    return fail("decoding the picture of", s_.sourcePath, ret);
}

int Conversion::decodeAudio(const AVPacket *packet)
{
    int ret = audioDecoder_.send(packet);
    while (ret >= 0) {
        ret = audioDecoder_.receive(decoded_.get());
        if (ret == AVERROR(EAGAIN) || ret == AVERROR_EOF)
            return 0;
        if (ret == AVERROR_INVALIDDATA)
            ret = 0;
        else if (ret >= 0)
            ret = takeAudioFrame(decoded_.get());
        av_frame_unref(decoded_.get());
    }
    return fail("decoding the sound of", s_.sourcePath, ret);
}

int Conversion::takeVideoFrame(AVFrame *frame)
{
    if (videoInputDone_ || videoOutputDone_)
        return 0;
    int64_t pts = frame->best_effort_timestamp;
    pts = pts == AV_NOPTS_VALUE ? (lastVideoPts_ == AV_NOPTS_VALUE ? 0 : lastVideoPts_ + 1) : pts - videoOffset_;
    if (lastVideoPts_ != AV_NOPTS_VALUE && pts <= lastVideoPts_)
        return 0; // a repeated or reordered timestamp would make the rate filter stall
    lastVideoPts_ = pts;
    pictureRead_ = true;
    frame->pts = pts;
    // The frame after the range is still handed over: the rate filter needs it to place the last one.
    if (s_.lengthSeconds > 0 && pts * av_q2d(videoTimeBase_) >= s_.lengthSeconds)
        videoInputDone_ = true;
    FramePtr handed = makeFrame();
    av_frame_move_ref(handed.get(), frame);
    return decodedVideo_.push(std::move(handed)) ? 0 : kAborted;
}

int Conversion::takeAudioFrame(AVFrame *frame)
{
    const AVRational timeBase = input_.context()->streams[audioIndex_]->time_base;
    // Sound whose timestamps stand still (RealMedia's packets may all carry 0) goes on where the
    // frame before it ended, like sound without any.
    const int64_t stamp = frame->best_effort_timestamp;
    int64_t pts = 0;
    if (stamp != AV_NOPTS_VALUE && stamp != lastAudioStamp_) {
        pts = stamp - audioOffset_;
        nextAudioUs_ = av_rescale_q(pts, timeBase, AV_TIME_BASE_Q);
    } else if (nextAudioUs_ != AV_NOPTS_VALUE) {
        pts = av_rescale_q(nextAudioUs_, AV_TIME_BASE_Q, timeBase);
    } else {
        nextAudioUs_ = 0;
    }
    lastAudioStamp_ = stamp;
    if (frame->sample_rate > 0)
        nextAudioUs_ += av_rescale(frame->nb_samples, AV_TIME_BASE, frame->sample_rate);
    if (s_.lengthSeconds > 0 && pts * av_q2d(timeBase) >= s_.lengthSeconds) {
        audioInputDone_ = true;
        return 0;
    }
    frame->pts = pts;
    int ret = sound_.push(frame, timeBase);
    if (ret == AVERROR_EOF) {
        audioInputDone_ = true;
        ret = 0;
    }
    if (ret < 0)
        return fail(kFilteringSound, s_.sourcePath, ret);
    ret = pullAudio();
    return ret < 0 ? ret : keepPictureUp(false);
}

int Conversion::keepPictureUp(bool last)
{
    if (nextAudioUs_ == AV_NOPTS_VALUE || videoInputDone_ || videoOutputDone_)
        return 0;
    const int64_t pictureUs = lastVideoPts_ == AV_NOPTS_VALUE ? 0 : av_rescale_q(lastVideoPts_, videoTimeBase_, AV_TIME_BASE_Q);
    const int64_t untilUs = last ? nextAudioUs_ : nextAudioUs_ - kSoundLeadUs;
    if (untilUs <= pictureUs || (last && !pictureRead_))
        return 0;
    // A frame without a picture: how far the picture must reach. What comes up to there is covered.
    FramePtr marker = makeFrame();
    marker->pts = av_rescale_q(untilUs, AV_TIME_BASE_Q, videoTimeBase_);
    lastVideoPts_ = marker->pts;
    return decodedVideo_.push(std::move(marker)) ? 0 : kAborted;
}

int Conversion::pullAudio()
{
    for (;;) {
        FramePtr frame = makeFrame();
        int ret = sound_.pull(frame.get());
        if (ret == AVERROR(EAGAIN) || ret == AVERROR_EOF)
            return 0;
        if (ret < 0)
            return fail(kFilteringSound, s_.sourcePath, ret);
        if (!filteredAudio_.push(std::move(frame)))
            return kAborted;
    }
}

int Conversion::finishReading(bool stopped)
{
    int ret = 0;
    if (!stopped) {
        if (!videoInputDone_ && !videoOutputDone_ && (ret = decodeVideo(nullptr)) < 0)
            return ret;
        if (audioIndex_ >= 0 && !audioInputDone_ && (ret = decodeAudio(nullptr)) < 0)
            return ret;
    }
    if (nextAudioUs_ != AV_NOPTS_VALUE) {
        const AVRational timeBase = input_.context()->streams[audioIndex_]->time_base;
        if ((ret = sound_.close(av_rescale_q(nextAudioUs_, AV_TIME_BASE_Q, timeBase))) < 0)
            return fail(kFilteringSound, s_.sourcePath, ret);
        if ((ret = pullAudio()) < 0)
            return ret;
    }
    if ((ret = keepPictureUp(true)) < 0)
        return ret;
    // All the sound is handed over before the picture's end, so the encoders see it complete.
    return decodedVideo_.push(nullptr) ? 0 : kAborted;
}

int Conversion::filterVideo()
{
    for (;;) {
        FramePtr frame;
        if (!decodedVideo_.pop(frame))
            return kAborted;
        if (!frame)
            break;
        int ret = 0;
        if (!frame->buf[0]) {
            if ((ret = followSound(frame->pts)) < 0)
                return ret;
            continue;
        }
        if (frame->pkt_duration > 0)
            lastVideoDuration_ = frame->pkt_duration;
        videoEndPts_ = frame->pts + lastVideoDuration_;
        if (!videoChain_.built()) {
            // Once black stands in for the picture, it does so up to the first one.
            if (framesFiltered_ > 0 && (ret = followSound(frame->pts)) < 0)
                return ret;
            if ((ret = buildVideoChain(frame.get())) < 0)
                return fail(kFilteringPicture, s_.sourcePath, ret);
        }
        av_frame_unref(lastPicture_.get());
        if ((ret = av_frame_ref(lastPicture_.get(), frame.get())) < 0)
            return fail(kFilteringPicture, s_.sourcePath, ret);
        lastPushedPts_ = frame->pts;
        ret = videoChain_.push(frame.get());
        if (ret == AVERROR_EOF)
            ret = 0;
        if (ret < 0)
            return fail(kFilteringPicture, s_.sourcePath, ret);
        if ((ret = pullVideo()) < 0)
            return ret;
    }
    if (videoChain_.built()) {
        int ret = videoChain_.close(std::max(videoEndPts_, coveredUntil_));
        if (ret < 0 && ret != AVERROR_EOF)
            return fail(kFilteringPicture, s_.sourcePath, ret);
        if ((ret = pullVideo()) < 0)
            return ret;
    }
    return filteredVideo_.push(nullptr) ? 0 : kAborted;
}

int Conversion::buildVideoChain(const AVFrame *frame)
{
    PictureSource source;
    source.format = {static_cast<AVPixelFormat>(frame->format), frame->width, frame->height};
    source.deinterlace = interlacedSource_ || frame->interlaced_frame;
    source.orientation = orientation_;
    // The chain's frames follow those made while no picture had come.
    source.startSeconds = framesFiltered_ * av_q2d(av_inv_q(s_.frameRate));
    return videoChain_.build(frame, videoTimeBase_, false, videoChain(s_, source));
}

int Conversion::followSound(int64_t pts)
{
    if (videoChain_.built()) {
        // Held by a copy of the last picture there, which the rate filter repeats up to it.
        const int64_t overhang = av_rescale_q(kSoundOverhangUs, AV_TIME_BASE_Q, videoTimeBase_);
        if (pts <= videoEndPts_ + overhang || pts <= lastPushedPts_)
            return 0;
        coveredUntil_ = pts;
        FramePtr held = makeFrame();
        int ret = av_frame_ref(held.get(), lastPicture_.get());
        if (ret >= 0) {
            held->pts = pts;
            lastPushedPts_ = pts;
            ret = videoChain_.push(held.get());
        }
        if (ret < 0 && ret != AVERROR_EOF)
            return fail(kFilteringPicture, s_.sourcePath, ret);
        return pullVideo();
    }
    // Black frames up to there, made as the encoder's pictures are.
    const int64_t until = av_rescale_q_rnd(pts, videoTimeBase_, av_inv_q(s_.frameRate), AV_ROUND_DOWN);
    while (framesFiltered_ < until && !state_.stopRequested()) {
        FramePtr black = makeFrame();
        black->format = AV_PIX_FMT_YUV420P;
        black->width = s_.width;
        black->height = s_.height;
        int ret = av_frame_get_buffer(black.get(), 0);
        if (ret >= 0) {
            const ptrdiff_t lines[4] = {black->linesize[0], black->linesize[1], black->linesize[2], 0};
            ret = av_image_fill_black(black->data, lines, AV_PIX_FMT_YUV420P, AVCOL_RANGE_MPEG, s_.width, s_.height);
        }
        if (ret >= 0)
            ret = handOn(std::move(black));
        if (ret < 0)
            return ret;
        if (ret > 0)
            return 0;
    }
    return 0;
}

bool Conversion::runningAway() const
{
    if (s_.lengthSeconds > 0 || probedSeconds_ <= 0)
        return false;
    const double allowed = (kRunawayFactor + joinsClosed_) * probedSeconds_ + kRunawaySlackSeconds - s_.startSecond;
    return framesFiltered_ * av_q2d(av_inv_q(s_.frameRate)) > allowed;
}

int Conversion::handOn(FramePtr frame)
{
    if (frameLimit_ > 0 && framesFiltered_ >= frameLimit_) {
        // Frames past the range are not even made: filling a gap can make hours of them.
        videoOutputDone_ = true;
        return 1;
    }
    if (runningAway())
        return fail("following the timestamps of", s_.sourcePath, EngineError::RunAway);
    // Drawn into the picture's place in the frame, which is where they would go before centring,
    // at the frame's time since the source's origin.
    if (burning_)
        subtitles_.draw(frame.get(),
                        av_rescale(framesFiltered_, 1000 * s_.frameRate.den, s_.frameRate.num) + s_.startSecond * 1000LL);
    ++framesFiltered_;
    return filteredVideo_.push(std::move(frame)) ? 0 : kAborted;
}

int Conversion::pullVideo()
{
    // After a stop nothing more is made: the file ends where the progress said it was.
    while (!state_.stopRequested()) {
        FramePtr frame = makeFrame();
        int ret = videoChain_.pull(frame.get());
        if (ret == AVERROR(EAGAIN) || ret == AVERROR_EOF)
            return 0;
        if (ret < 0)
            return fail(kFilteringPicture, s_.sourcePath, ret);
        pictureSeen_ = true;
        if ((ret = handOn(std::move(frame))) != 0)
            return ret < 0 ? ret : 0;
    }
    return 0;
}

int Conversion::encodeStreams()
{
    for (;;) {
        FramePtr frame;
        if (!filteredVideo_.pop(frame))
            return kAborted;
        if (!frame)
            return finishEncoding();
        // What waits in the queue when a stop comes is left out (and taken off the queue, so the
        // filter stage can end).
        if (state_.stopRequested())
            continue;
        const int ret = encodeVideo(frame.get());
        if (ret < 0)
            return ret;
    }
}

int64_t Conversion::videoEndSample() const
{
    return av_rescale(framesEncoded_, int64_t(s_.sampleRate) * s_.frameRate.den, s_.frameRate.num);
}

// Encodes the waiting sound up to where the picture is; the last call cuts it there exactly.
int Conversion::releaseAudio(bool last)
{
    for (FramePtr frame; filteredAudio_.tryPop(frame);)
        pendingAudio_.push_back(std::move(frame));
    const int64_t limit = videoEndSample();
    while (!pendingAudio_.empty()) {
        // Only the sound's very last piece is short. The encoder takes a short piece only last, and
        // silence may follow where the sound ends before the picture: it is filled up.
        if (pendingAudio_.front()->nb_samples < kAacFrameSamples) {
            FramePtr whole = silence(kAacFrameSamples);
            const AVFrame *piece = pendingAudio_.front().get();
            if (!whole || av_samples_copy(whole->extended_data, piece->extended_data, 0, 0, piece->nb_samples, 2,
                                          AV_SAMPLE_FMT_FLTP) < 0)
                return fail(kEncoding, s_.outputPath, AVERROR(ENOMEM));
            pendingAudio_.front() = std::move(whole);
        }
        AVFrame *frame = pendingAudio_.front().get();
        if (samplesEncoded_ + frame->nb_samples > limit) {
            if (!last)
                return 0;
            if (samplesEncoded_ >= limit) {
                pendingAudio_.clear();
                return 0;
            }
            frame->nb_samples = static_cast<int>(limit - samplesEncoded_);
        }
        const int ret = encodeAudio(frame);
        pendingAudio_.pop_front();
        if (ret < 0)
            return ret;
    }
    return 0;
}

int Conversion::encodeVideo(AVFrame *frame)
{
    frame->pts = framesEncoded_;
    frame->pict_type = AV_PICTURE_TYPE_NONE;
    int ret = videoEncoder_.send(frame);
    if (ret < 0)
        return fail(kEncoding, s_.outputPath, ret);
    ++framesEncoded_;
    state_.frameEncoded(av_q2d(s_.frameRate));
    if ((ret = writePackets(videoEncoder_, videoOut_)) < 0)
        return ret;
    return audioIndex_ < 0 ? fillSilence(videoEndSample(), false) : releaseAudio(false);
}

int Conversion::encodeAudio(AVFrame *frame)
{
    frame->pts = samplesEncoded_;
    samplesEncoded_ += frame->nb_samples;
    int ret = audioEncoder_.send(frame);
    return ret < 0 ? fail(kEncoding, s_.outputPath, ret) : writePackets(audioEncoder_, audioOut_);
}

int Conversion::writePackets(Encoder &encoder, int stream)
{
    for (;;) {
        int ret = encoder.receive(encoded_.get());
        if (ret == AVERROR(EAGAIN) || ret == AVERROR_EOF)
            return 0;
        if (ret < 0)
            return fail(kEncoding, s_.outputPath, ret);
        ret = muxer_.write(encoded_.get(), stream, encoder.context()->time_base);
        av_packet_unref(encoded_.get());
        if (ret < 0)
            return fail("writing", s_.outputPath, ret);
    }
}

FramePtr Conversion::silence(int samples) const
{
    FramePtr frame = makeFrame();
    frame->nb_samples = samples;
    frame->format = AV_SAMPLE_FMT_FLTP;
    frame->sample_rate = s_.sampleRate;
    const AVChannelLayout stereo = AV_CHANNEL_LAYOUT_STEREO;
    if (av_channel_layout_copy(&frame->ch_layout, &stereo) < 0 || av_frame_get_buffer(frame.get(), 0) < 0
        || av_samples_set_silence(frame->extended_data, 0, samples, 2, AV_SAMPLE_FMT_FLTP) < 0)
        return nullptr;
    return frame;
}

// Whole encoder frames of silence up to `untilSample`; the last call ends on it exactly.
int Conversion::fillSilence(int64_t untilSample, bool last)
{
    while (samplesEncoded_ < untilSample) {
        const int64_t missing = untilSample - samplesEncoded_;
        if (!last && missing < kAacFrameSamples)
            return 0;
        FramePtr frame = silence(static_cast<int>(std::min<int64_t>(missing, kAacFrameSamples)));
        const int ret = frame ? encodeAudio(frame.get()) : fail(kEncoding, s_.outputPath, AVERROR(ENOMEM));
        if (ret < 0)
            return ret;
    }
    return 0;
}

int Conversion::finishEncoding()
{
    // Sound that ends before the picture is made up with silence.
    int ret = audioIndex_ < 0 ? 0 : releaseAudio(true);
    if (ret >= 0)
        ret = fillSilence(videoEndSample(), true);
    if (ret < 0)
        return ret;
    if ((ret = videoEncoder_.send(nullptr)) < 0 || (ret = audioEncoder_.send(nullptr)) < 0)
        return fail(kEncoding, s_.outputPath, ret);
    if ((ret = writePackets(videoEncoder_, videoOut_)) < 0)
        return ret;
    return writePackets(audioEncoder_, audioOut_);
}
