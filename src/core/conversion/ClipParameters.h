#pragma once

#include "ConversionJob.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

// The 17 texts of a conversion, in the order the engine takes them.
namespace ClipParameter {
enum Index {
    SourcePath, TitleNumber, StartSecond, SampleRate, Aspect, VideoFormat, VideoBitRate, AudioBitRate,
    FrameSize, Resolution, Title, FrameRate, AudioStream, SubtitleStream, OutputPath, Volume, Length,
    Count
};
}

// One clip made ready for the engine, with what the conversion window shows and measures of it.
struct ClipPlan {
    std::array<QString, ClipParameter::Count> parameters;
    int clipStart = 0;      // the current time shown is this plus the engine's position
    int progressTotal = 0;  // end minus start (at least 1), before the length rules
    int length = 0;         // seconds handed to the engine; 0 converts to the end of the source
    QString thumbnailPath;
    QString thumbnailTitleNumber;
    QString thumbnailSecond;
};

ClipPlan PlanClip(const ClipJob &clip, const RunSettings &settings, const QString &outputFolder, int minDuration);

// The source's file name without its extension, cut to 30 characters.
QString TitleOfSource(const QString &sourcePath);

// A selection shorter than `minDuration` (when above 0) is lengthened to it, an empty one is one
// second; an end within 2 seconds of the source's end converts to the end (0).
int EngineLength(int startTime, int endTime, int duration, int minDuration);

// The engine's audio stream: "0" unless `index` names an entry, else the three characters after
// the entry's first "#" (its first three without one).
QString AudioStreamText(const std::optional<QStringList> &streams, int index);

// The engine's subtitle stream: "-1" (none) without entries or at an index past them (which is
// "Disable"), else the id of the entry (the first one for a negative index) as for the sound;
// `file`, a subtitle file chosen by path, when not empty.
QString SubtitleStreamText(const std::optional<QStringList> &streams, int index, const QString &file = {});
