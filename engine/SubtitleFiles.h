// Subtitle files a user keeps beside a video under its name: film.srt, film.en.srt,
// film.fr.forced.ass, ... for film.mkv.
#pragma once

#include <optional>
#include <string>
#include <vector>

struct SubtitleFile {
    std::string path;
    std::string language; // from the name, "" when it names none
    std::string codec;    // the FFmpeg codec its extension stands for
    bool forced = false, flaggedDefault = false;
};

// What the name of the file at `path` says as a subtitle file of the video at `videoPath`
// (film.LANG.srt, also film.mkv.LANG.srt, for film.mkv); nothing when it is not one. Reads no file.
std::optional<SubtitleFile> subtitleFileOf(const std::string &videoPath, const std::string &path);

// The subtitle files beside `videoPath`, sorted by name.
std::vector<SubtitleFile> subtitleFilesBeside(const std::string &videoPath);
