#include "core/streams/StreamNames.h"

#include "core/streams/IsoLanguages.h"

namespace {

struct CodecName {
    const char *codec;
    const char *name;
};

// FFmpeg's codec names as people know the formats; others are shown in capitals.
constexpr CodecName CodecNames[] = {
    {"aac", "AAC"}, {"ac3", "AC3"}, {"eac3", "E-AC3"}, {"dts", "DTS"}, {"truehd", "TrueHD"},
    {"mp3", "MP3"}, {"mp2", "MP2"}, {"flac", "FLAC"}, {"opus", "Opus"}, {"vorbis", "Vorbis"},
    {"alac", "ALAC"}, {"wmav1", "WMA"}, {"wmav2", "WMA"}, {"wmapro", "WMA Pro"}, {"amr_nb", "AMR"},
    {"amr_wb", "AMR-WB"}, {"subrip", "SRT"}, {"srt", "SRT"}, {"ass", "ASS"}, {"ssa", "SSA"},
    {"webvtt", "VTT"}, {"mov_text", "Text"}, {"text", "Text"}, {"microdvd", "MicroDVD"},
    {"dvd_subtitle", "DVD"}, {"dvb_subtitle", "DVB"}, {"hdmv_pgs_subtitle", "PGS"}, {"xsub", "XSUB"},
};

QString FormatName(const QString &codec)
{
    if (codec.startsWith(QLatin1String("pcm_")))
        return QStringLiteral("PCM");
    for (const CodecName &known : CodecNames) {
        if (codec == QLatin1String(known.codec))
            return QString::fromLatin1(known.name);
    }
    return codec.toUpper();
}

QString ChannelsName(int channels)
{
    switch (channels) {
    case 0: return {};
    case 1: return QStringLiteral("mono");
    case 2: return QStringLiteral("stereo");
    case 6: return QStringLiteral("5.1");
    case 8: return QStringLiteral("7.1");
    default: return QStringLiteral("%1 ch").arg(channels);
    }
}

} // namespace

QString StreamName(const SourceStream &stream)
{
    QStringList parts{LanguageName(stream.language), FormatName(stream.codec)};
    switch (stream.kind) {
    case SourceStream::Kind::Sound:
        parts << ChannelsName(stream.channels);
        break;
    case SourceStream::Kind::Subtitle:
        if (stream.forced)
            parts << QStringLiteral("forced");
        break;
    case SourceStream::Kind::File:
        parts << QStringLiteral("file");
        break;
    }
    parts.removeAll(QString());
    QString name = parts.join(u' ').simplified();
    name.replace(u'#', u' ');
    return name.isEmpty() ? QStringLiteral("Track") : name;
}

QStringList StreamEntries(const QList<SourceStream> &streams)
{
    QStringList names;
    QStringList entries;
    for (const SourceStream &stream : streams) {
        const QString name = StreamName(stream);
        const qsizetype before = names.count(name);
        names << name;
        const QString shown = before == 0 ? name : QStringLiteral("%1 (%2)").arg(name).arg(before + 1);
        entries << shown + u'#' + QStringLiteral("%1").arg(stream.id, 3, 10, QLatin1Char('0'));
    }
    return entries;
}
