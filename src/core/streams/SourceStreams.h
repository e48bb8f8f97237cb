#pragma once

#include <QList>
#include <QString>
#include <QStringView>

// One sound or subtitle stream of a source file, or a subtitle file beside it, as the engine
// lists them (X_Get_Stream_List in abi/DVDEncoder.h).
struct SourceStream {
    enum class Kind { Sound, Subtitle, File };

    Kind kind = Kind::Sound;
    int id = 0;            // the entry's position in the engine's list
    QString language;      // as tagged or named; empty when unknown
    QString codec;         // FFmpeg's name: "aac", "ass", "subrip", "dvd_subtitle", ...
    int channels = 0;
    bool isDefault = false;
    bool forced = false;
    bool bitmap = false;
    QString title;         // for a file, its absolute path

    bool operator==(const SourceStream &) const = default;
};

struct SourceStreams {
    QList<SourceStream> sound;
    QList<SourceStream> subtitles;  // the file's streams, then the files beside it

    bool operator==(const SourceStreams &) const = default;
};

// Ids go to the engine as three digits.
inline constexpr int MaxStreamId = 999;

// The engine's text, one entry a line. A line that is not an entry (an unknown kind, a wrong
// number of fields) still takes its place in the numbering, so the ids of the others stay true;
// entries past MaxStreamId are left out.
SourceStreams ParseStreamList(QStringView text);
