#include "ConversionSettings.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <string_view>

namespace {
constexpr int kMaxWidth = 720, kMaxHeight = 576; // level 3.0 frame limit
constexpr int kMaxSeconds = 86400 * 100;

std::string_view trimmed(const char *text)
{
    std::string_view s(text);
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

std::optional<int> parseInt(std::string_view s, int lo, int hi)
{
    int v = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (s.empty() || ec != std::errc() || end != s.data() + s.size() || v < lo || v > hi)
        return std::nullopt;
    return v;
}

std::optional<int> parseInt(const char *text, int lo, int hi)
{
    return text ? parseInt(trimmed(text), lo, hi) : std::nullopt;
}

// "-1" (none), an entry's id ("003"), or the absolute path of a subtitle file, taken as it is.
bool readSubtitle(const char *text, ConversionSettings &s)
{
    if (text && text[0] == '/') {
        s.subtitleFile = text;
        return true;
    }
    const auto entry = parseInt(text, -1, 1000);
    if (entry)
        s.subtitleEntry = *entry;
    return entry.has_value();
}
}

bool parseSize(const char *text, int &width, int &height)
{
    if (!text)
        return false;
    const std::string_view s = trimmed(text);
    const size_t colon = s.find(':');
    if (colon == std::string_view::npos)
        return false;
    const auto w = parseInt(s.substr(0, colon), 1, 65535);
    const auto h = parseInt(s.substr(colon + 1), 1, 65535);
    if (!w || !h)
        return false;
    width = *w;
    height = *h;
    return true;
}

std::optional<AVRational> parseFrameRate(const char *text)
{
    if (!text)
        return std::nullopt;
    const std::string_view s = trimmed(text);
    if (s == "23.976" || s == "23.97")
        return AVRational{24000, 1001};
    if (s == "29.97")
        return AVRational{30000, 1001};
    double v = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (s.empty() || ec != std::errc() || end != s.data() + s.size() || !(v >= 1.0 && v <= 30.0))
        return std::nullopt;
    return av_d2q(v, 1000);
}

std::optional<ConversionSettings> readConversionSettings(const ConversionTexts &t)
{
    ConversionSettings s;
    if (!t.sourcePath || !*t.sourcePath || !t.outputPath || !*t.outputPath || !t.title)
        return std::nullopt;
    s.sourcePath = t.sourcePath;
    s.outputPath = t.outputPath;
    s.title = t.title;

    if (!t.videoFormat)
        return std::nullopt;
    const std::string_view format = trimmed(t.videoFormat);
    if (format == "h264")
        s.format = VideoFormat::H264;
    else if (format == "mpeg4")
        s.format = VideoFormat::Mpeg4;
    else
        return std::nullopt;

    if (!t.aspect || trimmed(t.aspect) != "1:1")
        return std::nullopt;
    if (!parseSize(t.resolution, s.width, s.height) || s.width > kMaxWidth || s.height > kMaxHeight
        || s.width % 2 || s.height % 2)
        return std::nullopt;
    if (!parseSize(t.frameSize, s.frameWidth, s.frameHeight))
        return std::nullopt;
    // A 4:2:0 picture needs even sides; the frame never leaves the resolution.
    s.frameWidth = std::max(2, std::min(s.frameWidth, s.width) & ~1);
    s.frameHeight = std::max(2, std::min(s.frameHeight, s.height) & ~1);

    const auto rate = parseFrameRate(t.frameRate);
    const auto videoKbps = parseInt(t.videoBitRate, 32, 10000);
    const auto audioKbps = parseInt(t.audioBitRate, 16, 320);
    const auto sampleRate = parseInt(t.sampleRate, 0, 1000000);
    const auto volume = parseInt(t.volume, 0, 10);
    const auto start = parseInt(t.startSecond, 0, kMaxSeconds);
    const auto length = parseInt(t.length, 0, kMaxSeconds);
    const auto audio = parseInt(t.audioStream, 0, 1000);
    const auto titleNumber = parseInt(t.titleNumber, 0, 1000);
    if (!rate || !videoKbps || !audioKbps || !sampleRate || !volume || !start || !length || !audio
        || !readSubtitle(t.subtitleStream, s) || !titleNumber || (*sampleRate != 24000 && *sampleRate != 48000))
        return std::nullopt;
    s.frameRate = *rate;
    s.videoKbps = *videoKbps;
    s.audioKbps = *audioKbps;
    s.sampleRate = *sampleRate;
    s.volumeDb = *volume;
    s.startSecond = *start;
    s.lengthSeconds = *length;
    s.audioStream = *audio;
    return s;
}
