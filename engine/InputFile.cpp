#include "InputFile.h"

#include "FailureReason.h"

#include <algorithm>

#include <sys/stat.h>

namespace {
// Times this close count as the same instant.
constexpr double kSameInstant = 0.001;

bool decodableVideo(const AVStream *st)
{
    const AVCodecParameters *par = st->codecpar;
    return par->codec_type == AVMEDIA_TYPE_VIDEO && !(st->disposition & AV_DISPOSITION_ATTACHED_PIC)
        && par->width > 0 && par->height > 0 && avcodec_find_decoder(par->codec_id) != nullptr;
}

// Why a file without a picture to decode cannot be used, in the terms of what it holds.
int missingPicture(const AVFormatContext *ctx, bool readToTheEnd)
{
    bool sound = false, cover = false, picture = false, undecodable = false;
    for (unsigned i = 0; i < ctx->nb_streams; ++i) {
        const AVStream *st = ctx->streams[i];
        if (st->codecpar->codec_type == AVMEDIA_TYPE_AUDIO) {
            sound = true;
        } else if (st->codecpar->codec_type == AVMEDIA_TYPE_VIDEO) {
            (st->disposition & AV_DISPOSITION_ATTACHED_PIC ? cover : picture) = true;
            undecodable = undecodable || avcodec_find_decoder(st->codecpar->codec_id) == nullptr;
        }
    }
    // A picture stream whose size never came was cut off or damaged before its first picture.
    if (picture)
        return undecodable ? AVERROR_DECODER_NOT_FOUND
            : readToTheEnd ? EngineError::EndsEarly
                           : AVERROR_INVALIDDATA;
    if (sound)
        return cover ? EngineError::SoundAndCover : EngineError::SoundOnly;
    return EngineError::NoPicture;
}

int fileProblem(const char *path)
{
    struct stat st {};
    if (!path || !*path || ::stat(path, &st) != 0)
        return EngineError::Missing;
    if (!S_ISREG(st.st_mode))
        return EngineError::NotAFile;
    return st.st_size == 0 ? EngineError::Empty : 0;
}
}

InputFile::~InputFile()
{
    if (watch_)
        watch_->watchReads(nullptr);
}

int InputFile::open(const char *path, IoWatch &watch)
{
    if (const int problem = fileProblem(path))
        return problem;
    watch_ = &watch;
    watch.touch();
    const AVIOInterruptCB interrupt = watch.callback();
    AVIOContext *io = nullptr;
    int ret = avio_open2(&io, path, AVIO_FLAG_READ, &interrupt, nullptr);
    if (ret < 0)
        return failure(ret);
    io_.reset(io);
    watch.watchReads(io);
    // How surely the file is of a known format tells a file that is no media from one that cannot
    // be opened because it ends early. The opening probes again from the data read here (and so
    // keeps its own score), which costs no read.
    const AVInputFormat *format = nullptr;
    const int score = av_probe_input_buffer2(io, &format, path, nullptr, 0, 0);
    if (score < 0)
        return failure(score == AVERROR_INVALIDDATA ? EngineError::NotMedia : score);

    AVFormatContext *raw = avformat_alloc_context();
    if (!raw)
        return AVERROR(ENOMEM);
    raw->pb = io;
    raw->interrupt_callback = interrupt;
    ret = avformat_open_input(&raw, path, nullptr, nullptr);
    if (ret < 0) // it frees the context on failure, but not the reader it was given
        return failure(score <= AVPROBE_SCORE_RETRY ? EngineError::NotMedia : cutShort(ret));
    ctx_.reset(raw);
    if ((ret = avformat_find_stream_info(raw, nullptr)) < 0)
        return failure(cutShort(ret));

    int best = av_find_best_stream(raw, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    if (best >= 0 && decodableVideo(raw->streams[best])) {
        video_ = best;
    } else {
        for (unsigned i = 0; i < raw->nb_streams && video_ < 0; ++i)
            if (decodableVideo(raw->streams[i]))
                video_ = static_cast<int>(i);
    }
    if (video_ < 0)
        return failure(missingPicture(raw, readToTheEnd()));
    for (unsigned i = 0; i < raw->nb_streams; ++i)
        if (static_cast<int>(i) != video_ && raw->streams[i]->codecpar->codec_type != AVMEDIA_TYPE_AUDIO)
            raw->streams[i]->discard = AVDISCARD_ALL;
    return 0;
}

int InputFile::readPacket(AVPacket *packet)
{
    watch_->touch();
    const int ret = av_read_frame(ctx_.get(), packet);
    return ret < 0 && ret != AVERROR(EAGAIN) ? failure(ret) : ret;
}

bool InputFile::readToTheEnd() const
{
    // A demuxer told that data lies past the end (an MP4 whose index never came) skips there
    // without reading, so its position tells as much as the end being reached.
    return io_->eof_reached || avio_tell(io_.get()) >= avio_size(io_.get());
}

int InputFile::cutShort(int error) const
{
    if (error == AVERROR_EXIT)
        return error;
    if (io_->error < 0)
        return io_->error;
    // Demuxers say EIO when a read comes back shorter than what the file announced.
    return error == AVERROR_EOF || error == AVERROR(EIO) || readToTheEnd() ? EngineError::EndsEarly : error;
}

int InputFile::failure(int error) const
{
    if (watch_ && watch_->stalled())
        return EngineError::Stalled;
    if (error == AVERROR_EOF && io_ && io_->error < 0)
        return io_->error;
    return error;
}

int InputFile::audioIndex(int ordinal) const
{
    if (!ctx_ || ordinal < 0)
        return -1;
    for (unsigned i = 0; i < ctx_->nb_streams; ++i) {
        const AVCodecParameters *par = ctx_->streams[i]->codecpar;
        if (par->codec_type == AVMEDIA_TYPE_AUDIO && ordinal-- == 0)
            return static_cast<int>(i);
    }
    return -1;
}

int InputFile::audioStreamCount() const
{
    int n = 0;
    for (unsigned i = 0; ctx_ && i < ctx_->nb_streams; ++i)
        n += ctx_->streams[i]->codecpar->codec_type == AVMEDIA_TYPE_AUDIO;
    return n;
}

int64_t InputFile::originUs() const
{
    return ctx_ && ctx_->start_time != AV_NOPTS_VALUE ? ctx_->start_time : 0;
}

double InputFile::durationSeconds() const
{
    if (!ctx_)
        return 0;
    // From the origin to where the last stream ends: a container's own duration may also count a
    // lead-in before the first timestamp.
    double end = 0;
    for (unsigned i = 0; i < ctx_->nb_streams; ++i) {
        const AVStream *st = ctx_->streams[i];
        if (st->discard == AVDISCARD_ALL || st->start_time == AV_NOPTS_VALUE || st->duration <= 0)
            continue;
        end = std::max(end, secondsOf(static_cast<int>(i), st->start_time + st->duration));
    }
    if (end > 0)
        return end;
    return ctx_->duration > 0 ? ctx_->duration / static_cast<double>(AV_TIME_BASE) : 0;
}

int64_t InputFile::sizeBytes() const
{
    return ctx_ && ctx_->pb ? std::max<int64_t>(0, avio_size(ctx_->pb)) : 0;
}

double InputFile::secondsOf(int index, int64_t ts) const
{
    const AVStream *st = ctx_->streams[index];
    return ts * av_q2d(st->time_base) - originUs() / static_cast<double>(AV_TIME_BASE);
}

int InputFile::seekBefore(double seconds)
{
    watch_->touch();
    const int64_t target = originUs() + static_cast<int64_t>(seconds * AV_TIME_BASE);
    int ret = avformat_seek_file(ctx_.get(), -1, INT64_MIN, target, target, 0);
    if (ret < 0)
        ret = av_seek_frame(ctx_.get(), -1, target, AVSEEK_FLAG_BACKWARD);
    return ret;
}

int InputFile::seekToKeyframe(double seconds, AVPacket *key)
{
    // A seek lands where the decoding order reaches the time, which without an index is any picture,
    // and a decoder shows nothing good until a keyframe. So read on from there to a keyframe at or
    // before the second, and start further back while none comes; the bound keeps a file without
    // keyframe marks from being read from its beginning.
    constexpr double kLongestBackOff = 32;
    const double limit = seconds + kSameInstant;
    for (double back = 0; back <= kLongestBackOff; back = back > 0 ? back * 2 : 1) {
        int ret = seekBefore(seconds - back);
        if (ret < 0)
            return ret;
        while ((ret = readVideoPacket(key)) >= 0) {
            const int64_t ts = key->dts != AV_NOPTS_VALUE ? key->dts : key->pts;
            if (ts != AV_NOPTS_VALUE && secondsOf(video_, ts) > limit)
                break;
            if ((key->flags & AV_PKT_FLAG_KEY) && (key->pts == AV_NOPTS_VALUE || secondsOf(video_, key->pts) <= limit))
                return 1;
            av_packet_unref(key);
        }
        av_packet_unref(key);
        if ((ret < 0 && ret != AVERROR_EOF) || seconds - back < 0)
            break;
    }
    const int ret = seekBefore(seconds);
    return ret < 0 ? ret : 0;
}

int InputFile::readVideoPacket(AVPacket *packet)
{
    for (;;) {
        const int ret = readPacket(packet);
        if (ret < 0 || packet->stream_index == video_)
            return ret;
        av_packet_unref(packet);
    }
}

std::optional<double> InputFile::keyframeBefore(double seconds) const
{
    AVStream *st = videoStream();
    const int count = st ? avformat_index_get_entries_count(st) : 0;
    if (count == 0)
        return std::nullopt;
    const int64_t target = av_rescale_q(originUs() + static_cast<int64_t>(seconds * AV_TIME_BASE), AV_TIME_BASE_Q,
                                        st->time_base);
    // An index built while reading ends where reading stopped, and may lack a keyframe further on.
    if (avformat_index_get_entry(st, count - 1)->timestamp < target)
        return std::nullopt;
    const AVIndexEntry *key = avformat_index_get_entry_from_timestamp(st, target, AVSEEK_FLAG_BACKWARD);
    if (!key)
        return std::nullopt;
    return secondsOf(video_, key->timestamp);
}
