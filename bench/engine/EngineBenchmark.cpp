// Converts generated 720p sources (a synthetic one, and a film-like one where decoding dominates)
// with the engine, with the ffmpeg command an expert types for a PSP and with the ffmpeg tool
// running the engine's own filters and encoder options, and the synthetic one with the engine
// burning in an ASS track, in turn, and reports paired time ratios, the engine's CPU use, its wall
// time against the machine's bound, SSIM against the source scaled with lanczos, peak memory, the
// grabber's latency and the probe-plus-picture time.
//
// usage: engine_benchmark [rounds [synthetic|film]]
//   rounds: 3 by default; 0 = only the grabber and probe figures. Naming a source converts only
//   that one and leaves out the grabber and probe figures, for a quick look.
#include "BenchSources.h"
#include "BenchStats.h"
#include "ConversionSettings.h"
#include "DecoderOptions.h"
#include "EncoderOptions.h"
#include "FilterChain.h"
#include "Measure.h"
#include "SoundChain.h"
#include "abi/EngineEntryPoints.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <functional>
#include <mutex>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace {
using Clock = std::chrono::steady_clock;
const std::string kOutputDir = BENCH_MEDIA_DIR;
const PictureSource kSourcePictures{{AV_PIX_FMT_YUV420P, 1280, 720}};

struct Engine : EngineEntryPoints {
    void *handle = nullptr;

    static Engine load()
    {
        Engine e;
        e.handle = dlopen(ENGINE_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL);
        if (!e.handle) {
            std::fprintf(stderr, "cannot load the engine: %s\n", dlerror());
            std::exit(1);
        }
        if (const char *missing = bindEngineEntries(e.handle, AllEngineEntries, e)) {
            std::fprintf(stderr, "the engine has no entry point %s\n", missing);
            std::exit(1);
        }
        return e;
    }
};

// The program's default profile for a 16:9 720p clip: H.264 480:272 at 29.97, 768 + 96 kbit/s.
ConversionSettings benchSettings(const std::string &source, const std::string &output)
{
    ConversionSettings s;
    s.sourcePath = source;
    s.outputPath = output;
    s.title = "Bench";
    s.width = s.frameWidth = 480;
    s.height = s.frameHeight = 272;
    s.frameRate = {30000, 1001};
    s.videoKbps = 768;
    s.audioKbps = 96;
    s.sampleRate = 48000;
    return s;
}

// The ffmpeg tool running the engine's own decoder options, filters and encoder options.
std::vector<std::string> toolCommand(const ConversionSettings &s)
{
    std::vector<std::string> args{"ffmpeg", "-nostdin", "-v", "error", "-y"};
    for (const auto &[key, value] : videoDecoderOptions())
        args.insert(args.end(), {"-" + key + ":v", value});
    args.insert(args.end(), {"-i", s.sourcePath, "-map", "0:v:0", "-map", "0:a:0", "-vf",
                             videoChain(s, kSourcePictures), "-af", soundConverterChain(s) + "," + soundTimingChain(s),
                             "-fps_mode", "passthrough", "-c:v", videoEncoderName(s)});
    for (const auto &[key, value] : videoEncoderOptions(s))
        args.insert(args.end(), {"-" + key + ":v", value});
    args.insert(args.end(), {"-c:a", "aac"});
    for (const auto &[key, value] : audioEncoderOptions(s))
        args.insert(args.end(), {"-" + key + ":a", value});
    args.insert(args.end(), {"-metadata", "title=" + s.title, "-f", "psp", s.outputPath});
    return args;
}

// What an expert types for a PSP: x264's medium preset with two references and one B-frame, Main
// profile at level 2.1, the same size, rate, bit rates and sound. The rate is set with the fps
// filter rather than -r, so that its pictures are the ones the SSIM reference holds.
std::vector<std::string> expertCommand(const ConversionSettings &s)
{
    return {"ffmpeg", "-nostdin", "-v", "error", "-y", "-i", s.sourcePath, "-map", "0:v:0", "-map", "0:a:0",
            "-vf", "scale=480:272,fps=30000/1001", "-c:v", "libx264", "-preset", "medium", "-refs", "2", "-bf", "1",
            "-profile:v", "main", "-level", "21", "-b:v", "768k", "-c:a", "aac", "-b:a", "96k", "-ar", "48000",
            "-ac", "2", "-f", "psp", s.outputPath};
}

int engineConvert(const ConversionSettings &s, const char *subtitles = "-1")
{
    Engine e = Engine::load();
    return e.X_SetPar_D2PSP(nullptr, 2, s.sourcePath.c_str(), "0", "0", "48000", "1:1", "h264", "768", "96",
                            "480:272", "480:272", s.title.c_str(), "29.97", "0", subtitles, s.outputPath.c_str(), "0",
                            "0", 20261210) == 0
        ? 0
        : 1;
}

// SSIM of a converted file against the source at the same rate, scaled with lanczos: a reference
// that none of the scalers compared here defines.
double ssimAgainstSource(const std::string &file, const std::string &source)
{
    const std::string reference = "fps=fps=30000/1001:start_time=0,scale=480:272:flags=lanczos,format=yuv420p";
    const std::string out = toolOutput("ffmpeg -nostdin -v info -i '" + file + "' -i '" + source + "' -lavfi '[1:v]"
                                       + reference + "[ref];[0:v][ref]ssim' -f null - 2>&1");
    const size_t at = out.rfind("All:");
    return at == std::string::npos ? 0 : std::atof(out.c_str() + at + 4);
}

double ssimDb(double ssim)
{
    return ssim >= 1 ? 99 : -10 * std::log10(1 - ssim);
}

struct Waiter : MessageTarget {
    std::mutex mutex;
    std::condition_variable cv;
    std::vector<uint32_t> messages;

    Waiter()
    {
        post = [](MessageTarget *self, uint32_t msg, intptr_t, intptr_t) {
            auto *w = static_cast<Waiter *>(self);
            std::lock_guard lock(w->mutex);
            w->messages.push_back(msg);
            w->cv.notify_all();
        };
    }
    void wait(uint32_t msg)
    {
        std::unique_lock lock(mutex);
        cv.wait(lock, [&] { return std::find(messages.begin(), messages.end(), msg) != messages.end(); });
        messages.erase(std::find(messages.begin(), messages.end(), msg));
    }
};

double processCpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3
        + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

struct Latencies {
    std::vector<double> wallMs, cpuMs;
};

// From each request to its 2412, over spread seconds: wall time, and the CPU time the engine spent.
Latencies grabberLatencies(Engine &engine, const std::string &source)
{
    Waiter window;
    Latencies l;
    engine.X_GetFrame_Init(&window, 2, source.c_str(), "", "0");
    window.wait(DVDENCODER_MSG_READY);
    for (int i = 0; i < 25; ++i) {
        const int at = 1 + (i * 37) % 58;
        const double cpuStart = processCpuMs();
        const auto start = Clock::now();
        engine.X_Set_NextFrame_Time(at);
        window.wait(DVDENCODER_MSG_FRAME);
        l.wallMs.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        l.cpuMs.push_back(processCpuMs() - cpuStart);
    }
    engine.X_GetFrame_UnInit();
    window.wait(DVDENCODER_MSG_GRABBER_CLOSED);
    return l;
}

struct Contender {
    const char *name;
    std::string output;
    std::function<Measured()> run;
    std::vector<Measured> rounds;
    double ssim = 0;

    std::vector<double> walls() const { return pick(&Measured::seconds); }
    std::vector<double> cpus() const { return pick(&Measured::cpuSeconds); }
    double peakMb() const
    {
        double peak = 0;
        for (const Measured &m : rounds)
            peak = std::max(peak, m.peakMb);
        return peak;
    }

private:
    std::vector<double> pick(double Measured::*field) const
    {
        std::vector<double> v;
        for (const Measured &m : rounds)
            v.push_back(m.*field);
        return v;
    }
};

// Median of the per-round ratios: each pair ran back to back, so a load that changes between rounds
// cancels out.
double pairedRatio(const Contender &a, const Contender &b, double Measured::*field)
{
    std::vector<double> ratios;
    for (size_t i = 0; i < a.rounds.size(); ++i)
        ratios.push_back(a.rounds[i].*field / (b.rounds[i].*field));
    return Median(ratios);
}

void compare(const Contender &engine, const Contender &other, const char *title, double wallTarget)
{
    std::printf("  against %s:\n", title);
    std::printf("    wall: engine median %.2f s, %s median %.2f s, paired ratio %.3f (target <= %.2f)\n",
                Median(engine.walls()), other.name, Median(other.walls()),
                pairedRatio(engine, other, &Measured::seconds), wallTarget);
    std::printf("    cpu:  engine median %.2f s, %s median %.2f s, paired ratio %.3f\n", Median(engine.cpus()),
                other.name, Median(other.cpus()), pairedRatio(engine, other, &Measured::cpuSeconds));
    std::printf("    SSIM against the source scaled with lanczos: engine %.6f (%.3f dB), %s %.6f (%.3f dB), "
                "difference %+.6f (target >= -0.001)\n",
                engine.ssim, ssimDb(engine.ssim), other.name, other.ssim, ssimDb(other.ssim), engine.ssim - other.ssim);
}

// What one source is held to, and whether the subtitled conversion runs on it.
struct SourcePlan {
    BenchSource source;
    double expertWallTarget;
    bool subtitled;
};

void benchConversions(const SourcePlan &plan, int rounds)
{
    const std::string &path = plan.source.path;
    const std::string prefix = kOutputDir + "/" + plan.source.name + "-";
    const ConversionSettings engineRun = benchSettings(path, prefix + "engine.MP4");
    const ConversionSettings expertRun = benchSettings(path, prefix + "expert.MP4");
    const ConversionSettings toolRun = benchSettings(path, prefix + "veryfast.MP4");
    const ConversionSettings subtitledRun = benchSettings(subtitledSourcePath(), prefix + "subtitled.MP4");
    std::vector<Contender> contenders = {
        {"engine", engineRun.outputPath, [&] { return inChild([&] { return engineConvert(engineRun); }); }, {}},
        {"expert", expertRun.outputPath, [&] { return runTool(expertCommand(expertRun)); }, {}},
        {"tool", toolRun.outputPath, [&] { return runTool(toolCommand(toolRun)); }, {}},
    };
    if (plan.subtitled)
        contenders.push_back({"subtitled", subtitledRun.outputPath,
                              [&] { return inChild([&] { return engineConvert(subtitledRun, "001"); }); }, {}});
    const size_t count = contenders.size();
    std::printf("%s source: %s\n", plan.source.name, plan.source.description);
    const std::string loadBefore = loadText();
    for (int i = 0; i < rounds; ++i) {
        // Who goes first turns, so a load that changes during the run hurts all alike.
        std::printf("round %d:", i + 1);
        for (size_t k = 0; k < count; ++k) {
            Contender &c = contenders[(i + k) % count];
            const Measured m = c.run();
            if (m.status != 0) {
                std::fprintf(stderr, "\n%s conversion failed (%d)\n", c.name, m.status);
                std::exit(1);
            }
            c.rounds.push_back(m);
            std::printf(" %s %.2f s (cpu %.2f s, others %.0f %%)", c.name, m.seconds, m.cpuSeconds,
                        100 * m.othersShare);
            std::fflush(stdout);
        }
        std::printf("\n");
    }
    const std::string loadAfter = loadText();
    for (size_t k = 0; k < 3; ++k)
        contenders[k].ssim = ssimAgainstSource(contenders[k].output, path);
    const Contender &engine = contenders[0];
    const Contender &tool = contenders[2];

    std::vector<double> use, ofBound;
    double othersMost = 0;
    for (size_t i = 0; i < engine.rounds.size(); ++i) {
        const Measured &m = engine.rounds[i];
        use.push_back(m.cpuSeconds / m.seconds / cores());
        // The bound: the tool's CPU time for the same work spread over every core without a gap.
        ofBound.push_back(m.seconds / (tool.rounds[i].cpuSeconds / cores()));
    }
    for (const Contender &c : contenders)
        for (const Measured &m : c.rounds)
            othersMost = std::max(othersMost, m.othersShare);

    std::printf("\nconversion of the %s source -> PSP H.264 480x272 29.97, 768 + 96 kbit/s, %d rounds in turn\n",
                plan.source.name, rounds);
    std::printf("  load average (1, 5, 15 min) before %s, after %s; other processes used up to %.0f %% of the "
                "cores during a conversion (wall times and CPU use hold only near 0)\n",
                loadBefore.c_str(), loadAfter.c_str(), 100 * othersMost);
    compare(engine, contenders[1], "the expert's command (-preset medium -refs 2 -bf 1)", plan.expertWallTarget);
    compare(engine, tool, "the ffmpeg tool with the engine's decoder, filters and options (-preset veryfast)", 1.0);
    std::printf("  bound (the tool's CPU time / %ld cores): median %.2f s; engine wall / bound: paired median %.3f "
                "(target <= 1.10)\n",
                cores(), Median(tool.cpus()) / cores(), Median(ofBound));
    if (plan.subtitled) {
        const Contender &subtitled = contenders[3];
        std::printf("  burning in an ASS track (the same streams in Matroska, a line on screen 4 s in 5):\n");
        std::printf("    wall: engine median %.2f s, with subtitles median %.2f s, paired ratio %.3f (target <= 1.10)\n",
                    Median(engine.walls()), Median(subtitled.walls()),
                    pairedRatio(subtitled, engine, &Measured::seconds));
        std::printf("    cpu:  engine median %.2f s, with subtitles median %.2f s, paired ratio %.3f\n",
                    Median(engine.cpus()), Median(subtitled.cpus()),
                    pairedRatio(subtitled, engine, &Measured::cpuSeconds));
    }
    std::printf("  engine CPU use: median %.3f of %ld cores (cpu time / wall time / cores; target >= 0.93)\n",
                Median(use), cores());
    std::printf("  peak resident: engine %.1f MB (target <= 150), expert %.1f MB, tool %.1f MB\n\n", engine.peakMb(),
                contenders[1].peakMb(), tool.peakMb());
    std::fflush(stdout);
}
}

int main(int argc, char **argv)
{
    const int rounds = argc > 1 ? std::max(0, std::atoi(argv[1])) : 3;
    const char *only = argc > 2 ? argv[2] : nullptr;
    const SourcePlan plans[] = {{syntheticSource(), 0.60, true}, {filmSource(), 0.72, false}};
    if (only && std::none_of(std::begin(plans), std::end(plans),
                             [&](const SourcePlan &p) { return std::strcmp(p.source.name, only) == 0; })) {
        std::fprintf(stderr, "usage: engine_benchmark [rounds [synthetic|film]]\n");
        return 2;
    }
    makeSources();
    for (const SourcePlan &plan : plans)
        if (rounds > 0 && (!only || std::strcmp(plan.source.name, only) == 0))
            benchConversions(plan, rounds);
    if (only)
        return 0;

    Engine engine = Engine::load();
    std::vector<double> probeMs;
    EngineFileInfo info{};
    const uint8_t *pixels = nullptr;
    int32_t second = 0;
    for (int i = 0; i < 30; ++i) {
        std::string path = syntheticSource().path + std::string(10, '\0');
        const auto start = Clock::now();
        engine.X_GetFileinfo_GetPic(path.data(), 10, &info);
        engine.X_Get_Frame(240, 136, "2.bmp", &pixels, &second);
        probeMs.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    const auto hundredStart = Clock::now();
    for (int i = 0; i < 100; ++i) {
        Engine e = Engine::load();
        std::string path = syntheticSource().path + std::string(10, '\0');
        e.X_GetFileinfo_GetPic(path.data(), 10, &info);
        e.X_Get_Frame(240, 136, "2.bmp", &pixels, &second);
        dlclose(e.handle);
    }
    const double hundredSeconds = std::chrono::duration<double>(Clock::now() - hundredStart).count();

    const Latencies grab = grabberLatencies(engine, syntheticSource().path);
    const Latencies cameraGrab = grabberLatencies(engine, cameraSourcePath());

    std::printf("grabber, X_Set_NextFrame_Time to 2412 (target median <= 50 ms; load %s):\n", loadText().c_str());
    const auto report = [](const char *what, const Latencies &l) {
        std::printf("  %s median %.1f ms, max %.1f ms; cpu median %.1f ms\n", what, Median(l.wallMs),
                    *std::max_element(l.wallMs.begin(), l.wallMs.end()), Median(l.cpuMs));
    };
    report("keyframe every 10 s:", grab);
    report("keyframe every 2 s: ", cameraGrab);
    std::printf("probe + picture: median %.1f ms a file (target <= 60); 100 files with load/release %.2f s (target <= 10)\n",
                Median(probeMs), hundredSeconds);
    return 0;
}
