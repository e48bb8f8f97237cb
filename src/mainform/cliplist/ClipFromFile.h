#pragma once

#include "core/TVideoInfo.h"
#include "core/streams/TrackChoice.h"
#include "engine/EngineLibrary.h"

#include <QString>
#include <memory>

// A new clip for the file at path, read by the engine library at enginePath: name, source,
// length, whole range, ticked, size and aspect, info text, still picture, and the sound and
// subtitle streams where the engine lists them, chosen by `languages`. The library is loaded for
// this one file and released before returning. nullptr when the library or one of its entry
// points is missing or the engine cannot read the file.
std::unique_ptr<TVideoInfo> ClipFromFile(const QString &path, const TrackLanguages &languages = {},
                                         const QString &enginePath = EngineLibrary::DefaultPath());
