#pragma once

#include "core/streams/SourceStreams.h"
#include "core/streams/TrackChoice.h"

class TVideoInfo;

// Gives a new clip the source's stream lists with the sound and subtitles at those positions
// (subtitles.size(): none). A kind the source has none of leaves that list absent, as for a
// source whose streams are not known: its selector stays disabled and the engine takes its default.
void SetSourceStreams(TVideoInfo &clip, const SourceStreams &streams, int sound, int subtitles);

// The same with the sound and subtitles chosen by `languages` (TrackChoice.h).
void ApplySourceStreams(TVideoInfo &clip, const SourceStreams &streams, const TrackLanguages &languages);

// The lines the row's tooltip adds for a clip with stream lists: "Sound track : ..." and
// "Subtitles : ..." (each after a line break); empty for a clip without them.
QString ChosenTracksText(const TVideoInfo &clip);
