#include "BenchSources.h"

#include "Measure.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

namespace {
const std::string kMediaDir = BENCH_MEDIA_DIR;
const std::string kSynthetic = kMediaDir + "/source720p60s.mp4";
const std::string kCamera = kMediaDir + "/source720p-gop2s.mp4";
const std::string kSubtitled = kMediaDir + "/source720p60s-ass.mkv";
const std::string kFilm = kMediaDir + "/film720p30s.mkv";

// Runs the ffmpeg tool to write `path` (its last argument is the partial file's name), unless the
// file is there already.
void make(const std::string &path, std::vector<std::string> args)
{
    if (std::filesystem::exists(path))
        return;
    std::filesystem::create_directories(kMediaDir);
    std::printf("making %s...\n", path.c_str());
    std::fflush(stdout);
    const std::string part = path + ".part" + std::filesystem::path(path).extension().string();
    args.insert(args.begin(), {"nice", "ffmpeg", "-nostdin", "-v", "error", "-y"});
    args.push_back(part);
    if (runTool(args).status != 0 || std::rename(part.c_str(), path.c_str()) != 0) {
        std::fprintf(stderr, "cannot make %s\n", path.c_str());
        std::exit(1);
    }
}

void makeSynthetic(const std::string &path, const std::string &keyint)
{
    make(path, {"-f", "lavfi", "-i", "testsrc2=size=1280x720:rate=25:duration=60,noise=alls=4:allf=t", "-f", "lavfi",
                "-i", "sine=frequency=440:sample_rate=48000:duration=60", "-ac", "2", "-c:v", "libx264", "-preset",
                "veryfast", "-crf", "20", "-g", keyint, "-pix_fmt", "yuv420p", "-c:a", "aac", "-b:a", "160k"});
}

// Film subtitles as fans style them: a line or two at the bottom four seconds in five, in an
// outlined and shadowed font, now and then in italics or moved to the top.
std::string dialogueScript()
{
    std::string script = "[Script Info]\nScriptType: v4.00+\nPlayResX: 1280\nPlayResY: 720\n"
                         "ScaledBorderAndShadow: yes\n\n[V4+ Styles]\nFormat: Name, Fontname, Fontsize, "
                         "PrimaryColour, SecondaryColour, OutlineColour, BackColour, Bold, Italic, Underline, "
                         "StrikeOut, ScaleX, ScaleY, Spacing, Angle, BorderStyle, Outline, Shadow, Alignment, "
                         "MarginL, MarginR, MarginV, Encoding\n"
                         "Style: Default,DejaVu Sans,52,&H00FFFFFF,&H000000FF,&H00101010,&H80000000,0,0,0,0,100,"
                         "100,0,0,1,3,1.5,2,60,60,40,1\n\n[Events]\n"
                         "Format: Layer, Start, End, Style, Name, MarginL, MarginR, MarginV, Effect, Text\n";
    for (int i = 0; i < 12; ++i) {
        char line[320];
        const char *tags = i % 4 == 1 ? "{\\i1}" : i % 4 == 3 ? "{\\an8}" : "";
        std::snprintf(line, sizeof line,
                      "Dialogue: 0,0:00:%02d.00,0:00:%02d.00,Default,,0,0,0,,%sLine %d of what they say,\\Nand "
                      "the second line of it.\n",
                      i * 5, i * 5 + 4, tags, i + 1);
        script += line;
    }
    return script;
}

void makeSubtitled()
{
    if (std::filesystem::exists(kSubtitled))
        return;
    const std::string script = kMediaDir + "/dialogue.ass";
    std::FILE *f = std::fopen(script.c_str(), "w");
    const std::string text = dialogueScript();
    const bool written = f && std::fwrite(text.data(), 1, text.size(), f) == text.size();
    if (f)
        std::fclose(f);
    if (!written) {
        std::fprintf(stderr, "cannot write %s\n", script.c_str());
        std::exit(1);
    }
    make(kSubtitled, {"-i", kSynthetic, "-i", script, "-map", "0", "-map", "1", "-c", "copy"});
}
}

BenchSource syntheticSource()
{
    return {"synthetic", "60 s 720p 25 fps H.264 (synthetic picture, light noise)", kSynthetic};
}

BenchSource filmSource()
{
    return {"film", "30 s 720p 23.976 fps H.264 at ~50 Mbit/s (moving picture, grain, hue drift), AC-3 5.1", kFilm};
}

std::string cameraSourcePath()
{
    return kCamera;
}

std::string subtitledSourcePath()
{
    return kSubtitled;
}

void makeSources()
{
    makeSynthetic(kSynthetic, "250");
    makeSynthetic(kCamera, "50");
    makeSubtitled();
    // Grain that changes every frame is what makes a rip's bit rate high and its decoding costly.
    make(kFilm, {"-f", "lavfi", "-i",
                 "testsrc2=size=1280x720:rate=24000/1001:duration=30,scroll=horizontal=0.0015:vertical=0.0007,"
                 "hue=h=20*t,noise=alls=12:allf=t+u",
                 "-f", "lavfi", "-i", "sine=frequency=220:sample_rate=48000:duration=30", "-ac", "6", "-c:v",
                 "libx264", "-preset", "medium", "-crf", "16", "-pix_fmt", "yuv420p", "-c:a", "ac3", "-b:a", "448k"});
}
