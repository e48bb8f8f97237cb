// Marker release to the new picture painted in the preview pane, through the main window with the
// engine library of the application folder, on two 720p H.264 sources made by the ffmpeg tool (a
// keyframe every 2 s and every 10 s; kept in --media-dir for the next run): median and p90 over N
// releases of the start marker at random seconds, and the window thread's event latency (a probe
// event posted every 2 ms from another thread) while a frame is awaited.
#include "BenchPrompts.h"
#include "BenchStats.h"
#include "MachineLoad.h"
#include "PreviewDriving.h"
#include "TMainForm.h"
#include "core/AppGlobals.h"
#include "core/ClipList.h"
#include "core/preview/SliderGeometry.h"
#include "mainform/preview/PreviewComponent.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// The first paint of the preview picture after its pixmap changed, and when "Seeking please
// wait..." went (the frame has been fetched and set by then).
class PaintWatch : public QObject {
public:
    PaintWatch(QLabel *picture, QLabel *seeking) : picture_(picture), seeking_(seeking)
    {
        picture_->installEventFilter(this);
        seeking_->installEventFilter(this);
    }
    void Arm()
    {
        before_ = picture_->pixmap().cacheKey();
        painted_ = false;
    }
    bool Painted() const { return painted_; }
    Clock::time_point SeekingGone() const { return seekingGone_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == picture_ && event->type() == QEvent::Paint && picture_->pixmap().cacheKey() != before_)
            painted_ = true;
        if (watched == seeking_ && event->type() == QEvent::Hide)
            seekingGone_ = Clock::now();
        return false;
    }

private:
    QLabel *picture_;
    QLabel *seeking_;
    qint64 before_ = 0;
    bool painted_ = false;
    Clock::time_point seekingGone_;
};

// Events posted from another thread every 2 ms while on; each records how long it waited.
class LatencyProbe : public QObject {
public:
    struct Stamp : QEvent {
        explicit Stamp(Clock::time_point at) : QEvent(QEvent::User), at(at) {}
        Clock::time_point at;
    };

    LatencyProbe()
        : poster_([this] {
              while (!quit_) {
                  if (on_)
                      QCoreApplication::postEvent(this, new Stamp(Clock::now()));
                  std::this_thread::sleep_for(std::chrono::milliseconds(2));
              }
          })
    {
    }
    ~LatencyProbe() override
    {
        quit_ = true;
        poster_.join();
    }
    void SetOn(bool on) { on_ = on; }
    std::vector<double> latenciesMs;

protected:
    bool event(QEvent *event) override
    {
        if (event->type() != QEvent::User)
            return QObject::event(event);
        if (on_)
            latenciesMs.push_back(
                std::chrono::duration<double, std::milli>(Clock::now() - static_cast<Stamp *>(event)->at).count());
        return true;
    }

private:
    std::atomic<bool> on_{false};
    std::atomic<bool> quit_{false};
    std::thread poster_;
};

bool MakeSource(const QString &path, int keyframeFrames)
{
    if (QFile::exists(path))
        return true;
    std::printf("making %s...\n", qPrintable(path));
    std::fflush(stdout);
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"),
                 {"-nostdin", "-v", "error", "-y", "-f", "lavfi", "-i",
                  "testsrc2=size=1280x720:rate=25:duration=60,noise=alls=4:allf=t", "-c:v", "libx264", "-preset",
                  "veryfast", "-crf", "20", "-g", QString::number(keyframeFrames), "-sc_threshold", "0", "-pix_fmt",
                  "yuv420p", path + ".part.mp4"});
    return ffmpeg.waitForFinished(600000) && ffmpeg.exitCode() == 0 && QFile::rename(path + ".part.mp4", path);
}

struct Run {
    double firstMs = 0;           // the release that opens the grabber
    std::vector<double> releaseMs;
    std::vector<double> paintMs;  // of which from the frame set in the pane to its paint
    int lost = 0;                 // releases whose picture never came
};

// Waits until the pane painted its new picture; false after 30 s.
bool WaitForPaint(const PaintWatch &watch, const TMainForm &form)
{
    QElapsedTimer limit;
    limit.start();
    while (!(watch.Painted() && !PreviewDriving::Seeking(form)) && limit.elapsed() < 30000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return watch.Painted();
}

// Releases the start marker at `left` and times it to the paint of the new picture.
double TimedRelease(TMainForm &form, PaintWatch &watch, LatencyProbe &probe, int left, bool *painted,
                    double *paintMs = nullptr)
{
    TsuiImageButton *marker = form.Image_Left;
    QWidget *panel = form.Panel_Progress;
    const QPoint grip = marker->geometry().center();
    const QPoint to = grip + QPoint(left - marker->x(), 0);
    QTest::mousePress(marker, Qt::LeftButton, {}, marker->mapFrom(panel, grip));
    QTest::mouseMove(panel, to);
    watch.Arm();
    probe.SetOn(true);
    const auto start = Clock::now();
    QTest::mouseRelease(panel, Qt::LeftButton, {}, to);
    *painted = WaitForPaint(watch, form);
    const auto end = Clock::now();
    probe.SetOn(false);
    if (paintMs)
        *paintMs = std::chrono::duration<double, std::milli>(end - watch.SeekingGone()).count();
    return std::chrono::duration<double, std::milli>(end - start).count();
}

Run Measure(TMainForm &form, BenchPrompts &prompts, const QString &source, int releases, QRandomGenerator &random,
            LatencyProbe &probe)
{
    Run run;
    prompts.files = {source};
    emit form.suiImageButton_Clear->clicked();
    emit form.suiImageButton_OpenDir->clicked();
    TVideoInfo *clip = form.Clips().CurrentClip();
    if (!clip)
        return run;
    PaintWatch watch(form.Image_Preview, form.Label_Info);
    const FrameGrabberSession &grabber = form.PreviewPart()->Pane()->Grabber();
    const int duration = clip->Duration();
    bool painted = false;
    run.firstMs = TimedRelease(form, watch, probe, 1, &painted);
    while (int(run.releaseMs.size()) + run.lost < releases) {
        const int left = int(random.bounded(SliderGeometry::Travel(form.Image_Left->width()) + 1));
        const int second = SliderGeometry::TimeOfFraction(duration, SliderGeometry::StartFraction(left, form.Image_Left->width()));
        if (SliderGeometry::RequestedSecond(second, duration) == grabber.LastFrameTime() || left == form.Image_Left->x())
            continue;   // nothing would be asked for
        double paintMs = 0;
        const double ms = TimedRelease(form, watch, probe, left, &painted, &paintMs);
        if (painted) {
            run.releaseMs.push_back(ms);
            run.paintMs.push_back(paintMs);
        } else {
            ++run.lost;
        }
    }
    return run;
}

}

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCommandLineParser options;
    options.addOption({"releases", "marker releases a source", "n", "30"});
    options.addOption({"seed", "seed of the random seconds", "s", "1"});
    options.addOption({"app-dir", "folder holding DVDEncoder.so", "dir", POCKETREEL_APP_DIR});
    options.addOption({"media-dir", "where the sources are made and kept", "dir",
                       QCoreApplication::applicationDirPath() + "/media"});
    options.addHelpOption();
    options.process(app);
    path_PNG = QDir(options.value("app-dir")).absolutePath() + u'/';
    if (!QFile::exists(path_PNG + "DVDEncoder.so")) {
        std::fprintf(stderr, "no engine library at %s\n", qPrintable(path_PNG + "DVDEncoder.so"));
        return 2;
    }
    const QString mediaDir = options.value("media-dir");
    QDir().mkpath(mediaDir);
    const struct {
        const char *what;
        QString file;
        int keyframeFrames;
        double targetMs;
    } sources[] = {
        {"keyframe every 2 s ", mediaDir + "/preview720p-gop2s.mp4", 50, 60},
        {"keyframe every 10 s", mediaDir + "/preview720p-gop10s.mp4", 250, 120},
    };
    for (const auto &source : sources)
        if (!MakeSource(source.file, source.keyframeFrames)) {
            std::fprintf(stderr, "ffmpeg could not make %s\n", qPrintable(source.file));
            return 2;
        }

    BenchPrompts prompts;
    Prompts::Install(&prompts);
    TMainForm form;
    form.show();
    QCoreApplication::processEvents();
    LatencyProbe probe;
    QRandomGenerator random(options.value("seed").toUInt());
    const int releases = std::max(1, options.value("releases").toInt());

    const QString loadBefore = LoadAverage();
    bool ok = true;
    std::printf("marker release to new picture painted, 720p H.264, %d releases at random seconds:\n", releases);
    for (const auto &source : sources) {
        const Run run = Measure(form, prompts, source.file, releases, random, probe);
        ok = ok && run.lost == 0 && int(run.releaseMs.size()) == releases;
        std::printf("  %s: median %6.1f ms, p90 %6.1f ms, max %6.1f ms (target median <= %.0f ms)\n"
                    "    frame set to painted median %.1f ms; the release that opens the grabber %.1f ms; lost %d\n",
                    source.what, Median(run.releaseMs), Percentile(run.releaseMs, 0.9),
                    Percentile(run.releaseMs, 1.0), source.targetMs, Median(run.paintMs), run.firstMs, run.lost);
    }
    std::printf("window event latency while a frame is awaited: median %.2f ms, p99 %.2f ms, max %.2f ms "
                "over %zu probes (target p99 <= 50 ms)\n",
                Median(probe.latenciesMs), Percentile(probe.latenciesMs, 0.99), Percentile(probe.latenciesMs, 1.0),
                probe.latenciesMs.size());
    std::printf("load average (1, 5, 15 min): %s before, %s after; %d cores\n", qPrintable(loadBefore),
                qPrintable(LoadAverage()), QThread::idealThreadCount());
    for (const QString &message : prompts.messages)
        std::fprintf(stderr, "message: %s\n", qPrintable(message));
    ok = ok && prompts.messages.isEmpty();
    return ok ? 0 : 1;
}
