#include "SubtitleBurner.h"

#include "EngineLog.h"
#include "FailureReason.h"
#include "StreamList.h"
#include "SubtitleFiles.h"
#include "TextEncoding.h"

#include <fstream>
#include <iterator>

#include <sys/stat.h>

namespace {
// A subtitle file larger than this is no subtitle file.
constexpr std::streamsize kLargestFile = 64 << 20;
// How long a line without an end of its own shows.
constexpr int64_t kUnendedLineMs = 5000;
constexpr const char *kOperation = "burning in subtitles";

int readWhole(const std::string &path, std::string &bytes)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return AVERROR(ENOENT);
    if (st.st_size > kLargestFile)
        return AVERROR_INVALIDDATA;
    std::ifstream in(path, std::ios::binary);
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return in.bad() ? AVERROR(EIO) : 0;
}

// The language a subtitle file's name gives, when it is named after the video.
std::string languageOfFile(const std::string &path, const std::string &videoPath)
{
    const auto named = subtitleFileOf(videoPath, path);
    return named ? named->language : "";
}
}

bool SubtitleBurner::open(const ConversionSettings &s, const InputFile &input, const SubtitlePlacement &placement)
{
    placement_ = placement;
    canvasWidth_ = input.videoStream()->codecpar->width;
    canvasHeight_ = input.videoStream()->codecpar->height;
    std::string file = s.subtitleFile;
    if (s.subtitleEntry >= 0) {
        const std::vector<StreamEntry> entries = streamEntries(input.context(), s.sourcePath);
        const StreamEntry *entry = size_t(s.subtitleEntry) < entries.size() ? &entries[s.subtitleEntry] : nullptr;
        if (!entry || entry->kind == StreamEntry::Kind::Sound) {
            logFailure(kOperation, "finding the chosen subtitles in", s.sourcePath, EngineError::NoSuchSubtitles);
            return false;
        }
        if (entry->kind == StreamEntry::Kind::Subtitle) {
            const int ret = openStream(input, entry->streamIndex);
            if (ret < 0)
                logFailure(kOperation, "reading the subtitles of", s.sourcePath, ret);
            return ret >= 0;
        }
        file = entry->path;
    }
    if (file.empty())
        return false;
    const int ret = openFile(input, file, languageOfFile(file, s.sourcePath));
    if (ret < 0)
        logFailure(kOperation, "reading", file, ret);
    return ret >= 0;
}

int SubtitleBurner::openStream(const InputFile &input, int index)
{
    const int ret = openDecoder(input.context(), input.context()->streams[index], "");
    if (ret < 0)
        return ret;
    streamIndex_ = index;
    originMs_ = input.originUs() / 1000;
    return 0;
}

int SubtitleBurner::openFile(const InputFile &input, const std::string &path, const std::string &language)
{
    std::string bytes;
    int ret = readWhole(path, bytes);
    if (ret < 0)
        return ret;
    IoWatch watch;
    AVFormatContext *raw = avformat_alloc_context();
    if (!raw)
        return AVERROR(ENOMEM);
    raw->interrupt_callback = watch.callback();
    if ((ret = avformat_open_input(&raw, path.c_str(), nullptr, nullptr)) < 0)
        return ret; // avformat_open_input frees the context on failure
    const FormatInputPtr subtitles(raw);
    const int index = av_find_best_stream(raw, AVMEDIA_TYPE_SUBTITLE, -1, -1, nullptr, 0);
    if (index < 0)
        return index;
    if ((ret = openDecoder(input.context(), raw->streams[index], legacyTextEncoding(bytes, language))) < 0)
        return ret;
    originMs_ = 0;
    PacketPtr packet = makePacket();
    for (;;) {
        watch.touch();
        if ((ret = av_read_frame(raw, packet.get())) < 0)
            break;
        if (packet->stream_index == index)
            decode(packet.get());
        av_packet_unref(packet.get());
    }
    return ret == AVERROR_EOF ? 0 : ret;
}

int SubtitleBurner::openDecoder(const AVFormatContext *source, const AVStream *st, const std::string &encoding)
{
    OptionList options;
    if (!encoding.empty())
        options.emplace_back("sub_charenc", encoding);
    const int ret = decoder_.open(st, 1, options);
    if (ret < 0)
        return ret;
    const AVCodecDescriptor *descriptor = avcodec_descriptor_get(st->codecpar->codec_id);
    bitmap_ = descriptor && (descriptor->props & AV_CODEC_PROP_BITMAP_SUB);
    if (bitmap_)
        return 0;
    const AVCodecContext *ctx = decoder_.context();
    const bool styled = st->codecpar->codec_id == AV_CODEC_ID_ASS || st->codecpar->codec_id == AV_CODEC_ID_SSA;
    const PictureArea &area = placement_.area;
    std::string header = styled && ctx->subtitle_header
        ? std::string(reinterpret_cast<const char *>(ctx->subtitle_header), ctx->subtitle_header_size)
        : plainTextHeader(area.width, area.height, placement_.screenHeight);
    return text_.open(source, area.width, area.height, std::move(header)) ? 0 : AVERROR(ENOMEM);
}

void SubtitleBurner::decode(const AVPacket *packet)
{
    AVCodecContext *ctx = decoder_.context();
    AVSubtitle subtitle{};
    int got = 0;
    if (avcodec_decode_subtitle2(ctx, &subtitle, &got, const_cast<AVPacket *>(packet)) < 0 || !got)
        return;
    if (subtitle.pts != AV_NOPTS_VALUE) {
        const int64_t startMs = subtitle.pts / 1000 - originMs_;
        if (bitmap_) {
            pictures_.setCanvas(ctx->width > 0 ? ctx->width : canvasWidth_, ctx->height > 0 ? ctx->height : canvasHeight_,
                                placement_.area.width, placement_.area.height);
            pictures_.add(subtitle, startMs);
        } else {
            const int64_t shown = subtitle.end_display_time > subtitle.start_display_time
                ? int64_t(subtitle.end_display_time) - subtitle.start_display_time
                : kUnendedLineMs;
            for (unsigned i = 0; i < subtitle.num_rects; ++i)
                if (subtitle.rects[i]->ass)
                    text_.add(subtitle.rects[i]->ass, startMs + subtitle.start_display_time, shown);
        }
    }
    avsubtitle_free(&subtitle);
}

void SubtitleBurner::take(const AVPacket *packet)
{
    PacketPtr copy(av_packet_clone(packet));
    if (!copy)
        return;
    std::lock_guard lock(pendingMutex_);
    pending_.push_back(std::move(copy));
}

void SubtitleBurner::draw(AVFrame *frame, int64_t ms)
{
    std::vector<PacketPtr> packets;
    {
        std::lock_guard lock(pendingMutex_);
        packets.swap(pending_);
    }
    for (const PacketPtr &packet : packets)
        decode(packet.get());
    if (frame->format != AV_PIX_FMT_YUV420P)
        return;
    if (bitmap_)
        pictures_.draw(frame, placement_.area, ms);
    else
        text_.draw(frame, placement_.area, ms);
}
