// Adds N copies of a few 720p sources (made with the ffmpeg tool) through the clip list as the
// Add button does, with the engine library of the application folder, and reports:
//   - probe plus picture (ClipFromFile alone, library loaded and released per file): median ms
//   - adding through the list (interval between consecutive new rows): median ms, total s
//   - whether the main window repainted after every file.
#include "BenchPrompts.h"
#include "BenchStats.h"
#include "ClipFromFile.h"
#include "ClipListComponent.h"
#include "TMainForm.h"
#include "TsuiImageButton.h"
#include "core/AppGlobals.h"
#include "core/ClipList.h"
#include "platform/Prompts.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Paint events of every widget.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

bool MakeSource(const QString &path, const QStringList &input)
{
    QStringList args{"-v", "error", "-y"};
    args << input << path;
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"), args);
    return ffmpeg.waitForFinished(120000) && ffmpeg.exitCode() == 0 && QFile::exists(path);
}

}

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCommandLineParser options;
    options.addOption({"files", "number of files to add", "n", "100"});
    options.addOption({"app-dir", "folder holding DVDEncoder.so", "dir", POCKETREEL_APP_DIR});
    options.addHelpOption();
    options.process(app);
    const int count = std::max(1, options.value("files").toInt());
    path_PNG = QDir(options.value("app-dir")).absolutePath() + u'/';
    if (!QFile::exists(path_PNG + "DVDEncoder.so")) {
        std::fprintf(stderr, "no engine library at %s\n", qPrintable(path_PNG + "DVDEncoder.so"));
        return 2;
    }

    QTemporaryDir media;
    const QString lavfi = QStringLiteral("lavfi");
    const struct {
        const char *name;
        QStringList input;
    } sources[] = {
        {"h264 aac.mp4", {"-f", lavfi, "-i", "testsrc2=size=1280x720:rate=30:duration=4", "-f", lavfi,
                          "-i", "sine=frequency=440:duration=4", "-c:v", "libx264", "-preset",
                          "veryfast", "-pix_fmt", "yuv420p", "-c:a", "aac", "-shortest"}},
        {"mpeg4 silent.avi", {"-f", lavfi, "-i", "smptehdbars=size=1280x720:rate=25:duration=4",
                              "-c:v", "mpeg4", "-q:v", "4"}},
        {"h264 anamorphic.mkv", {"-f", lavfi, "-i", "mandelbrot=size=960x720:rate=24", "-t", "4",
                                 "-vf", "setsar=4/3", "-c:v", "libx264", "-preset", "veryfast",
                                 "-pix_fmt", "yuv420p"}},
        {"h264 black lead-in.mp4", {"-f", lavfi, "-i",
                                    "color=black:size=1280x720:rate=30:duration=1[b];"
                                    "testsrc=size=1280x720:rate=30:duration=3[t];[b][t]concat",
                                    "-c:v", "libx264", "-preset", "veryfast", "-pix_fmt", "yuv420p"}},
    };
    QStringList made;
    for (const auto &source : sources) {
        const QString path = media.filePath(QString::fromUtf8(source.name));
        if (!MakeSource(path, source.input)) {
            std::fprintf(stderr, "ffmpeg could not make %s\n", source.name);
            return 2;
        }
        made << path;
    }
    BenchPrompts prompts;
    Prompts::Install(&prompts);
    for (int i = 0; i < count; ++i) {
        const QString copy = media.filePath(QString("clip %1 – %2").arg(i, 3, 10, QChar('0'))
                                                .arg(QFileInfo(made[i % made.size()]).fileName()));
        QFile::copy(made[i % made.size()], copy);
        prompts.files << copy;
    }

    // Probe plus picture alone, as the list does it for each file.
    std::vector<double> probeMs;
    for (const QString &path : prompts.files) {
        QElapsedTimer timer;
        timer.start();
        const bool ok = ClipFromFile(path) != nullptr;
        probeMs.push_back(double(timer.nsecsElapsed()) / 1e6);
        if (!ok) {
            std::fprintf(stderr, "the engine refused %s\n", qPrintable(path));
            return 1;
        }
    }

    // The same files through the Add button of the main window.
    TMainForm window;
    ClipList &clips = window.Clips();
    PaintCounter paintCounter;
    // The skin covers the window: its paint events, and the rows', tell that the window repainted.
    QCoreApplication::instance()->installEventFilter(&paintCounter);
    window.show();
    QCoreApplication::processEvents();
    prompts.messages.clear();

    std::vector<double> addMs;
    std::vector<int> paintsAtAppend;
    QElapsedTimer total;
    qint64 last = 0;
    QObject::connect(&clips, &ClipList::ClipAppended, [&] {
        const qint64 now = total.nsecsElapsed();
        addMs.push_back(double(now - last) / 1e6);
        last = now;
        paintsAtAppend.push_back(paintCounter.paints);
    });
    total.start();
    emit window.suiImageButton_OpenDir->clicked();
    const double totalS = double(total.nsecsElapsed()) / 1e9;
    paintsAtAppend.push_back(paintCounter.paints);

    // A repaint after file i shows up between its row's append and the next one.
    int filesWithoutRepaint = 0;
    for (size_t i = 0; i + 1 < paintsAtAppend.size(); ++i)
        if (paintsAtAppend[i + 1] <= paintsAtAppend[i])
            ++filesWithoutRepaint;

    std::printf("files added                : %d of %d (%lld messages)\n", clips.Count(), count,
                static_cast<long long>(prompts.messages.size()));
    std::printf("probe + picture, median    : %.1f ms (p90 %.1f, max %.1f)  target <= 60 ms\n",
                Median(probeMs), Percentile(probeMs, 0.9), Percentile(probeMs, 1.0));
    std::printf("add through list, median   : %.1f ms a file (p90 %.1f)\n", Median(addMs),
                Percentile(addMs, 0.9));
    std::printf("add through list, total    : %.2f s for %d files  target <= 10 s for 100\n",
                totalS, count);
    std::printf("window paints              : %d, files without a repaint after them: %d\n",
                paintCounter.paints, filesWithoutRepaint);
    const bool ok = clips.Count() == count && filesWithoutRepaint == 0;
    return ok ? 0 : 1;
}
