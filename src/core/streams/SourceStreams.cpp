#include "core/streams/SourceStreams.h"

#include <optional>

namespace {

constexpr int FieldCount = 6;

std::optional<SourceStream::Kind> KindOf(QStringView text)
{
    if (text == u"audio")
        return SourceStream::Kind::Sound;
    if (text == u"subtitle")
        return SourceStream::Kind::Subtitle;
    if (text == u"file")
        return SourceStream::Kind::File;
    return std::nullopt;
}

std::optional<SourceStream> EntryOf(QStringView line, int id)
{
    const QList<QStringView> fields = line.split(u'\t');
    if (fields.size() != FieldCount)
        return std::nullopt;
    const std::optional<SourceStream::Kind> kind = KindOf(fields[0]);
    if (!kind)
        return std::nullopt;
    SourceStream stream;
    stream.kind = *kind;
    stream.id = id;
    stream.language = fields[1].trimmed().toString();
    stream.codec = fields[2].trimmed().toString();
    stream.channels = qMax(0, fields[3].trimmed().toInt());
    stream.isDefault = fields[4].contains(u'd');
    stream.forced = fields[4].contains(u'f');
    stream.bitmap = fields[4].contains(u'b');
    stream.title = fields[5].toString();
    return stream;
}

} // namespace

SourceStreams ParseStreamList(QStringView text)
{
    SourceStreams streams;
    QList<QStringView> lines = text.split(u'\n');
    // The text ends with a line break: nothing follows the last one.
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (int id = 0; id < lines.size() && id <= MaxStreamId; ++id) {
        const std::optional<SourceStream> stream = EntryOf(lines[id], id);
        if (!stream)
            continue;
        (stream->kind == SourceStream::Kind::Sound ? streams.sound : streams.subtitles).append(*stream);
    }
    return streams;
}
