#pragma once

#include "core/streams/SourceStreams.h"
#include "core/streams/TrackChoice.h"

#include <QStringList>
#include <optional>

class TVideoInfo;
struct TrackRequest;

// How a file's sound and subtitles were chosen: the refusal when a track asked for by number is
// not there (the file is then not converted), and notes for a language asked for that no track
// has (the file converts with what the window would take, or without subtitles).
struct TrackOutcome {
    std::optional<QString> refusal;
    QStringList notes;
};

// Gives the clip of a file the streams the engine lists (`streams`; nullopt when it lists none)
// and the sound and subtitles the command line asks for, the window's choice where it asks for
// nothing. A subtitle file asked for by path goes to the engine apart from the lists.
TrackOutcome ApplyTrackRequests(TVideoInfo &clip, const std::optional<SourceStreams> &streams,
                                const TrackRequest &audio, const TrackRequest &subtitles,
                                const TrackLanguages &defaults);
