#include "ClipListFixture.h"

#include "core/TextHelpers.h"
#include "mainform/cliplist/ClipAdder.h"

#include <QMimeData>
#include <QTest>
#include <QTimer>
#include <QUrl>

using FakeEngine::CallsTo;

using CliplistAdding = ClipListFixture;

TEST_F(CliplistAdding, OneFileWithAwkwardNameBecomesTheSelectedCurrentRow)
{
    const QString path = MediaFile(QStringLiteral("My \"best\" Fête – it's été.mp4"));
    FakeEngine::SetProbeAnswer(Key(path), Probe(720, 480, 3, 0, 3725));
    FakeEngine::SetDefaultFrameColour({200, 100, 50});
    const int loadsBefore = FakeEngine::LoadCount();
    const int unloadsBefore = FakeEngine::UnloadCount();

    AddThroughDialog({path});

    ASSERT_EQ(prompts.QuestionsOf(ScriptedPrompts::Kind::OpenFiles).size(), 1);
    EXPECT_EQ(prompts.QuestionsOf(ScriptedPrompts::Kind::OpenFiles).first().filter,
              "Video|*.avi;*.mp4");
    EXPECT_TRUE(prompts.TextsOf(ScriptedPrompts::Kind::Information).isEmpty());
    ASSERT_EQ(clips.Count(), 1);
    TVideoInfo *clip = clips.ClipAt(0);
    EXPECT_EQ(clip->SourcePath(), path);
    EXPECT_EQ(CallsTo("X_GetFileinfo_GetPic").at(0).texts.at(0), Key(path));
    const QString name = QStringLiteral("My \"best\" Fête – it's été.mp4");
    EXPECT_EQ(LabelText(0, "NameLabel"), "      " + name + " ");
    EXPECT_EQ(LabelText(0, "LengthLabel"), "Video Length : 01:02:05");
    EXPECT_EQ(LabelText(0, "StartLabel"), "Beginning");
    EXPECT_EQ(LabelText(0, "EndLabel"), "Ending");
    EXPECT_EQ(LabelText(0, "SizeLabel"), "Video Size : 720X480");
    EXPECT_EQ(LabelText(0, "OutputLabel"), clip->OutputName());
    EXPECT_FALSE(clip->OutputName().isEmpty());
    EXPECT_TRUE(Row(0)->toolTip().startsWith("Clip Name : " + name + "\nVideo : Size 720X480"));
    EXPECT_TRUE(clip->Ticked());
    EXPECT_TRUE(clip->DisplayAspect());

    // Picture: 16:9 display of a 720 x 480 source, in the engine's colours.
    EXPECT_EQ(clip->Picture().size(), QSize(240, 136));
    EXPECT_EQ(clip->Picture().pixelColor(5, 5), QColor(200, 100, 50));
    const auto frames = CallsTo("X_Get_Frame");
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].numbers.at(0), 240);
    EXPECT_EQ(frames[0].numbers.at(1), 136);
    EXPECT_EQ(FakeEngine::LoadCount() - loadsBefore, 1);
    EXPECT_EQ(FakeEngine::UnloadCount() - unloadsBefore, 1);

    // One file: no progress panel; the first clip is selected and current, the intro gone.
    EXPECT_TRUE(list->ProgressPanel()->isHidden());
    EXPECT_EQ(clips.CurrentClip(), clip);
    EXPECT_TRUE(clip->Selected());
    EXPECT_TRUE(Row(0)->isHighlighted());
    EXPECT_TRUE(intro->isHidden());
    EXPECT_EQ(startEdit->text(), "00:00:00");
    EXPECT_EQ(stopEdit->text(), "01:02:05");
    EXPECT_TRUE(startEdit->isEnabled());
    EXPECT_TRUE(slider->isEnabled());
    EXPECT_FALSE(snapshot->isEnabled());
    EXPECT_FALSE(list->Busy());
}

TEST_F(CliplistAdding, RejectedFilesAreListedInOneMessageInTheOrderTried)
{
    const QString good = MediaFile("good.avi");
    const QString bad1 = MediaFile("not a video.txt");
    const QString bad2 = media.filePath("missing 'quoted'.mp4");
    Refuse(bad1);
    Refuse(bad2);
    FakeEngine::SetFailureReason(Key(bad1), "not a video file");
    const int loadsBefore = FakeEngine::LoadCount();
    const int unloadsBefore = FakeEngine::UnloadCount();

    AddThroughDialog({bad1, good, bad2, good});

    // Each path with the engine's reason where it gave one.
    EXPECT_EQ(prompts.TextsOf(ScriptedPrompts::Kind::Information),
              QStringList{"Some UNSUPPORTED file(s) format can not add in. \n\n" + bad1 + ": not a video file\n"
                          + bad2 + "\n"});
    ASSERT_EQ(clips.Count(), 2);
    // The same file twice: two clips with their own output names.
    EXPECT_EQ(clips.ClipAt(0)->SourcePath(), good);
    EXPECT_EQ(clips.ClipAt(1)->SourcePath(), good);
    EXPECT_NE(clips.ClipAt(0)->OutputName(), clips.ClipAt(1)->OutputName());
    EXPECT_EQ(Row(1)->y(), 18);
    EXPECT_EQ(list->View()->infoMove()->height(), 35);
    EXPECT_EQ(FakeEngine::LoadCount() - loadsBefore, 4);
    EXPECT_EQ(FakeEngine::UnloadCount() - unloadsBefore, 4);
}

TEST_F(CliplistAdding, ProgressPanelCountsThroughSeveralFiles)
{
    const QStringList paths{MediaFile("a.avi"), MediaFile("b.avi"), MediaFile("c.avi")};
    QList<int> percents;
    QList<bool> panelShown;
    QObject::connect(&clips, &ClipList::ClipAppended, [&] {
        percents << list->ProgressPanel()->percent();
        panelShown << !list->ProgressPanel()->isHidden();
    });

    AddThroughDialog(paths);

    percents << list->ProgressPanel()->percent();
    EXPECT_EQ(percents, (QList<int>{0, 33, 66, 100}));
    EXPECT_EQ(panelShown, (QList<bool>{true, true, true}));
    EXPECT_EQ(list->ProgressPanel()->barFill(), 270);
    EXPECT_TRUE(list->ProgressPanel()->isHidden());
}

TEST_F(CliplistAdding, PictureSizesFollowTheDisplayAspect)
{
    struct Case {
        int width, height, aspectCode, flag;
        QSize picture;
    };
    const Case cases[] = {
        {720, 480, 2, 0, {240, 180}},
        {720, 480, 3, 0, {240, 136}},
        {640, 480, 0, 1, {240, 180}},
        {352, 576, 0, 1, {112, 180}},
    };
    for (const Case &c : cases) {
        const QString path = MediaFile(QString("%1x%2-%3.avi").arg(c.width).arg(c.height).arg(c.aspectCode));
        FakeEngine::SetProbeAnswer(Key(path), Probe(c.width, c.height, c.aspectCode, c.flag));
        AddThroughDialog({path});
        EXPECT_EQ(clips.ClipAt(clips.Count() - 1)->Picture().size(), c.picture) << c.width << "x" << c.height;
    }
}

TEST_F(CliplistAdding, FileWithoutPictureHeightGetsASoundPictureAndStays)
{
    const QString path = MediaFile("song.mp3");
    FakeEngine::SetProbeAnswer(Key(path), Probe(0, 0));

    AddThroughDialog({path});

    ASSERT_EQ(clips.Count(), 1);
    EXPECT_EQ(clips.ClipAt(0)->Picture().size(), QSize(240, 180));
    EXPECT_EQ(LabelText(0, "SizeLabel"), "Video Size : Unknown");
    EXPECT_TRUE(CallsTo("X_Get_Frame").empty());
}

TEST_F(CliplistAdding, CancelledDialogChangesNothing)
{
    list->suiImageButton_OpenDirClick();
    EXPECT_EQ(clips.Count(), 0);
    EXPECT_TRUE(CallsTo("X_GetFileinfo_GetPic").empty());
}

TEST_F(CliplistAdding, AddingIntoAListWithASelectionKeepsIt)
{
    AddThroughDialog({MediaFile("a.avi"), MediaFile("b.avi")});
    QTest::mousePress(Row(1), Qt::LeftButton, {}, QPoint(300, 8));
    ASSERT_EQ(clips.CurrentClip(), clips.ClipAt(1));

    AddThroughDialog({MediaFile("c.avi")});

    EXPECT_EQ(clips.Count(), 3);
    EXPECT_EQ(clips.CurrentClip(), clips.ClipAt(1));
    EXPECT_FALSE(clips.ClipAt(0)->Selected());
    EXPECT_TRUE(clips.ClipAt(1)->Selected());
    EXPECT_FALSE(clips.ClipAt(2)->Selected());
}

// The engine reads on a thread of its own: while a slow disk holds the probe, the window's timers
// run and it paints. The probe waits for this timer, so a frozen window fails the test.
TEST_F(CliplistAdding, TheWindowKeepsPaintingWhileTheEngineReadsAFile)
{
    struct PaintCounter : QObject {
        int paints = 0;
        bool eventFilter(QObject *, QEvent *event) override
        {
            paints += event->type() == QEvent::Paint;
            return false;
        }
    } counter;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.installEventFilter(&counter);
    FakeEngine::SetBlockProbe(true);
    bool busyWhileProbing = false;
    int paintsBefore = 0, paintsWhileProbing = 0;
    // The update is painted by the window thread's own handling of events, not on the spot.
    QTimer::singleShot(10, [&] {
        busyWhileProbing = list->Busy();
        paintsBefore = counter.paints;
        window.update();
        QTimer::singleShot(100, [&] {
            paintsWhileProbing = counter.paints - paintsBefore;
            FakeEngine::ReleaseProbe();
        });
    });

    AddThroughDialog({MediaFile("on a slow share.avi")});

    EXPECT_TRUE(busyWhileProbing);
    EXPECT_GE(paintsWhileProbing, 1);
    EXPECT_EQ(clips.Count(), 1);
    EXPECT_FALSE(list->Busy());
}

TEST_F(CliplistAdding, BusyRefusesAnotherAdd)
{
    list->SetBusy(true);
    AddThroughDialog({MediaFile("a.avi")});
    EXPECT_TRUE(prompts.QuestionsOf(ScriptedPrompts::Kind::OpenFiles).isEmpty());
    EXPECT_EQ(clips.Count(), 0);
}

TEST_F(CliplistAdding, DroppedFilesAreAddedLikeChosenOnes)
{
    const QString good = MediaFile("dropped clip ü.avi");
    const QString bad = MediaFile("notes.txt");
    Refuse(bad);
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(good), QUrl("https://example.com/x.avi"),
                  QUrl::fromLocalFile(bad)});

    QDragEnterEvent enter(QPoint(400, 200), Qt::CopyAction, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(&window, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(400, 200), Qt::CopyAction, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(&window, &drop);
    EXPECT_TRUE(drop.isAccepted());
    QCoreApplication::processEvents();

    ASSERT_EQ(clips.Count(), 1);
    EXPECT_EQ(clips.ClipAt(0)->SourcePath(), good);
    EXPECT_EQ(clips.CurrentClip(), clips.ClipAt(0));
    EXPECT_EQ(prompts.TextsOf(ScriptedPrompts::Kind::Information),
              QStringList{ClipAdder::RejectedMessage + bad + "\n"});
}

TEST_F(CliplistAdding, DragWithoutLocalFilesIsRefused)
{
    QMimeData data;
    data.setText("just text");
    QDragEnterEvent enter(QPoint(400, 200), Qt::CopyAction, &data, Qt::LeftButton, {});
    enter.setAccepted(false);
    QCoreApplication::sendEvent(&window, &enter);
    EXPECT_FALSE(enter.isAccepted());
}

class CliplistAddingWithoutEngine : public ClipListFixture {
protected:
    CliplistAddingWithoutEngine() : ClipListFixture(false) {}
};

TEST_F(CliplistAddingWithoutEngine, EveryFileIsRejected)
{
    const QString a = MediaFile("a.avi");
    const QString b = MediaFile("b.avi");
    AddThroughDialog({a, b});
    EXPECT_EQ(clips.Count(), 0);
    EXPECT_EQ(prompts.TextsOf(ScriptedPrompts::Kind::Information),
              QStringList{ClipAdder::RejectedMessage + a + "\n" + b + "\n"});
    EXPECT_FALSE(intro->isHidden());
}

class CliplistAddingWithoutFrameEntry : public ClipListFixture {
protected:
    CliplistAddingWithoutFrameEntry() : app(QStringLiteral("X_Get_Frame")) {}
    FakeEngine::FakeAppFolder app;
};

TEST_F(CliplistAddingWithoutFrameEntry, EveryFileIsRejected)
{
    ASSERT_TRUE(app.IsValid());
    const QString a = MediaFile("a.avi");
    AddThroughDialog({a});
    EXPECT_EQ(clips.Count(), 0);
    EXPECT_EQ(prompts.TextsOf(ScriptedPrompts::Kind::Information),
              QStringList{ClipAdder::RejectedMessage + a + "\n"});
}
