// pocketreel-cli against the engine's entry points: one 60-second 720p H.264 source converted
// with the default profile by the real command line (a process of its own: start-up, options,
// probe, name reservation, progress polling and thumbnail included) and by the same calls made
// directly (probe, conversion, thumbnail), both in this process, where the engine stays loaded
// from one round to the next, and in a fresh process of this program, which loads it each time
// as the command line does. The three alternate; the medians of the wall and CPU times and their
// ratios are printed with the load average beside them. On a loaded machine a 60-second
// conversion's CPU time varies by more than the overhead sought, so the command line's fixed cost
// is also measured apart: the same two processes on a 2-second 320x240 clip, many times, the
// difference of their median CPU times set against the 60-second conversion.
//
// usage: bench_cli [--rounds N] [--short-rounds N] [--app-dir DIR] [--media-dir DIR] [--work-dir DIR]
#include "BenchStats.h"
#include "DirectConversion.h"
#include "MachineLoad.h"
#include "ProgramFiles.h"
#include "core/AppGlobals.h"
#include "core/ClipList.h"
#include "core/conversion/ClipJobs.h"
#include "core/conversion/ClipParameters.h"
#include "core/conversion/SourceProbe.h"
#include "core/profiles/EncodingSelection.h"
#include "core/profiles/ProfileFiles.h"
#include "engine/EngineLibrary.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>
#include <functional>
#include <sys/resource.h>
#include <vector>

namespace {

double CpuSeconds(int who)
{
    rusage usage{};
    getrusage(who, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

bool MakeSource(const QString &path, const QString &size, int seconds)
{
    if (QFile::exists(path))
        return true;
    const QString d = QString::number(seconds);
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"),
                 {"-v", "error", "-y", "-f", "lavfi", "-i", "testsrc2=size=" + size + ":rate=30:duration=" + d + ",noise=alls=4:allf=t",
                  "-f", "lavfi", "-i", "sine=frequency=440:sample_rate=48000:duration=" + d, "-c:v", "libx264", "-preset",
                  "veryfast", "-crf", "20", "-pix_fmt", "yuv420p", "-c:a", "aac", "-shortest", path + ".part.mp4"});
    return ffmpeg.waitForFinished(600000) && ffmpeg.exitCode() == 0 && QFile::rename(path + ".part.mp4", path);
}

void ClearFolder(const QString &folder)
{
    QDir dir(folder);
    for (const QString &file : dir.entryList(QDir::Files))
        dir.remove(file);
}

// The conversion the command line makes, through the entry points: the job is built by the same
// core the command line uses, then probe, conversion and thumbnail are called one after another.
double DirectRun(const QString &source, const QString &outputFolder)
{
    QElapsedTimer timer;
    timer.start();
    NoPrompts prompts;
    const ProfileFiles files(path_PNG, prompts);
    EncodingSelection selection(files);
    selection.Load();
    EngineLibrary engine(path_PNG + EngineLibrary::FileName);
    if (!engine.Load(EngineLibrary::ProbeEntries | EngineLibrary::ConversionEntries))
        return -1;
    const std::optional<EngineFileInfo> info = ProbeSource(engine, source);
    if (!info)
        return -1;
    ClipList clips;
    clips.SetOutputNamer([](int) { return QStringLiteral("MAQ70001.MP4"); });
    clips.AppendClip(ClipOfSource(source, *info));
    g_s_OutputFolder = outputFolder;
    const ConversionJob job = TakeConversionJob(clips, selection.Choices());
    if (!ConvertDirectly(engine, PlanClip(job.clips.first(), job.settings, job.outputFolder, job.minDuration), job.stamp))
        return -1;
    return double(timer.nsecsElapsed()) / 1e9;
}

// Wall seconds of a child process that must succeed, -1 when it fails.
double ChildRun(const QString &program, const QStringList &arguments, const QString &home)
{
    QElapsedTimer timer;
    timer.start();
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", home);
    child.setProcessEnvironment(env);
    child.start(program, arguments);
    if (!child.waitForFinished(-1) || child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0) {
        std::fprintf(stderr, "%s failed: %s\n", qPrintable(program), child.readAllStandardError().constData());
        return -1;
    }
    return double(timer.nsecsElapsed()) / 1e9;
}

struct Way {
    const char *name;
    std::vector<double> wall, cpu;
};

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    QCommandLineParser options;
    options.addOption({"rounds", "alternating rounds of each way", "n", "3"});
    options.addOption({"short-rounds", "rounds on the 2-second clip", "n", "15"});
    options.addOption({"app-dir", "folder holding pocketreel-cli, DVDEncoder.so and the INI files", "dir",
                       POCKETREEL_APP_DIR});
    options.addOption({"media-dir", "where the source is made and kept", "dir",
                       QCoreApplication::applicationDirPath() + "/media"});
    options.addOption({"work-dir", "where the outputs go", "dir", QDir::tempPath()});
    options.addOption({"direct-once", "(used by the benchmark itself) convert SOURCE directly once, with the "
                                      "application folder --app-dir, into --work-dir", "source"});
    options.addHelpOption();
    options.process(application);
    if (options.isSet("direct-once")) {
        path_PNG = QDir(options.value("app-dir")).absolutePath() + u'/';
        return DirectRun(options.value("direct-once"), QDir(options.value("work-dir")).absolutePath() + u'/') >= 0 ? 0 : 1;
    }
    const int rounds = std::max(1, options.value("rounds").toInt());

    const QString mediaDir = options.value("media-dir");
    QDir().mkpath(mediaDir);
    const QString source = QDir(mediaDir).absoluteFilePath("cli720p-60s.mp4");
    const QString shortSource = QDir(mediaDir).absoluteFilePath("cli240p-2s.mp4");
    if (!MakeSource(source, "1280x720", 60) || !MakeSource(shortSource, "320x240", 2)) {
        std::fprintf(stderr, "ffmpeg could not make the sources in %s\n", qPrintable(mediaDir));
        return 2;
    }

    // A private application folder, so the serial number of the build's own Option.ini is left alone.
    QTemporaryDir work(options.value("work-dir") + QStringLiteral("/bench_cli-XXXXXX"));
    const QString root = work.path() + u'/';
    const QString appDir = QDir(options.value("app-dir")).absolutePath() + u'/';
    for (const char *folder : {"app", "home", "out"})
        QDir(root).mkpath(QLatin1String(folder));
    for (const char *name : {"pocketreel-cli", "DVDEncoder.so", "PfDef.dll", "PfSetting.ini", "Option.ini"}) {
        if (!QFile::copy(appDir + QLatin1String(name), root + "app/" + QLatin1String(name))) {
            std::fprintf(stderr, "no %s in %s\n", name, qPrintable(appDir));
            return 2;
        }
    }
    path_PNG = root + "app/";
    const QString out = root + "out/";

    std::printf("load average before: %s on %d cores\n", qPrintable(LoadAverage()), QThread::idealThreadCount());
    Way cli{"pocketreel-cli"}, direct{"direct, engine kept loaded"}, fresh{"direct, fresh process"};
    const auto measure = [&](Way &way, int who, const std::function<double()> &run) {
        ClearFolder(out);
        const double cpu = CpuSeconds(who);
        const double seconds = run();
        way.cpu.push_back(CpuSeconds(who) - cpu);
        way.wall.push_back(seconds);
        return seconds >= 0;
    };
    const auto cliOn = [&](Way &way, const QString &file) {
        return measure(way, RUSAGE_CHILDREN, [&] {
            return ChildRun(root + "app/pocketreel-cli", {"convert", "-q", "-o", out, file}, root + "home");
        });
    };
    const auto freshOn = [&](Way &way, const QString &file) {
        return measure(way, RUSAGE_CHILDREN, [&] {
            return ChildRun(QCoreApplication::applicationFilePath(),
                            {"--direct-once", file, "--app-dir", root + "app", "--work-dir", out}, root + "home");
        });
    };
    const auto runCli = [&] { return cliOn(cli, source); };
    const auto runDirect = [&] { return measure(direct, RUSAGE_SELF, [&] { return DirectRun(source, out); }); };
    const auto runFresh = [&] { return freshOn(fresh, source); };
    const std::vector<std::function<bool()>> ways{runDirect, runCli, runFresh};
    for (int round = 0; round < rounds; ++round) {
        // A different order each round evens out a warming cache and other load on the machine.
        for (size_t i = 0; i < ways.size(); ++i) {
            if (!ways[(i + size_t(round)) % ways.size()]()) {
                std::fprintf(stderr, "a conversion failed\n");
                return 1;
            }
        }
        std::printf("round %d: cli %.2f s (cpu %.2f s), direct %.2f s (cpu %.2f s), fresh %.2f s (cpu %.2f s), "
                    "load %s\n",
                    round + 1, cli.wall.back(), cli.cpu.back(), direct.wall.back(), direct.cpu.back(),
                    fresh.wall.back(), fresh.cpu.back(), qPrintable(LoadAverage()));
        std::fflush(stdout);
    }
    for (const Way *against : {&direct, &fresh})
        std::printf("against %-27s: wall %.2f / %.2f s = %.3f, cpu %.2f / %.2f s = %.3f  (target <= 1.02)\n",
                    against->name, Median(cli.wall), Median(against->wall), Median(cli.wall) / Median(against->wall),
                    Median(cli.cpu), Median(against->cpu), Median(cli.cpu) / Median(against->cpu));

    Way shortCli{"pocketreel-cli, 2 s"}, shortFresh{"direct, fresh process, 2 s"};
    for (int round = 0; round < std::max(1, options.value("short-rounds").toInt()); ++round) {
        const bool cliFirst = round % 2 == 1;
        if (!(cliFirst ? cliOn(shortCli, shortSource) && freshOn(shortFresh, shortSource)
                       : freshOn(shortFresh, shortSource) && cliOn(shortCli, shortSource))) {
            std::fprintf(stderr, "a conversion of the short clip failed\n");
            return 1;
        }
    }
    const double fixedCpu = Median(shortCli.cpu) - Median(shortFresh.cpu);
    std::printf("fixed cost of the command line: cpu %.3f - %.3f s = %+.0f ms a run (wall %+.0f ms), "
                "%.2f %% of the 60-second conversion's cpu\n",
                Median(shortCli.cpu), Median(shortFresh.cpu), fixedCpu * 1000,
                (Median(shortCli.wall) - Median(shortFresh.wall)) * 1000, 100 * fixedCpu / Median(fresh.cpu));
    std::printf("load average after: %s\n", qPrintable(LoadAverage()));
    return 0;
}
