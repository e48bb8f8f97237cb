// A conversion run and an upload through the windows, each against its plain counterpart in the
// same process, alternating:
//   - three generated clips (H.264/AAC, MPEG-4/MP3, anamorphic MPEG-2/AC-3) converted with the
//     Start button of the main window, against the same conversions and thumbnails made directly
//     through the engine's entry points; the window thread's event latency during the window run;
//   - one file uploaded with the conversion window's Copy button to a folder standing for the PSP,
//     against `cp` followed by `sync` of the copy; the event latency during the upload.
//
// usage: bench_run [--rounds N] [--seconds S] [--upload-mb M] [--app-dir DIR] [--work-dir DIR]
#include "BenchPrompts.h"
#include "ClipListComponent.h"
#include "EventLatencyProbe.h"
#include "SettingsPanel.h"
#include "TMainForm.h"
#include "TProcessForm.h"
#include "TsuiImageButton.h"
#include "AppWindows.h"
#include "core/AppGlobals.h"
#include "core/ClipList.h"
#include "core/conversion/ClipJobs.h"
#include "core/conversion/ClipParameters.h"
#include "engine/EngineLibrary.h"
#include "platform/volumes/Volumes.h"
#include "BenchStats.h"
#include "DirectConversion.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <sys/resource.h>
#include <vector>

namespace {

// Every box is noted with the time it came, which marks the end of a run or an upload; then
// `afterBox` runs once the box would have been dismissed.
class TimedPrompts : public BenchPrompts {
public:
    QElapsedTimer *clock = nullptr;
    qint64 endedAt = 0;
    std::function<void()> afterBox;

    void Information(const QString &text) override { Ended(text); }
    void Error(const QString &text) override { Ended(text); }

private:
    void Ended(const QString &text)
    {
        endedAt = clock->nsecsElapsed();
        messages << text;
        if (afterBox)
            QTimer::singleShot(0, afterBox);
    }
};

// One removable volume: the folder standing for the PSP.
class OneRemovableVolume : public Volumes {
public:
    explicit OneRemovableVolume(const QString &mountPoint)
    {
        volume_.mountPoint = mountPoint;
        volume_.kind = VolumeKind::Removable;
    }
    QList<Volume> mounted() const override { return {volume_}; }
    void watch(MessageTarget *) override {}
    std::optional<Volume> notified(intptr_t) const override { return std::nullopt; }

private:
    Volume volume_;
};

double CpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

bool Tool(const QString &program, const QStringList &args)
{
    QProcess process;
    process.start(program, args);
    return process.waitForFinished(-1) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

bool MakeSources(const QString &folder, int seconds, QStringList &made)
{
    const QString d = QString::number(seconds);
    const QString lavfi = QStringLiteral("lavfi");
    const struct {
        const char *name;
        QStringList args;
    } sources[] = {
        {"holiday h264.mp4", {"-f", lavfi, "-i", "testsrc2=size=1280x720:rate=30:duration=" + d, "-f", lavfi, "-i",
                              "sine=frequency=440:duration=" + d, "-c:v", "libx264", "-preset", "veryfast",
                              "-pix_fmt", "yuv420p", "-c:a", "aac", "-shortest"}},
        {"camera mpeg4.avi", {"-f", lavfi, "-i", "testsrc=size=640x480:rate=25:duration=" + d, "-f", lavfi, "-i",
                              "sine=frequency=660:sample_rate=44100:duration=" + d, "-c:v", "mpeg4", "-q:v", "4",
                              "-c:a", "libmp3lame", "-b:a", "128k", "-shortest"}},
        {"dvd widescreen.mpg", {"-f", lavfi, "-i", "smptebars=size=720x480:rate=30000/1001:duration=" + d, "-f", lavfi,
                                "-i", "sine=frequency=330:sample_rate=48000:duration=" + d, "-vf", "setdar=16/9",
                                "-c:v", "mpeg2video", "-b:v", "4M", "-c:a", "ac3", "-f", "vob", "-shortest"}},
    };
    for (const auto &source : sources) {
        const QString path = folder + QLatin1String(source.name);
        if (!Tool(QStringLiteral("ffmpeg"), QStringList{"-v", "error", "-y"} + source.args + QStringList{path}))
            return false;
        made << path;
    }
    return true;
}

// The job's conversions and thumbnails straight through the entry points, the library loaded once.
double DirectRun(const ConversionJob &job, const QString &prefix)
{
    EngineLibrary engine(job.enginePath);
    if (!engine.Load(EngineLibrary::ConversionEntries))
        return -1;
    QElapsedTimer timer;
    timer.start();
    for (ClipJob clip : job.clips) {
        clip.outputName = prefix + clip.outputName;
        if (!ConvertDirectly(engine, PlanClip(clip, job.settings, job.outputFolder, job.minDuration), job.stamp))
            return -1;
    }
    return double(timer.nsecsElapsed()) / 1e9;
}

void ClearFolder(const QString &folder)
{
    QDir dir(folder);
    for (const QString &file : dir.entryList(QDir::Files))
        dir.remove(file);
}

void Report(const char *what, const std::vector<double> &window, const std::vector<double> &plain, const char *target)
{
    std::printf("%-34s: %.2f s against %.2f s, ratio %.3f  %s\n", what, Median(window), Median(plain),
                Median(window) / Median(plain), target);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QCommandLineParser options;
    options.addOption({"rounds", "alternating rounds of each comparison", "n", "3"});
    options.addOption({"seconds", "length of each generated clip", "s", "20"});
    options.addOption({"upload-mb", "size of the uploaded file (0: no upload)", "mb", "200"});
    options.addOption({"app-dir", "folder holding DVDEncoder.so, PfDef.dll and PfSetting.ini", "dir", POCKETREEL_APP_DIR});
    options.addOption({"work-dir", "where sources, outputs and the PSP stand-in go", "dir", QDir::tempPath()});
    options.addHelpOption();
    options.process(application);
    const int rounds = std::max(1, options.value("rounds").toInt());
    const qint64 uploadBytes = qint64(std::max(0, options.value("upload-mb").toInt())) * 1024 * 1024;

    QTemporaryDir work(options.value("work-dir") + QStringLiteral("/bench_run-XXXXXX"));
    const QString root = work.path() + u'/';
    const QString appDir = QDir(options.value("app-dir")).absolutePath() + u'/';
    QDir(root).mkpath(QStringLiteral("app"));
    for (const char *name : {"DVDEncoder.so", "PfDef.dll", "PfSetting.ini"}) {
        if (!QFile::copy(appDir + QLatin1String(name), root + QStringLiteral("app/") + QLatin1String(name))) {
            std::fprintf(stderr, "no %s in %s\n", name, qPrintable(appDir));
            return 2;
        }
    }
    for (const char *folder : {"media", "out", "psp/PSP", "psp/MP_ROOT/100ANV01"})
        QDir(root).mkpath(QLatin1String(folder));
    path_PNG = root + QStringLiteral("app/");
    g_s_OutputFolder = root + QStringLiteral("out/");
    PSPUploadFolder = QStringLiteral("PSP/");
    PSPAVCFolder = QStringLiteral("MP_ROOT/100ANV01/");
    i_MinDurationTime = -1;

    QStringList sources;
    if (!MakeSources(root + QStringLiteral("media/"), options.value("seconds").toInt(), sources)) {
        std::fprintf(stderr, "the ffmpeg tool could not make the sources\n");
        return 2;
    }

    QElapsedTimer clock;
    clock.start();
    TimedPrompts prompts;
    prompts.clock = &clock;
    Prompts::Install(&prompts);
    OneRemovableVolume psp(root + QStringLiteral("psp/"));
    TMainForm mainForm;
    TProcessForm processForm;
    ProcessForm = &processForm;
    mainForm.show();
    mainForm.ClipListPart()->AddFiles(sources);
    if (mainForm.Clips().Count() != 3) {
        std::fprintf(stderr, "the engine refused a source\n");
        return 1;
    }
    EventLatencyProbe probe;

    std::vector<double> windowRun, directRun, windowCpu, directCpu, runLatency;
    const auto runDirect = [&] {
        ClearFolder(g_s_OutputFolder);
        const ConversionJob job = TakeConversionJob(mainForm.Clips(), mainForm.Settings()->Choices());
        const double cpu = CpuSeconds();
        const double seconds = DirectRun(job, QStringLiteral("D"));
        directCpu.push_back(CpuSeconds() - cpu);
        directRun.push_back(seconds);
        return seconds >= 0;
    };
    const auto runWindow = [&] {
        ClearFolder(g_s_OutputFolder);
        prompts.messages.clear();
        const double cpu = CpuSeconds();
        probe.Start();
        const qint64 start = clock.nsecsElapsed();
        prompts.afterBox = [&] { processForm.suiImageButton_CloseClick(); };
        emit mainForm.suiImageButton_StartConvert->clicked();
        prompts.afterBox = nullptr;
        probe.Stop();
        windowCpu.push_back(CpuSeconds() - cpu);
        windowRun.push_back(double(prompts.endedAt - start) / 1e9);
        runLatency.push_back(probe.Percentile(0.99));
        return prompts.messages == QStringList{QStringLiteral("Process finish!\nYou can upload file to your PSP.")};
    };
    for (int round = 0; round < rounds; ++round) {
        // Alternating which goes first evens out a warming cache and other load on the machine.
        const bool windowFirst = round % 2 == 1;
        if (!(windowFirst ? runWindow() && runDirect() : runDirect() && runWindow())) {
            std::fprintf(stderr, "a run failed: %s\n", qPrintable(prompts.messages.join(" / ")));
            return 1;
        }
        std::printf("round %d: direct %.2f s, window %.2f s, event latency p99 %.1f ms (%zu events)\n", round + 1,
                    directRun.back(), windowRun.back(), runLatency.back(), probe.Count());
        std::fflush(stdout);
    }

    std::vector<double> uploadRun, cpRun, uploadLatency;
    if (uploadBytes > 0) {
        ClearFolder(g_s_OutputFolder);
        const QString name = QStringLiteral("MAQ79999.MP4");
        {
            QFile big(g_s_OutputFolder + name);
            if (!big.open(QIODevice::WriteOnly))
                return 2;
            QByteArray block(1024 * 1024, Qt::Uninitialized);
            for (qint64 written = 0, n = 0; written < uploadBytes; written += block.size(), ++n) {
                for (int i = 0; i < block.size(); i += 64)
                    block[i] = char(n + i);
                big.write(block);
            }
        }
        ClipList uploadList;
        auto clip = std::make_unique<TVideoInfo>();
        clip->SetTicked(true);
        uploadList.AppendClip(std::move(clip))->SetOutputName(name);
        processForm.SetUploadSources(&uploadList, &psp);
        const QString destination = root + QStringLiteral("psp/MP_ROOT/100ANV01/") + name;
        const auto copyWithCp = [&] {
            QFile::remove(destination);
            QElapsedTimer timer;
            timer.start();
            const bool copied = Tool(QStringLiteral("sh"), {"-c", QStringLiteral("cp \"$0\" \"$1\" && sync \"$1\""),
                                                            g_s_OutputFolder + name, destination});
            cpRun.push_back(double(timer.nsecsElapsed()) / 1e9);
            return copied;
        };
        const auto upload = [&] {
            QFile::remove(destination);
            prompts.messages.clear();
            processForm.show();
            probe.Start();
            const qint64 start = clock.nsecsElapsed();
            processForm.suiImageButton_CopyClick();
            probe.Stop();
            processForm.hide();
            uploadRun.push_back(double(prompts.endedAt - start) / 1e9);
            uploadLatency.push_back(probe.Percentile(0.99));
            return prompts.messages == QStringList{QStringLiteral("Upload to PSP finish!")};
        };
        for (int round = 0; round < rounds; ++round) {
            const bool uploadFirst = round % 2 == 1;
            if (!(uploadFirst ? upload() && copyWithCp() : copyWithCp() && upload())) {
                std::fprintf(stderr, "a copy failed: %s\n", qPrintable(prompts.messages.join(" / ")));
                return 1;
            }
            std::printf("round %d: cp + sync %.2f s, upload %.2f s, event latency p99 %.1f ms (%zu events)\n",
                        round + 1, cpRun.back(), uploadRun.back(), uploadLatency.back(), probe.Count());
            std::fflush(stdout);
        }
    }

    std::printf("\nmedians of %d rounds\n", rounds);
    Report("window run / direct ABI, wall", windowRun, directRun, "target <= 1.03");
    Report("window run / direct ABI, CPU", windowCpu, directCpu, "");
    std::printf("%-34s: %.1f ms  target <= 50 ms\n", "event latency p99 while converting", Median(runLatency));
    if (uploadBytes > 0) {
        const double mb = double(uploadBytes) / (1024 * 1024);
        std::printf("%-34s: %.1f MB/s against %.1f MB/s, ratio %.3f  target >= 0.9\n", "upload / cp + sync, throughput",
                    mb / Median(uploadRun), mb / Median(cpRun), Median(cpRun) / Median(uploadRun));
        std::printf("%-34s: %.1f ms  target <= 50 ms\n", "event latency p99 while uploading", Median(uploadLatency));
    }
    ProcessForm = nullptr;
    return 0;
}
