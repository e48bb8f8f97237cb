// Three real clips of different kinds through the real windows and the engine library of the
// application folder: added with the Add button, converted with Start, judged by the same PSP
// conformity rules as the engine's own tests; then a second run stopped in the middle of its
// second clip. Leaves screenshots of the conversion window (run-midway.png, run-finished.png,
// run-stopped.png) in the test's folder.
#include "ClipListComponent.h"
#include "ModalRun.h"
#include "PspConformity.h"
#include "QtPrinting.h"
#include "ScriptedPrompts.h"
#include "TMainForm.h"
#include "TestMedia.h"
#include "TsuiImageButton.h"
#include "AppWindows.h"
#include "core/AppGlobals.h"
#include "core/conversion/ClipParameters.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using Kind = ScriptedPrompts::Kind;

// Seconds the window shows as reached ("HH:MM:SS").
int ShownSeconds(const QLabel *label)
{
    const QStringList parts = label->text().split(u':');
    return parts.size() == 3 ? parts[0].toInt() * 3600 + parts[1].toInt() * 60 + parts[2].toInt() : -1;
}

void Save(QWidget &window, const char *name)
{
    window.grab().save(QDir::current().filePath(QLatin1String(name)));
}

struct Source {
    QString path;
    double seconds;  // of its video: converted to the end, the output lasts as long
};

Source SourceOf(const QString &kind)
{
    const QString path = mediaPath(kind);
    return {path, numberOf(streamOf(probeJson(path), 0), QStringLiteral("duration"))};
}

QStringList Violations(const QString &file, const Source &source, double seconds)
{
    PspExpectation e;
    e.codec = QStringLiteral("h264");
    e.width = 480;
    e.height = 272;
    e.frameRate = 30000.0 / 1001;
    e.seconds = seconds;
    e.sampleRate = 48000;
    e.title = TitleOfSource(source.path);
    return pspViolations(file, e);
}

QSize PictureSize(const QString &file)
{
    const QJsonObject picture = streamOf(probeJson(file), 0);
    return {picture["width"].toInt(), picture["height"].toInt()};
}

} // namespace

TEST(RealRun, ThreeKindsOfClipThroughTheWindowsThenAStopInTheSecond)
{
    const QString built = QStringLiteral(POCKETREEL_APP_DIR "/DVDEncoder.so");
    if (!QFile::exists(built))
        GTEST_SKIP() << "the engine library is not built";
    if (QStandardPaths::findExecutable("ffmpeg").isEmpty() || QStandardPaths::findExecutable("ffprobe").isEmpty())
        GTEST_SKIP() << "no ffmpeg and ffprobe tools to make and judge media";

    // A private application folder: the shipped definitions and profiles, whatever the build's
    // own folder holds by now.
    QTemporaryDir app, out;
    ASSERT_TRUE(QFile::copy(built, app.filePath("DVDEncoder.so")));
    for (const char *name : {"PfDef.dll", "PfSetting.ini"})
        ASSERT_TRUE(QFile::copy(QStringLiteral(POCKETREEL_SOURCE_DIR "/assets/ini/") + QLatin1String(name),
                                app.filePath(QLatin1String(name))));
    const struct {
        QString path, output, serial;
        int minDuration;
    } saved{path_PNG, g_s_OutputFolder, QString(), i_MinDurationTime};
    path_PNG = app.path() + u'/';
    g_s_OutputFolder = out.path() + u'/';
    i_MinDurationTime = -1;

    const Source sources[] = {SourceOf("avi"), SourceOf("long"), SourceOf("dvd")};
    ScriptedPrompts prompts;
    {
        TMainForm mainForm;
        TProcessForm processForm;
        ProcessForm = &processForm;
        mainForm.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&mainForm));
        prompts.QueueOpenFiles({sources[0].path, sources[1].path, sources[2].path});
        QTest::mouseClick(mainForm.suiImageButton_OpenDir, Qt::LeftButton, {}, QPoint(5, 5));
        ASSERT_EQ(mainForm.Clips().Count(), 3);
        const int firstSerial = i_OutputPSPSerialNumber;

        // The whole list, watched half-way through the long clip and at the end.
        WhileShown(processForm, [&] {
            ASSERT_TRUE(QTest::qWaitFor([&] {
                return processForm.Label_TitleName->text() == sources[1].path && ShownSeconds(processForm.Label_CurrentTime) >= 10;
            }, 120000));
            Save(processForm, "run-midway.png");
            ASSERT_TRUE(QTest::qWaitFor([&] { return !processForm.RunInProgress(); }, 120000));
            Save(processForm, "run-finished.png");
        });
        QTest::mouseClick(mainForm.suiImageButton_StartConvert, Qt::LeftButton, {}, QPoint(50, 50));

        EXPECT_EQ(prompts.TextsOf(Kind::Information),
                  QStringList{QStringLiteral("Process finish!\nYou can upload file to your PSP.")});
        for (int i = 0; i < 3; ++i) {
            SCOPED_TRACE(sources[i].path.toStdString());
            const QString mp4 = g_s_OutputFolder + QStringLiteral("MAQ7%1.MP4").arg(firstSerial + i, 4, 10, QChar(u'0'));
            EXPECT_EQ(Violations(mp4, sources[i], sources[i].seconds), QStringList());
            EXPECT_EQ(PictureSize(mp4.chopped(3) + "THM"), QSize(160, 120));
        }
        EXPECT_EQ(i_OutputPSPSerialNumber, firstSerial + 3);

        // Again, stopped once the second clip is well under way.
        prompts.ClearQuestions();
        const int secondSerial = i_OutputPSPSerialNumber;
        WhileShown(processForm, [&] {
            ASSERT_TRUE(QTest::qWaitFor([&] {
                return processForm.Label_TitleName->text() == sources[1].path
                    && processForm.suiImageButton_StopConvert->isEnabled()
                    && ShownSeconds(processForm.Label_CurrentTime) >= 8;
            }, 120000));
            prompts.QueueConfirm(true);
            QTest::mouseClick(processForm.suiImageButton_StopConvert, Qt::LeftButton, {}, QPoint(40, 40));
            ASSERT_TRUE(QTest::qWaitFor([&] { return !processForm.RunInProgress(); }, 60000));
            Save(processForm, "run-stopped.png");
        });
        QTest::mouseClick(mainForm.suiImageButton_StartConvert, Qt::LeftButton, {}, QPoint(50, 50));

        EXPECT_EQ(prompts.TextsOf(Kind::Information), QStringList{QStringLiteral("Stop process by user!")});
        const auto name = [&](int i, const char *extension) {
            return g_s_OutputFolder + QStringLiteral("MAQ7%1.").arg(secondSerial + i, 4, 10, QChar(u'0')) + extension;
        };
        EXPECT_EQ(Violations(name(0, "MP4"), sources[0], sources[0].seconds), QStringList());
        const QJsonObject stopped = streamOf(probeJson(name(1, "MP4")), 0);
        const double stoppedSeconds = numberOf(stopped, "nb_read_frames") / (30000.0 / 1001);
        EXPECT_GT(stoppedSeconds, 5);
        EXPECT_LT(stoppedSeconds, 25);
        EXPECT_EQ(Violations(name(1, "MP4"), sources[1], stoppedSeconds), QStringList());
        EXPECT_TRUE(QFile::exists(name(1, "THM")));
        EXPECT_FALSE(QFile::exists(name(2, "MP4")));
        EXPECT_EQ(i_OutputPSPSerialNumber, secondSerial + 3);
        ProcessForm = nullptr;
    }
    path_PNG = saved.path;
    g_s_OutputFolder = saved.output;
    i_MinDurationTime = saved.minDuration;
}
