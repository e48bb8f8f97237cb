#include "SubtitleFiles.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <utility>

namespace {
bool asciiLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool asciiDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::string lowered(std::string s)
{
    for (char &c : s)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return s;
}

// A word of letters with an optional region or script ("en", "eng", "pt-BR", "zh_Hant", "English").
// Digits are refused: "film.part1.srt" belongs to film.part1.mkv, not to film.mkv.
bool nameWord(const std::string &part)
{
    const size_t separator = part.find_first_of("-_");
    const std::string word = part.substr(0, separator);
    if (word.size() < 2 || !std::all_of(word.begin(), word.end(), asciiLetter))
        return false;
    if (separator == std::string::npos)
        return true;
    const std::string region = part.substr(separator + 1);
    return region.size() >= 2 && region.size() <= 8
        && std::all_of(region.begin(), region.end(), [](char c) { return asciiLetter(c) || asciiDigit(c); });
}

const char *codecOfExtension(const std::string &extension)
{
    static const std::array<std::pair<const char *, const char *>, 4> kCodecs{
        {{"srt", "subrip"}, {"ass", "ass"}, {"ssa", "ass"}, {"vtt", "webvtt"}}};
    for (const auto &[ext, codec] : kCodecs)
        if (extension == ext)
            return codec;
    return nullptr;
}

// `name` as a subtitle file of the video named `base` and an extension.
std::optional<SubtitleFile> subtitleFileNamed(const std::string &base, const std::string &name)
{
    if (base.empty() || name.size() <= base.size() + 1 || name.compare(0, base.size(), base) != 0
        || name[base.size()] != '.')
        return std::nullopt;
    const std::string rest = name.substr(base.size() + 1);
    const size_t lastDot = rest.rfind('.');
    const char *codec = codecOfExtension(lowered(lastDot == std::string::npos ? rest : rest.substr(lastDot + 1)));
    if (!codec)
        return std::nullopt;
    SubtitleFile file;
    file.codec = codec;
    std::string middle = lastDot == std::string::npos ? "" : rest.substr(0, lastDot);
    while (!middle.empty()) {
        const size_t dot = middle.find('.');
        const std::string part = middle.substr(0, dot);
        middle = dot == std::string::npos ? "" : middle.substr(dot + 1);
        if (!nameWord(part))
            return std::nullopt;
        const std::string marker = lowered(part);
        if (marker == "forced")
            file.forced = true;
        else if (marker == "default")
            file.flaggedDefault = true;
        else if (marker != "sdh" && marker != "cc" && file.language.empty())
            file.language = part;
    }
    return file;
}
}

std::optional<SubtitleFile> subtitleFileOf(const std::string &videoPath, const std::string &path)
{
    namespace fs = std::filesystem;
    const fs::path video(videoPath);
    const std::string name = fs::path(path).filename().string();
    auto file = subtitleFileNamed(video.filename().string(), name);
    if (!file)
        file = subtitleFileNamed(video.stem().string(), name);
    if (file)
        file->path = path;
    return file;
}

std::vector<SubtitleFile> subtitleFilesBeside(const std::string &videoPath)
{
    namespace fs = std::filesystem;
    std::vector<SubtitleFile> files;
    std::error_code ec;
    const fs::path video = fs::absolute(videoPath, ec);
    if (ec)
        return files;
    for (fs::directory_iterator it(video.parent_path(), ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        if (!it->is_regular_file(typeError))
            continue;
        if (auto file = subtitleFileOf(video.string(), it->path().string()))
            files.push_back(std::move(*file));
    }
    std::sort(files.begin(), files.end(), [](const SubtitleFile &a, const SubtitleFile &b) { return a.path < b.path; });
    return files;
}
