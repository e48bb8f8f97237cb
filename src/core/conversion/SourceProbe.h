#pragma once

#include "abi/DVDEncoder.h"
#include "core/streams/SourceStreams.h"

#include <QString>
#include <memory>
#include <optional>

class EngineLibrary;
class TVideoInfo;

// What the engine reads of the file at `path`; nullopt when it cannot use the file. `engine`
// must be loaded with X_GetFileinfo_GetPic bound.
std::optional<EngineFileInfo> ProbeSource(EngineLibrary &engine, const QString &path);

// The sound and subtitle streams of the file at `path` and the subtitle files beside it; nullopt
// when the engine does not list streams (it lacks X_Get_Stream_List, or cannot read the file).
std::optional<SourceStreams> ProbeStreams(EngineLibrary &engine, const QString &path);

// A new clip of a probed file as adding makes it: the source, its length as the whole range,
// ticked, with its size and display aspect. Its row texts and picture are the window's to set.
std::unique_ptr<TVideoInfo> ClipOfSource(const QString &path, const EngineFileInfo &info);
