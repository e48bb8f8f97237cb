#include "core/streams/TrackChoice.h"

#include "core/streams/IsoLanguages.h"

#include <functional>

namespace {

// The first position whose stream passes `accept`, or -1.
int FirstOf(const QList<SourceStream> &streams, const std::function<bool(const SourceStream &)> &accept)
{
    for (int i = 0; i < streams.size(); ++i) {
        if (accept(streams[i]))
            return i;
    }
    return -1;
}

} // namespace

int SoundIn(const QList<SourceStream> &sound, const QString &language)
{
    const auto inLanguage = [&](const SourceStream &s) { return SameLanguage(s.language, language); };
    const int flagged = FirstOf(sound, [&](const SourceStream &s) { return inLanguage(s) && s.isDefault; });
    return flagged >= 0 ? flagged : FirstOf(sound, inLanguage);
}

int SubtitlesIn(const QList<SourceStream> &subtitles, const QString &language)
{
    for (const bool forced : {false, true}) {
        const auto fits = [&](const SourceStream &s) { return s.forced == forced && SameLanguage(s.language, language); };
        const int flagged = FirstOf(subtitles, [&](const SourceStream &s) { return fits(s) && s.isDefault; });
        const int found = flagged >= 0 ? flagged : FirstOf(subtitles, fits);
        if (found >= 0)
            return found;
    }
    return -1;
}

int ChooseSound(const QList<SourceStream> &sound, const QString &language)
{
    const int inLanguage = SoundIn(sound, language);
    if (inLanguage >= 0)
        return inLanguage;
    return qMax(0, FirstOf(sound, [](const SourceStream &s) { return s.isDefault; }));
}

int ChooseSubtitles(const QList<SourceStream> &subtitles, const SourceStream *sound, const QString &language)
{
    const int placed = FirstOf(subtitles, [](const SourceStream &s) {
        return s.kind == SourceStream::Kind::File && CanonicalLanguage(s.language).isEmpty();
    });
    if (placed >= 0)
        return placed;
    const QString spoken = sound ? CanonicalLanguage(sound->language) : QString();
    if (spoken.isEmpty())
        return int(subtitles.size());
    if (!SameLanguage(spoken, language)) {
        const int translated = SubtitlesIn(subtitles, language);
        if (translated >= 0)
            return translated;
    }
    const int forced = FirstOf(subtitles, [&](const SourceStream &s) { return s.forced && SameLanguage(s.language, spoken); });
    return forced >= 0 ? forced : int(subtitles.size());
}
