// The media the engine benchmark converts and grabs from, made with the ffmpeg tool on the first run
// and kept in the media folder, so a rerun starts at once.
#pragma once

#include <string>

struct BenchSource {
    const char *name; // as the command line names it
    const char *description;
    std::string path;
};

// 60 s of a synthetic picture with light noise at 25 fps, H.264 at CRF 20, AAC stereo.
BenchSource syntheticSource();
// 30 s at 23.976 fps as a Blu-ray rip holds it: moving picture, film grain changing every frame
// and a hue drift, H.264 at CRF 16 (about 50 Mbit/s), AC-3 5.1 in Matroska. Decoding dominates here.
BenchSource filmSource();
// The synthetic picture with a keyframe every 2 seconds, as cameras and phones write it.
std::string cameraSourcePath();
// The synthetic source's streams in Matroska with an ASS track after them: entry "001" of its
// stream list.
std::string subtitledSourcePath();

// Makes whatever is missing; ends the program when the ffmpeg tool cannot.
void makeSources();
