#include "core/streams/ClipStreams.h"

#include "core/TVideoInfo.h"
#include "core/streams/StreamNames.h"

void SetSourceStreams(TVideoInfo &clip, const SourceStreams &streams, int sound, int subtitles)
{
    if (!streams.sound.isEmpty()) {
        clip.SetAudioStreams(StreamEntries(streams.sound));
        clip.SetAudioIndex(sound);
    }
    if (!streams.subtitles.isEmpty()) {
        clip.SetSubtitleStreams(StreamEntries(streams.subtitles));
        clip.SetSubtitleIndex(subtitles);
    }
}

void ApplySourceStreams(TVideoInfo &clip, const SourceStreams &streams, const TrackLanguages &languages)
{
    const int sound = ChooseSound(streams.sound, languages.sound);
    const SourceStream *spoken = streams.sound.isEmpty() ? nullptr : &streams.sound[sound];
    SetSourceStreams(clip, streams, sound, ChooseSubtitles(streams.subtitles, spoken, languages.subtitles));
}

QString ChosenTracksText(const TVideoInfo &clip)
{
    QString text;
    const std::optional<QStringList> sound = clip.AudioStreams();
    if (sound) {
        // The engine converts the first track for a choice without an entry.
        const int index = clip.AudioIndex();
        const QString &entry = sound->value(index >= 0 && index < sound->size() ? index : 0);
        text += QStringLiteral("\nSound track : ") + entry.section(u'#', 0, 0);
    }
    const std::optional<QStringList> subtitles = clip.SubtitleStreams();
    if (subtitles) {
        // As the engine is told: a negative choice takes the first entry.
        const int index = qMax(0, clip.SubtitleIndex());
        text += QStringLiteral("\nSubtitles : ")
            + (index < subtitles->size() ? subtitles->at(index).section(u'#', 0, 0) : QStringLiteral("none"));
    }
    return text;
}
