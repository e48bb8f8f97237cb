#include "cli/TrackRequests.h"

#include "cli/CliArguments.h"
#include "core/TVideoInfo.h"
#include "core/streams/ClipStreams.h"
#include "core/streams/IsoLanguages.h"
#include "core/streams/StreamNames.h"

namespace {

using Kind = TrackRequest::Kind;

QString Counted(qsizetype count, const char *one, const char *many)
{
    return QStringLiteral("%1 %2").arg(count).arg(QLatin1String(count == 1 ? one : many));
}

// The position a number asks for, or the refusal. `listed`: the engine lists the file's streams.
std::optional<int> Numbered(const TrackRequest &request, const QList<SourceStream> &streams, bool listed,
                            const char *option, const char *one, const char *many, std::optional<QString> &refusal)
{
    if (request.number <= streams.size())
        return request.number - 1;
    if (!refusal)
        refusal = QStringLiteral("--%1 %2: %3").arg(QLatin1String(option)).arg(request.number)
                      .arg(listed ? QStringLiteral("the file has ") + Counted(streams.size(), one, many)
                                  : QStringLiteral("the engine does not list the file's tracks"));
    return std::nullopt;
}

} // namespace

TrackOutcome ApplyTrackRequests(TVideoInfo &clip, const std::optional<SourceStreams> &streams,
                                const TrackRequest &audio, const TrackRequest &subtitles,
                                const TrackLanguages &defaults)
{
    TrackOutcome outcome;
    const SourceStreams lists = streams.value_or(SourceStreams{});

    int sound = ChooseSound(lists.sound, defaults.sound);
    if (audio.kind == Kind::Language) {
        sound = ChooseSound(lists.sound, audio.language);
        if (SoundIn(lists.sound, audio.language) < 0)
            outcome.notes << QStringLiteral("no sound track in %1%2").arg(LanguageName(audio.language),
                lists.sound.isEmpty() ? QString() : QStringLiteral("; converting ") + StreamName(lists.sound[sound]));
    } else if (audio.kind == Kind::Number) {
        sound = Numbered(audio, lists.sound, streams.has_value(), "audio", "sound track", "sound tracks", outcome.refusal).value_or(sound);
    }

    const SourceStream *spoken = lists.sound.isEmpty() ? nullptr : &lists.sound[sound];
    const int none = int(lists.subtitles.size());
    int shown = ChooseSubtitles(lists.subtitles, spoken, defaults.subtitles);
    switch (subtitles.kind) {
    case Kind::Default:
        break;
    case Kind::Language:
        shown = SubtitlesIn(lists.subtitles, subtitles.language);
        if (shown < 0) {
            outcome.notes << QStringLiteral("no subtitles in %1; converting without").arg(LanguageName(subtitles.language));
            shown = none;
        }
        break;
    case Kind::Number:
        shown = Numbered(subtitles, lists.subtitles, streams.has_value(), "subtitles", "subtitle entry", "subtitle entries", outcome.refusal)
                    .value_or(none);
        break;
    case Kind::File:
    case Kind::None:
        shown = none;
        break;
    }
    SetSourceStreams(clip, lists, sound, shown);
    return outcome;
}
