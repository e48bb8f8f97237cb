// pocketreel-cli against the engine's entry points: one 60-second 720p H.264 source converted
// with the default profile by the real command line (a process of its own: start-up, options,
// probe, name reservation, progress polling and thumbnail included) and by the same calls made
// directly in this process (probe, conversion, thumbnail), alternating. Prints the medians of
// the wall and CPU times and their ratios, with the load average beside them.
//
// usage: bench_cli [--rounds N] [--app-dir DIR] [--media-dir DIR] [--work-dir DIR]
#include "BenchStats.h"
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

bool MakeSource(const QString &path)
{
    if (QFile::exists(path))
        return true;
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"),
                 {"-v", "error", "-y", "-f", "lavfi", "-i", "testsrc2=size=1280x720:rate=30:duration=60,noise=alls=4:allf=t",
                  "-f", "lavfi", "-i", "sine=frequency=440:sample_rate=48000:duration=60", "-c:v", "libx264", "-preset",
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
    if (!engine.Load(EngineLibrary::GetFileinfoGetPic | EngineLibrary::ConversionEntries))
        return -1;
    const std::optional<EngineFileInfo> info = ProbeSource(engine, source);
    if (!info)
        return -1;
    ClipList clips;
    clips.SetOutputNamer([](int) { return QStringLiteral("MAQ70001.MP4"); });
    clips.AppendClip(ClipOfSource(source, *info));
    g_s_OutputFolder = outputFolder;
    const ConversionJob job = TakeConversionJob(clips, selection.Choices());
    const ClipPlan plan = PlanClip(job.clips.first(), job.settings, job.outputFolder, job.minDuration);
    std::array<QByteArray, ClipParameter::Count> t;
    for (size_t i = 0; i < t.size(); ++i)
        t[i] = QFile::encodeName(plan.parameters[i]);
    if (engine.X_SetPar_D2PSP(nullptr, 2, t[0], t[1], t[2], t[3], t[4], t[5], t[6], t[7], t[8], t[9], t[10], t[11],
                              t[12], t[13], t[14], t[15], t[16], job.stamp) != 0
        || engine.X_Get_Frame_JPEG(nullptr, 2, t[0], "0", QFile::encodeName(plan.thumbnailSecond), "160:120",
                                   QFile::encodeName(plan.thumbnailPath), job.stamp) != 0)
        return -1;
    return double(timer.nsecsElapsed()) / 1e9;
}

double CliRun(const QString &program, const QString &source, const QString &outputFolder, const QString &home)
{
    QElapsedTimer timer;
    timer.start();
    QProcess cli;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", home);
    cli.setProcessEnvironment(env);
    cli.start(program, {"convert", "-q", "-o", outputFolder, source});
    if (!cli.waitForFinished(-1) || cli.exitStatus() != QProcess::NormalExit || cli.exitCode() != 0) {
        std::fprintf(stderr, "pocketreel-cli failed: %s\n", cli.readAllStandardError().constData());
        return -1;
    }
    return double(timer.nsecsElapsed()) / 1e9;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    QCommandLineParser options;
    options.addOption({"rounds", "alternating rounds of each way", "n", "3"});
    options.addOption({"app-dir", "folder holding pocketreel-cli, DVDEncoder.so and the INI files", "dir",
                       POCKETREEL_APP_DIR});
    options.addOption({"media-dir", "where the source is made and kept", "dir",
                       QCoreApplication::applicationDirPath() + "/media"});
    options.addOption({"work-dir", "where the outputs go", "dir", QDir::tempPath()});
    options.addHelpOption();
    options.process(application);
    const int rounds = std::max(1, options.value("rounds").toInt());

    const QString mediaDir = options.value("media-dir");
    QDir().mkpath(mediaDir);
    const QString source = QDir(mediaDir).absoluteFilePath("cli720p-60s.mp4");
    if (!MakeSource(source)) {
        std::fprintf(stderr, "ffmpeg could not make %s\n", qPrintable(source));
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
    std::vector<double> cliWall, directWall, cliCpu, directCpu;
    const auto runDirect = [&] {
        ClearFolder(out);
        const double cpu = CpuSeconds(RUSAGE_SELF);
        const double seconds = DirectRun(source, out);
        directCpu.push_back(CpuSeconds(RUSAGE_SELF) - cpu);
        directWall.push_back(seconds);
        return seconds >= 0;
    };
    const auto runCli = [&] {
        ClearFolder(out);
        const double cpu = CpuSeconds(RUSAGE_CHILDREN);
        const double seconds = CliRun(root + "app/pocketreel-cli", source, out, root + "home");
        cliCpu.push_back(CpuSeconds(RUSAGE_CHILDREN) - cpu);
        cliWall.push_back(seconds);
        return seconds >= 0;
    };
    for (int round = 0; round < rounds; ++round) {
        // Alternating which goes first evens out a warming cache and other load on the machine.
        const bool cliFirst = round % 2 == 1;
        if (!(cliFirst ? runCli() && runDirect() : runDirect() && runCli())) {
            std::fprintf(stderr, "a conversion failed\n");
            return 1;
        }
        std::printf("round %d: direct %.2f s (cpu %.2f s), cli %.2f s (cpu %.2f s), load %s\n", round + 1,
                    directWall.back(), directCpu.back(), cliWall.back(), cliCpu.back(), qPrintable(LoadAverage()));
        std::fflush(stdout);
    }
    std::printf("median wall: cli %.2f s against direct %.2f s, ratio %.3f\n", Median(cliWall), Median(directWall),
                Median(cliWall) / Median(directWall));
    std::printf("median cpu : cli %.2f s against direct %.2f s, ratio %.3f  (target <= 1.02)\n", Median(cliCpu),
                Median(directCpu), Median(cliCpu) / Median(directCpu));
    std::printf("load average after: %s\n", qPrintable(LoadAverage()));
    return 0;
}
