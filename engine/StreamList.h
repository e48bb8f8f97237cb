// The sound and subtitle choices a video offers: its sound streams, its subtitle streams and the
// subtitle files beside it, in the order whose positions are the ids the program hands back.
#pragma once

#include "FfmpegHandles.h"

#include <string>
#include <vector>

struct StreamEntry {
    enum class Kind { Sound, Subtitle, File };
    Kind kind = Kind::Sound;
    std::string language, codec, title;
    int channels = 0;
    bool flaggedDefault = false, forced = false, bitmap = false;
    int streamIndex = -1; // Sound and Subtitle: the stream in the file
    std::string path;     // File: the subtitle file, absolute
};

// The entries of the opened video `source` whose file is `sourcePath`.
std::vector<StreamEntry> streamEntries(const AVFormatContext *source, const std::string &sourcePath);

// One line per entry: kind, language, codec, channels, flags and title (a file's path), tab-separated.
std::string streamListText(const std::vector<StreamEntry> &entries);

// The text of the video at `path`; a negative AVERROR when it cannot be read.
int listStreams(const char *path, std::string &text);
