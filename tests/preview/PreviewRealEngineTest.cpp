// The preview through the real window with the engine library of the application folder, on a
// 720p H.264 clip and a DVD-like anamorphic MPEG-2 clip made by the ffmpeg tool. Every release
// must show the frame of the second the slider's rules ask for, judged against the frame the
// ffmpeg tool extracts there; snapshots are judged by ffprobe. Leaves a picture of the window
// after each clip's drags (preview-real-engine-*.png) in the test's folder.
#include "PreviewDriving.h"
#include "ScriptedPrompts.h"
#include "TMainForm.h"
#include "TsuiMaskEdit.h"
#include "core/AppGlobals.h"
#include "core/ClipList.h"
#include "core/TextHelpers.h"
#include "core/preview/SliderGeometry.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>

using namespace PreviewDriving;

namespace {

QByteArray RunTool(const QString &program, const QStringList &args)
{
    QProcess tool;
    tool.start(program, args);
    if (!tool.waitForFinished(180000) || tool.exitCode() != 0)
        return {};
    return tool.readAllStandardOutput();
}

bool MakeMedia(const QString &path, const QStringList &args)
{
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"), QStringList{"-v", "error", "-y"} << args << path);
    return ffmpeg.waitForFinished(180000) && ffmpeg.exitCode() == 0;
}

// The frame the ffmpeg tool shows at `second` (accurate seek), scaled to the picture's size.
QImage ToolFrame(const QString &file, int second, const QSize &size)
{
    const QByteArray raw = RunTool(QStringLiteral("ffmpeg"),
        {"-v", "error", "-ss", QString::number(second), "-i", file, "-frames:v", "1", "-vf",
         QStringLiteral("scale=%1:%2").arg(size.width()).arg(size.height()), "-f", "rawvideo", "-pix_fmt", "rgb24",
         "-"});
    if (raw.size() != qsizetype(size.width()) * size.height() * 3)
        return {};
    QImage frame(size, QImage::Format_RGB888);
    for (int y = 0; y < size.height(); ++y)
        std::memcpy(frame.scanLine(y), raw.constData() + qsizetype(y) * size.width() * 3, size_t(size.width()) * 3);
    return frame;
}

double Psnr(const QImage &a, const QImage &b)
{
    if (a.size() != b.size() || a.isNull())
        return 0;
    const QImage x = a.convertToFormat(QImage::Format_RGB888);
    const QImage y = b.convertToFormat(QImage::Format_RGB888);
    double sum = 0;
    for (int row = 0; row < x.height(); ++row)
        for (int i = 0; i < x.width() * 3; ++i) {
            const double d = double(x.constScanLine(row)[i]) - double(y.constScanLine(row)[i]);
            sum += d * d;
        }
    const double mse = sum / (double(x.width()) * x.height() * 3);
    return mse == 0 ? 99 : 10 * std::log10(255.0 * 255.0 / mse);
}

QSize ProbedSize(const QString &file)
{
    const QByteArray out = RunTool(QStringLiteral("ffprobe"),
        {"-v", "error", "-select_streams", "v:0", "-show_entries", "stream=width,height,codec_name", "-of",
         "csv=p=0", file});
    const QList<QByteArray> fields = out.trimmed().split(',');
    return fields.size() == 3 && fields[0] == "mjpeg" ? QSize(fields[1].toInt(), fields[2].toInt()) : QSize();
}

class PreviewRealEngine : public ::testing::Test {
protected:
    void SetUp() override
    {
        const QString appDir = QStringLiteral(POCKETREEL_APP_DIR "/");
        if (!QFile::exists(appDir + "DVDEncoder.so"))
            GTEST_SKIP() << "the engine library is not built in " << qPrintable(appDir);
        if (QStandardPaths::findExecutable("ffmpeg").isEmpty() || QStandardPaths::findExecutable("ffprobe").isEmpty())
            GTEST_SKIP() << "no ffmpeg and ffprobe tools";
        ASSERT_TRUE(media.isValid());
        savedPath = path_PNG;
        savedOutputFolder = g_s_OutputFolder;
        path_PNG = appDir;
        g_s_OutputFolder = media.path() + QLatin1Char('/');
    }

    void TearDown() override
    {
        path_PNG = savedPath;
        g_s_OutputFolder = savedOutputFolder;
    }

    // Lets a marker go and waits for the pane to show what came.
    void Release(TMainForm &form, TsuiImageButton *marker, int left)
    {
        DragTo(form, marker, left);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !Seeking(form); }, 60000)) << "no frame came";
    }

    // The pane shows the frame at `second`: close to the ffmpeg tool's, further from its neighbours'.
    void ExpectShown(TMainForm &form, const QString &file, int second)
    {
        SCOPED_TRACE(testing::Message() << "frame at " << second << " s");
        const QImage shown = form.Image_Preview->pixmap().toImage();
        const double here = Psnr(shown, ToolFrame(file, second, shown.size()));
        EXPECT_GE(here, 30.0);
        for (int other : {second - 1, second + 1})
            EXPECT_GT(here, Psnr(shown, ToolFrame(file, other, shown.size())) + 3) << "against " << other << " s";
    }

    QTemporaryDir media;
    ScriptedPrompts prompts;
    QString savedPath;
    QString savedOutputFolder;
};

}

TEST_F(PreviewRealEngine, ReleasesShowTheRequestedSecondsAndSnapshotsHaveTheirSizes)
{
    // Every second has its own colours, so that a frame of a neighbouring second is told apart.
    const QString picture = QStringLiteral("testsrc2=size=%1:rate=%2:duration=30,hue=H=2*PI*t/12");
    const QString h264 = media.filePath("holiday 720p.mp4");
    const QString dvd = media.filePath("VTS_01_1.VOB");
    ASSERT_TRUE(MakeMedia(h264, {"-f", "lavfi", "-i", picture.arg("1280x720", "30"), "-c:v", "libx264", "-preset",
                                 "veryfast", "-g", "60", "-pix_fmt", "yuv420p"}));
    ASSERT_TRUE(MakeMedia(dvd, {"-f", "lavfi", "-i", picture.arg("720x480", "30000/1001"), "-f", "lavfi", "-i",
                                "sine=duration=30:sample_rate=48000", "-c:v", "mpeg2video", "-b:v", "6M", "-g", "15",
                                "-bf", "2", "-aspect", "16:9", "-c:a", "ac3", "-f", "dvd"}));

    TMainForm form;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    prompts.QueueOpenFiles({h264, dvd});
    QTest::mouseClick(form.suiImageButton_OpenDir, Qt::LeftButton, {}, QPoint(5, 5));
    ClipList &clips = form.Clips();
    ASSERT_EQ(clips.Count(), 2);
    ASSERT_TRUE(clips.ClipAt(1)->DisplayAspect());

    const struct {
        QString file;
        QSize jpeg;
    } cases[] = {{h264, {1280, 720}}, {dvd, {853, 480}}};
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(cases[i].file.toStdString());
        const QString &file = cases[i].file;
        TVideoInfo *clip = clips.ClipAt(i);
        PressRow(form, clip);
        ASSERT_EQ(clips.CurrentClip(), clip);
        ASSERT_EQ(clip->Duration(), 30);

        // The end marker opens the grabber: the frame after an opening is the start's (0 asks 1).
        Release(form, form.Image_Right, 110);
        EXPECT_EQ(clip->EndTime(), SliderGeometry::TimeOfFraction(30, 100.0f / 134));
        ExpectShown(form, file, 1);
        // The start marker: its own second.
        Release(form, form.Image_Left, 67);
        EXPECT_EQ(clip->StartTime(), 15);
        ExpectShown(form, file, 15);
        // The end of the clip: 10 s earlier.
        Release(form, form.Image_Right, 144);
        EXPECT_EQ(clip->EndTime(), 30);
        ExpectShown(form, file, 20);
        EXPECT_EQ(form.suiEdit_Start->text(), SecondsToText(clip->StartTime()));
        EXPECT_EQ(form.suiEdit_Stop->text(), SecondsToText(clip->EndTime()));
        form.grab().save(QDir::current().filePath(QStringLiteral("preview-real-engine-%1.png").arg(i + 1)));

        const QString thm = media.filePath(QStringLiteral("shot%1").arg(i));
        const QString jpg = media.filePath(QStringLiteral("shot%1.jpg").arg(i));
        prompts.QueueSaveFile(thm, 1);
        QTest::mouseClick(form.suiImageButton_Snapshoot, Qt::LeftButton, {}, QPoint(5, 5));
        prompts.QueueSaveFile(jpg, 2);
        QTest::mouseClick(form.suiImageButton_Snapshoot, Qt::LeftButton, {}, QPoint(5, 5));
        EXPECT_EQ(ProbedSize(thm + ".THM"), QSize(160, 120));
        EXPECT_EQ(ProbedSize(g_s_OutputFolder + clip->OutputName().chopped(3) + "THM"), QSize(160, 120));
        EXPECT_EQ(ProbedSize(jpg), cases[i].jpeg);
    }
    EXPECT_TRUE(prompts.TextsOf(ScriptedPrompts::Kind::Error).isEmpty());
    EXPECT_TRUE(prompts.TextsOf(ScriptedPrompts::Kind::Confirm).isEmpty()) << "nothing reached the error report";
}
