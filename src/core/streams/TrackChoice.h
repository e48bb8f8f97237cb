#pragma once

#include "core/streams/SourceStreams.h"

#include <QString>

// The languages a new clip's sound and subtitles are chosen by (the options' defaults); empty
// for none.
struct TrackLanguages {
    QString sound;
    QString subtitles;
};

// The position of the sound track in `language` (of several, the one flagged default), or -1.
int SoundIn(const QList<SourceStream> &sound, const QString &language);
// The position of the subtitles in `language` (full subtitles before forced ones, the one flagged
// default first), or -1.
int SubtitlesIn(const QList<SourceStream> &subtitles, const QString &language);

// The sound a new clip converts: the track in `language`, else the one flagged default, else the
// first. 0 for a file without sound.
int ChooseSound(const QList<SourceStream> &sound, const QString &language);

// The subtitles a new clip burns in, as a position in `subtitles`; subtitles.size() for none:
// a subtitle file without a language in its name (someone put it there for this video); else,
// when the sound's language is known and is not `language`, the subtitles in `language`; else
// the forced subtitles of the sound's language. `sound` is the chosen track, or null.
int ChooseSubtitles(const QList<SourceStream> &subtitles, const SourceStream *sound, const QString &language);
