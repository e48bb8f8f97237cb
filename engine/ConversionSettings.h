// The values of one conversion, read from the texts the program hands over.
#pragma once

extern "C" {
#include <libavutil/rational.h>
}

#include <optional>
#include <string>

enum class VideoFormat { H264, Mpeg4 };

struct ConversionTexts {
    const char *sourcePath, *titleNumber, *startSecond, *sampleRate, *aspect, *videoFormat, *videoBitRate,
        *audioBitRate, *frameSize, *resolution, *title, *frameRate, *audioStream, *subtitleStream, *outputPath,
        *volume, *length;
};

struct ConversionSettings {
    std::string sourcePath;
    std::string outputPath;
    std::string title;
    VideoFormat format = VideoFormat::H264;
    int startSecond = 0;
    int lengthSeconds = 0; // 0 = to the end
    int width = 0, height = 0;           // the picture written
    int frameWidth = 0, frameHeight = 0; // the source scaled to this, centred on black
    AVRational frameRate{0, 1};
    int videoKbps = 0;
    int audioKbps = 0;
    int sampleRate = 0;
    int volumeDb = 0;
    int audioStream = 0; // 0 = the first audio stream
    // The subtitles burned in: an entry of the source's stream list, or a subtitle file; -1 and ""
    // = none.
    int subtitleEntry = -1;
    std::string subtitleFile;
};

// Nothing when a text is missing or holds a value the engine cannot use.
std::optional<ConversionSettings> readConversionSettings(const ConversionTexts &texts);

// "23.976" and "23.97" mean 24000/1001, "29.97" 30000/1001; nothing for what is not a rate.
std::optional<AVRational> parseFrameRate(const char *text);
// "W:H" with both parts positive.
bool parseSize(const char *text, int &width, int &height);
