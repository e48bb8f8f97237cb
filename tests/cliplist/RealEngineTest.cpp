// The list with the engine library of the application folder and media made by the ffmpeg tool,
// as a new user meets it: real files of different kinds, names with blanks, quotes and accents.
// Leaves a screenshot of the main window (cliplist-real-engine.png) in the test's folder.
#include "ScriptedPrompts.h"
#include "core/AppGlobals.h"
#include "mainform/TMainForm.h"
#include "mainform/cliplist/ClipListComponent.h"
#include "mainform/cliplist/ClipListView.h"
#include "mainform/cliplist/ClipRow.h"
#include "mainform/cliplist/TLabelInfo.h"
#include "skin/TsuiImageButton.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

bool MakeMedia(const QString &path, const QStringList &input)
{
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"), QStringList{"-v", "error", "-y"} << input << path);
    return ffmpeg.waitForFinished(60000) && ffmpeg.exitCode() == 0;
}

// A picture that is not one flat colour: the engine gave a real frame.
bool HasDetail(const QImage &picture)
{
    const QColor first = picture.pixelColor(0, 0);
    for (int y = 0; y < picture.height(); y += 7)
        for (int x = 0; x < picture.width(); x += 7)
            if (picture.pixelColor(x, y) != first)
                return true;
    return false;
}

}

TEST(CliplistRealEngine, AddsRealVideosAndRefusesTheRest)
{
    const QString appDir = QStringLiteral(POCKETREEL_APP_DIR "/");
    if (!QFile::exists(appDir + "DVDEncoder.so"))
        GTEST_SKIP() << "the engine library is not built in " << qPrintable(appDir);
    if (QStandardPaths::findExecutable("ffmpeg").isEmpty())
        GTEST_SKIP() << "no ffmpeg tool to make media";

    QTemporaryDir media;
    ASSERT_TRUE(media.isValid());
    const QString lavfi = "lavfi";
    const QString holiday = media.filePath("Holiday \"beach\" – été.mp4");
    const QString dv = media.filePath("DV widescreen it's PAL.avi");
    const QString phone = media.filePath("phone portrait.mov");
    const QString song = media.filePath("song only.m4a");
    const QString notes = media.filePath("notes.txt");
    ASSERT_TRUE(MakeMedia(holiday, {"-f", lavfi, "-i", "testsrc2=size=640x480:rate=25:duration=5",
                                    "-f", lavfi, "-i", "sine=duration=5", "-c:v", "libx264",
                                    "-pix_fmt", "yuv420p", "-c:a", "aac", "-shortest"}));
    ASSERT_TRUE(MakeMedia(dv, {"-f", lavfi, "-i", "smptebars=size=720x576:rate=25:duration=3",
                               "-vf", "setsar=64/45", "-c:v", "mpeg4"}));
    ASSERT_TRUE(MakeMedia(phone, {"-f", lavfi, "-i", "testsrc=size=360x640:rate=30:duration=65",
                                  "-c:v", "libx264", "-preset", "ultrafast", "-pix_fmt", "yuv420p"}));
    ASSERT_TRUE(MakeMedia(song, {"-f", lavfi, "-i", "sine=duration=2", "-c:a", "aac"}));
    QFile text(notes);
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("not a video");
    text.close();

    const QString savedPath = path_PNG;
    path_PNG = appDir;
    ScriptedPrompts prompts;
    {
        TMainForm form;
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
        prompts.QueueOpenFiles({holiday, song, dv, phone, notes});
        QTest::mouseClick(form.suiImageButton_OpenDir, Qt::LeftButton, {}, QPoint(5, 5));

        EXPECT_EQ(prompts.TextsOf(ScriptedPrompts::Kind::Information),
                  QStringList{"Some UNSUPPORTED file(s) format can not add in. \n\n" + song
                              + ": no video picture, only sound\n" + notes + ": not a video file\n"});
        ClipList &clips = form.Clips();
        ASSERT_EQ(clips.Count(), 3);
        const struct {
            QString path;
            QString length;
            QString size;
            QSize picture;
        } expected[] = {
            {holiday, "Video Length : 00:00:05", "Video Size : 640X480", {240, 180}},
            {dv, "Video Length : 00:00:03", "Video Size : 720X576", {240, 136}},
            {phone, "Video Length : 00:01:05", "Video Size : 360X640", {104, 180}},
        };
        for (int i = 0; i < 3; ++i) {
            TVideoInfo *clip = clips.ClipAt(i);
            ClipRow *row = form.ClipListPart()->View()->rowOf(clip);
            EXPECT_EQ(clip->SourcePath(), expected[i].path);
            EXPECT_EQ(row->label("NameLabel")->text().trimmed(),
                      QFileInfo(expected[i].path).fileName().left(30).trimmed());
            EXPECT_EQ(row->label("LengthLabel")->text(), expected[i].length);
            EXPECT_EQ(row->label("SizeLabel")->text(), expected[i].size);
            EXPECT_EQ(clip->Picture().size(), expected[i].picture) << i;
            EXPECT_TRUE(HasDetail(clip->Picture())) << i;
        }
        EXPECT_TRUE(clips.ClipAt(1)->DisplayAspect());
        EXPECT_FALSE(clips.ClipAt(0)->DisplayAspect());
        EXPECT_EQ(clips.CurrentClip(), clips.ClipAt(0));
        EXPECT_EQ(form.Image_Preview->pixmap().toImage().convertToFormat(QImage::Format_RGB888),
                  clips.ClipAt(0)->Picture());
        EXPECT_TRUE(form.Panel_Intro->isHidden());
        form.grab().save(QDir::current().filePath("cliplist-real-engine.png"));
    }
    path_PNG = savedPath;
}
