#pragma once

#include "abi/DVDEncoder.h"
#include "core/streams/SourceStreams.h"

#include <QJsonObject>
#include <QString>

struct ProbeRequest;

// The display aspect as a ratio text: the engine's named aspect for a picture of non-square
// pixels ("16:9"), else the picture's own width and height in lowest terms.
QString DisplayAspectText(const EngineFileInfo &info);

// What the engine read of `path`, for scripts: file, duration, width, height, displayAspect
// (text and ratio), squarePixels, frameRate, videoBitRate and audioBitRate (kbit/s), sampleRate.
QJsonObject ProbeJson(const QString &path, const EngineFileInfo &info);
// The same for people: the path, then one fact a line.
QString ProbeText(const QString &path, const EngineFileInfo &info);

// The sound tracks and subtitles the engine lists, numbered from 1 as --audio and --subtitles count
// them: lines to add to ProbeText (none for a file without any), and the arrays soundTracks and
// subtitles to add to ProbeJson.
QString StreamsText(const SourceStreams &streams);
void AddStreamsJson(QJsonObject &json, const SourceStreams &streams);

// Why the engine read nothing of `file`, in a few words: the engine's own reason where it gave one.
QString WhyUnreadable(const QString &file, const QString &engineReason);

int RunProbe(const ProbeRequest &request);
