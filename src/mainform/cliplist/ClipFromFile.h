#pragma once

#include "core/TVideoInfo.h"
#include "core/conversion/SourceProbe.h"
#include "core/streams/TrackChoice.h"
#include "engine/EngineLibrary.h"

#include <QImage>
#include <QString>
#include <memory>
#include <optional>

// What the engine library reads of a file for a new clip: its facts, its sound and subtitle
// streams where the engine lists them, and its still picture.
struct SourceReading {
    std::optional<EngineFileInfo> info;    // nothing when the library is missing or cannot use the file
    QString failureReason;                 // then why, in the engine's words; empty when it gave none
    std::optional<SourceStreams> streams;
    QImage picture;                        // null for a source without a picture size
};

// Reads the file at `path` with the engine library at `enginePath`, loaded for this one file and
// released before returning. Touches no widget or window resource, so it may run on any thread.
SourceReading ReadClipSource(const QString &path, const QString &enginePath = EngineLibrary::DefaultPath());

// A new clip of a file the engine could read: name, source, length, whole range, ticked, size
// and aspect, info text, still picture (a stand-in for sound without a picture), and the sound
// and subtitle streams chosen by `languages`. On the window thread.
std::unique_ptr<TVideoInfo> ClipFromReading(const QString &path, const SourceReading &reading,
                                            const TrackLanguages &languages = {});
