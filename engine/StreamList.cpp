#include "StreamList.h"

#include "EngineLog.h"
#include "InputFile.h"
#include "SubtitleFiles.h"

namespace {

std::string tagOf(const AVStream *st, const char *key)
{
    const AVDictionaryEntry *e = av_dict_get(st->metadata, key, nullptr, 0);
    return e && e->value ? e->value : "";
}

StreamEntry entryOf(const AVStream *st)
{
    const AVCodecParameters *par = st->codecpar;
    StreamEntry e;
    e.kind = par->codec_type == AVMEDIA_TYPE_AUDIO ? StreamEntry::Kind::Sound : StreamEntry::Kind::Subtitle;
    e.streamIndex = st->index;
    e.language = tagOf(st, "language");
    e.title = tagOf(st, "title");
    e.codec = avcodec_get_name(par->codec_id);
    e.flaggedDefault = st->disposition & AV_DISPOSITION_DEFAULT;
    e.forced = st->disposition & AV_DISPOSITION_FORCED;
    if (e.kind == StreamEntry::Kind::Sound) {
        e.channels = par->ch_layout.nb_channels;
    } else {
        const AVCodecDescriptor *descriptor = avcodec_descriptor_get(par->codec_id);
        e.bitmap = descriptor && (descriptor->props & AV_CODEC_PROP_BITMAP_SUB);
    }
    return e;
}

// Tabs and line breaks would split the line; tags from a file may hold them.
std::string field(const std::string &text)
{
    std::string s = text;
    for (char &c : s)
        if (c == '\t' || c == '\n' || c == '\r')
            c = ' ';
    return s;
}
}

std::vector<StreamEntry> streamEntries(const AVFormatContext *source, const std::string &sourcePath)
{
    std::vector<StreamEntry> entries;
    for (AVMediaType type : {AVMEDIA_TYPE_AUDIO, AVMEDIA_TYPE_SUBTITLE})
        for (unsigned i = 0; i < source->nb_streams; ++i)
            if (source->streams[i]->codecpar->codec_type == type)
                entries.push_back(entryOf(source->streams[i]));
    for (SubtitleFile &file : subtitleFilesBeside(sourcePath)) {
        StreamEntry e;
        e.kind = StreamEntry::Kind::File;
        e.language = std::move(file.language);
        e.codec = std::move(file.codec);
        e.flaggedDefault = file.flaggedDefault;
        e.forced = file.forced;
        e.path = std::move(file.path);
        entries.push_back(std::move(e));
    }
    return entries;
}

std::string streamListText(const std::vector<StreamEntry> &entries)
{
    std::string text;
    for (const StreamEntry &e : entries) {
        const char *kind = e.kind == StreamEntry::Kind::Sound ? "audio"
            : e.kind == StreamEntry::Kind::Subtitle           ? "subtitle"
                                                              : "file";
        std::string flags;
        if (e.flaggedDefault)
            flags += 'd';
        if (e.forced)
            flags += 'f';
        if (e.bitmap)
            flags += 'b';
        text += std::string(kind) + '\t' + field(e.language) + '\t' + field(e.codec) + '\t'
            + std::to_string(e.channels) + '\t' + flags + '\t'
            + field(e.kind == StreamEntry::Kind::File ? e.path : e.title) + '\n';
    }
    return text;
}

int listStreams(const char *path, std::string &text)
{
    IoWatch watch;
    InputFile input;
    const std::string file = path ? path : "";
    const int ret = input.open(path, watch);
    if (ret < 0) {
        logFailure("listing the streams", "opening", file, ret);
        return ret;
    }
    text = streamListText(streamEntries(input.context(), file));
    return 0;
}
