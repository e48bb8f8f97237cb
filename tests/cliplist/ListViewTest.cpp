#include "ClipListFixture.h"

#include "core/OutputNames.h"
#include "mainform/cliplist/ClipListMenu.h"
#include "mainform/cliplist/ClipScrollBar.h"
#include "skin/PictureBox.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QTest>
#include <QTimer>

class CliplistView : public ClipListFixture {
protected:
    QAction *MenuItem(const char *name) const
    {
        return list->ListMenu()->Item(QString::fromLatin1(name));
    }

    void DragThumb(int toTop)
    {
        PictureBox *thumb = list->View()->bar()->thumb();
        const QPoint grip(8, 10);
        QTest::mousePress(thumb, Qt::LeftButton, {}, grip);
        QMouseEvent move(QEvent::MouseMove, QPointF(grip), QPointF(thumb->mapToGlobal(grip + QPoint(0, toTop - thumb->y()))),
                         Qt::NoButton, Qt::LeftButton, {});
        QCoreApplication::sendEvent(thumb, &move);
        QTest::mouseRelease(thumb, Qt::LeftButton, {}, grip);
    }
};

TEST_F(CliplistView, PressOnALabelSelectsItsRowLikeThePlainRow)
{
    AddClips(3);
    ASSERT_EQ(clips.CurrentClip(), clips.ClipAt(0));

    QTest::mousePress(Row(2)->label("NameLabel"), Qt::LeftButton, {}, QPoint(50, 8));
    EXPECT_EQ(clips.CurrentClip(), clips.ClipAt(2));
    EXPECT_TRUE(Row(2)->isHighlighted());
    EXPECT_FALSE(Row(0)->isHighlighted());
    EXPECT_FALSE(clips.ClipAt(0)->Selected());

    QTest::mousePress(Row(1), Qt::RightButton, {}, QPoint(700, 8));
    EXPECT_EQ(clips.CurrentClip(), clips.ClipAt(1));
    clips.CollectSelected();
    EXPECT_EQ(clips.SelectedClips(), QList<TVideoInfo *>{clips.ClipAt(1)});
}

TEST_F(CliplistView, PressOnTheSelectedRowKeepsTheEditingControls)
{
    AddClips(2);
    startEdit->setText("00:00:07");
    QTest::mousePress(Row(0), Qt::LeftButton, {}, QPoint(300, 8));
    EXPECT_EQ(startEdit->text(), "00:00:07");
    EXPECT_TRUE(Row(0)->isHighlighted());
}

TEST_F(CliplistView, PressesAreIgnoredWhileBusy)
{
    AddClips(2);
    list->SetBusy(true);
    QTest::mousePress(Row(1), Qt::LeftButton, {}, QPoint(300, 8));
    EXPECT_EQ(clips.CurrentClip(), clips.ClipAt(0));
    RightClick(Row(1));
    EXPECT_EQ(list->ListMenu(), nullptr);
}

TEST_F(CliplistView, RemovingTheOnlySelectedClipLeavesNoCurrentClip)
{
    AddClips(3);
    QTest::mousePress(Row(1), Qt::LeftButton, {}, QPoint(300, 8));
    TVideoInfo *third = clips.ClipAt(2);

    list->suiImageButton_OpenFileClick();

    ASSERT_EQ(clips.Count(), 2);
    EXPECT_EQ(clips.ClipAt(1), third);
    EXPECT_EQ(Row(1)->y(), 18);
    EXPECT_EQ(third->OutputName(), OutputNameOf(1, i_OutputPSPSerialNumber, true));
    EXPECT_EQ(LabelText(1, "OutputLabel"), third->OutputName());
    EXPECT_EQ(list->View()->infoMove()->height(), 36);
    EXPECT_EQ(clips.CurrentClip(), nullptr);
    EXPECT_TRUE(startEdit->text().isEmpty());
    EXPECT_TRUE(stopEdit->text().isEmpty());
    EXPECT_FALSE(startEdit->isEnabled());
    EXPECT_FALSE(stopEdit->isEnabled());
    EXPECT_FALSE(slider->isEnabled());
    EXPECT_TRUE(intro->isHidden());

    // Nothing selected now: Remove lays out again and removes nothing.
    list->suiImageButton_OpenFileClick();
    EXPECT_EQ(clips.Count(), 2);
}

TEST_F(CliplistView, RemovingTheLastClipBringsTheIntroBack)
{
    AddClips(1);
    list->suiImageButton_OpenFileClick();
    EXPECT_EQ(clips.Count(), 0);
    EXPECT_FALSE(intro->isHidden());
    EXPECT_EQ(list->View()->infoMove()->height(), 0);
}

TEST_F(CliplistView, PopupMenuItemsFollowTheList)
{
    RightClick(list->View(), QPoint(200, 100));
    ASSERT_NE(list->ListMenu(), nullptr);
    const QStringList captions{"Remove Select", "Clear", "", "Add clip(s)..."};
    QStringList shown;
    for (QAction *action : list->ListMenu()->actions())
        shown << action->text();
    EXPECT_EQ(shown, captions);
    EXPECT_TRUE(list->ListMenu()->isVisible());
    EXPECT_FALSE(MenuItem("Remove")->isEnabled());
    EXPECT_FALSE(MenuItem("Clear")->isEnabled());
    EXPECT_TRUE(MenuItem("Add")->isEnabled());
    list->ListMenu()->hide();

    // A left release on the empty part opens nothing.
    QTest::mouseRelease(list->View(), Qt::LeftButton, {}, QPoint(200, 100));
    EXPECT_FALSE(list->ListMenu()->isVisible());

    AddClips(2);
    RightClick(Row(1));
    EXPECT_TRUE(MenuItem("Remove")->isEnabled());
    EXPECT_TRUE(MenuItem("Clear")->isEnabled());
    MenuItem("Remove")->trigger();
    EXPECT_EQ(clips.Count(), 1);

    list->ListMenu()->hide();
    RightClick(list->View(), QPoint(200, 100));
    EXPECT_FALSE(MenuItem("Remove")->isEnabled());
    EXPECT_TRUE(MenuItem("Clear")->isEnabled());

    prompts.QueueOpenFiles({MediaFile("from menu.avi")});
    MenuItem("Add")->trigger();
    EXPECT_EQ(clips.Count(), 2);
}

TEST_F(CliplistView, ScrollBarOpensNoMenu)
{
    AddClips(10);
    ClipScrollBar *bar = list->View()->bar();
    for (const QPoint at : {bar->thumb()->geometry().center(), QPoint(9, 100), QPoint(1, 140)}) {
        SCOPED_TRACE(testing::Message() << at.x() << "," << at.y());
        QWidget *under = bar->childAt(at);   // the track or the thumb
        ASSERT_NE(under, nullptr);
        RightClick(under, under->mapFrom(bar, at));
        EXPECT_TRUE(!list->ListMenu() || !list->ListMenu()->isVisible());
        if (list->ListMenu())
            list->ListMenu()->hide();
    }
    RightClick(list->View(), QPoint(200, 100));
    ASSERT_NE(list->ListMenu(), nullptr);
    EXPECT_TRUE(list->ListMenu()->isVisible()) << "a row beside the bar still opens it";
    list->ListMenu()->hide();
}

TEST_F(CliplistView, ClearByButtonShowsTheIntroButNotFromTheMenu)
{
    AddClips(3);
    list->suiImageButton_ClearClick();
    EXPECT_EQ(clips.Count(), 0);
    EXPECT_EQ(clips.CurrentClip(), nullptr);
    EXPECT_FALSE(intro->isHidden());
    EXPECT_EQ(list->View()->infoMove()->height(), 0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(list->View()->infoMove()->findChildren<ClipRow *>().isEmpty());

    AddClips(2);
    EXPECT_TRUE(intro->isHidden());
    RightClick(Row(0));
    MenuItem("Clear")->trigger();
    EXPECT_EQ(clips.Count(), 0);
    EXPECT_TRUE(intro->isHidden());
    EXPECT_FALSE(startEdit->isEnabled());
}

TEST_F(CliplistView, TenClipsScrollWithTheThumb)
{
    AddClips(10);
    ClipListView *view = list->View();
    EXPECT_EQ(view->firstVisibleRow(), 0);

    struct Step {
        int thumbTop, firstRow;
    };
    const Step steps[] = {{124, 2}, {63, 1}, {2, 0}, {500, 2}, {-40, 0}};
    for (const Step &step : steps) {
        DragThumb(step.thumbTop);
        const int expectedTop = std::clamp(step.thumbTop, 2, 124);
        EXPECT_EQ(view->bar()->thumbTop(), expectedTop);
        EXPECT_EQ(view->firstVisibleRow(), step.firstRow) << step.thumbTop;
        EXPECT_EQ(view->infoMove()->y(), -18 * step.firstRow);
        EXPECT_FALSE(view->bar()->dragging());
    }

    // The thumb stays where it is when rows go; the rows follow the shorter list.
    DragThumb(124);
    ASSERT_EQ(view->firstVisibleRow(), 2);
    QTest::mousePress(Row(9), Qt::LeftButton, {}, QPoint(300, 8));
    list->suiImageButton_OpenFileClick();
    EXPECT_EQ(view->bar()->thumbTop(), 124);
    EXPECT_EQ(view->firstVisibleRow(), 1);
}

TEST_F(CliplistView, ClearedListStartsAtItsTop)
{
    QDir(media.path()).mkpath("dvd/video_ts");
    const Volume dvd = FakeVolumes::makeVolume(media.filePath("dvd"), VolumeKind::CdRom, "MOVIE");
    const auto insertDisc = [this, &dvd] {
        volumes.mount(dvd);
        QCoreApplication::processEvents();
    };
    const struct {
        const char *way;
        std::function<void()> beforeAdding;
        std::function<void()> clear;
    } ways[] = {
        {"button", [] {}, [this] { list->suiImageButton_ClearClick(); }},
        {"menu", [] {},
         [this] {
             RightClick(Row(0));
             MenuItem("Clear")->trigger();
             list->ListMenu()->hide();
         }},
        {"disc removal", insertDisc,
         [this, &dvd] {
             volumes.unmount(dvd.mountPoint);
             QCoreApplication::processEvents();
         }},
    };
    ClipListView *view = list->View();
    for (const auto &w : ways) {
        SCOPED_TRACE(w.way);
        w.beforeAdding();
        AddClips(10);
        DragThumb(124);
        ASSERT_EQ(view->firstVisibleRow(), 2);
        w.clear();
        ASSERT_EQ(clips.Count(), 0);

        AddClips(3);
        EXPECT_EQ(view->infoMove()->y(), 0);
        EXPECT_EQ(view->bar()->thumbTop(), 2) << "the thumb agrees with the rows it shows";
        for (int position = 0; position < 3; ++position) {
            const int top = Row(position)->mapTo(view, QPoint(0, 0)).y();
            EXPECT_TRUE(top >= 0 && top + MainFormLayout::RowHeight <= view->height()) << "row " << position << " at " << top;
        }
        list->suiImageButton_ClearClick();
    }
}

TEST_F(CliplistView, EightClipsDoNotScroll)
{
    AddClips(8);
    DragThumb(124);
    EXPECT_EQ(list->View()->bar()->thumbTop(), 124);
    EXPECT_EQ(list->View()->infoMove()->y(), 0);
}

TEST_F(CliplistView, ThumbFollowsOnlyALeftButtonDrag)
{
    AddClips(10);
    PictureBox *thumb = list->View()->bar()->thumb();
    QTest::mousePress(thumb, Qt::RightButton, {}, QPoint(8, 10));
    EXPECT_FALSE(list->View()->bar()->dragging());
    QMouseEvent move(QEvent::MouseMove, QPointF(8, 10), QPointF(thumb->mapToGlobal(QPoint(8, 80))),
                     Qt::NoButton, Qt::RightButton, {});
    QCoreApplication::sendEvent(thumb, &move);
    EXPECT_EQ(list->View()->bar()->thumbTop(), 2);
}

class CliplistDvd : public ClipListFixture {
protected:
    // A disc with or without a DVD video folder, mounted at a real folder.
    Volume Disc(const QString &name, VolumeKind kind, bool videoFolder, const QString &label)
    {
        QDir(media.path()).mkpath(name + (videoFolder ? "/video_ts" : ""));
        return FakeVolumes::makeVolume(media.filePath(name), kind, label);
    }
};

TEST_F(CliplistDvd, ArrivalWithVideoFolderNamesTheTitleAndRemovalClearsTheList)
{
    const Volume dvd = volumes.mount(Disc("dvd", VolumeKind::CdRom, true, "  HOLIDAY_2024 "));
    QCoreApplication::processEvents();
    EXPECT_EQ(title, "HOLIDAY_2024");
    EXPECT_EQ(list->DvdWatch().DvdDrive(), dvd.mountPoint);

    AddClips(3);
    volumes.unmount(dvd.mountPoint);
    QCoreApplication::processEvents();
    EXPECT_EQ(clips.Count(), 0);
    EXPECT_EQ(list->DvdWatch().DvdDrive(), "A");
}

// The window handles messages while the engine reads a file; a disc taken out meanwhile clears
// the list once the adding is over, the new clip with the others.
TEST_F(CliplistDvd, ADiscTakenOutWhileAFileIsReadClearsTheListAfterTheAdding)
{
    const Volume dvd = volumes.mount(Disc("dvd", VolumeKind::CdRom, true, "HOLIDAY"));
    QCoreApplication::processEvents();
    ASSERT_EQ(list->DvdWatch().DvdDrive(), dvd.mountPoint);
    AddClips(2);
    FakeEngine::SetBlockProbe(true);
    int clipsWhenTakenOut = -1;
    QTimer::singleShot(10, [&] {
        volumes.unmount(dvd.mountPoint);
        QTimer::singleShot(50, [&] {
            clipsWhenTakenOut = clips.Count();
            FakeEngine::ReleaseProbe();
        });
    });

    AddClips(1);

    EXPECT_EQ(clipsWhenTakenOut, 2);
    EXPECT_EQ(clips.Count(), 0);
    EXPECT_EQ(list->DvdWatch().DvdDrive(), "A");
}

TEST_F(CliplistDvd, OtherVolumesAndBusyListsChangeNothing)
{
    AddClips(1);
    volumes.mount(Disc("dvd", VolumeKind::CdRom, true, "FULL_LIST"));
    QCoreApplication::processEvents();
    EXPECT_TRUE(title.isNull());
    EXPECT_EQ(list->DvdWatch().DvdDrive(), "A");
    list->suiImageButton_ClearClick();

    volumes.mount(Disc("usb", VolumeKind::Removable, true, "STICK"));
    QCoreApplication::processEvents();
    EXPECT_TRUE(title.isNull());

    // A disc whose contents cannot be read tells nothing.
    volumes.mount(FakeVolumes::makeVolume(media.filePath("gone"), VolumeKind::CdRom, "GHOST"));
    QCoreApplication::processEvents();
    EXPECT_TRUE(title.isNull());

    // A data disc names the title but is not remembered.
    const Volume data = volumes.mount(Disc("cd", VolumeKind::CdRom, false, "DATA"));
    QCoreApplication::processEvents();
    EXPECT_EQ(title, "DATA");
    EXPECT_EQ(list->DvdWatch().DvdDrive(), "A");

    AddClips(2);
    volumes.unmount(data.mountPoint);
    volumes.unmount(media.filePath("usb"));
    QCoreApplication::processEvents();
    EXPECT_EQ(clips.Count(), 2);
}

TEST_F(CliplistDvd, ClearingForgetsTheDrive)
{
    const Volume dvd = volumes.mount(Disc("dvd", VolumeKind::CdRom, true, "MOVIE"));
    QCoreApplication::processEvents();
    ASSERT_EQ(list->DvdWatch().DvdDrive(), dvd.mountPoint);
    list->suiImageButton_ClearClick();
    EXPECT_EQ(list->DvdWatch().DvdDrive(), "A");
    AddClips(1);
    volumes.unmount(dvd.mountPoint);
    QCoreApplication::processEvents();
    EXPECT_EQ(clips.Count(), 1);
}

TEST_F(CliplistView, WheelScrollsOneRowANotch)
{
    AddClips(11);
    ClipListView *view = list->View();
    const auto wheel = [view](int notches) {
        QWheelEvent event(QPointF(100, 50), QPointF(view->mapToGlobal(QPoint(100, 50))), QPoint(),
                          QPoint(0, 120 * notches), Qt::NoButton, {}, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(view, &event);
    };
    const int expected[][2] = {{-1, 1}, {-1, 2}, {-1, 3}, {-1, 3}, {1, 2}, {2, 0}, {1, 0}};
    for (const auto &step : expected) {
        wheel(step[0]);
        EXPECT_EQ(view->firstVisibleRow(), step[1]);
    }
    // Where the wheel puts the thumb, a drag from there agrees.
    wheel(-3);
    EXPECT_EQ(view->firstVisibleRow(), 3 * (view->bar()->thumbTop() - 2) / 122);
}

TEST_F(CliplistView, StreamSelectorsFollowTheCurrentClip)
{
    AddClips(2);
    // Clips from files have no stream lists: nothing to choose but "Disable" for subtitles.
    EXPECT_EQ(audio->count(), 0);
    EXPECT_FALSE(audio->isEnabled());
    ASSERT_EQ(subtitle->count(), 1);
    EXPECT_EQ(subtitle->itemText(0), "Disable");
    EXPECT_FALSE(subtitle->isEnabled());

    TVideoInfo *second = clips.ClipAt(1);
    second->SetAudioStreams(QStringList{"English#0x1#extra", "Deutsch#0x2"});
    second->SetSubtitleStreams(QStringList{"French"});
    second->SetAudioIndex(1);
    QTest::mousePress(Row(1), Qt::LeftButton, {}, QPoint(300, 8));
    EXPECT_TRUE(audio->isEnabled());
    EXPECT_EQ(audio->count(), 2);
    EXPECT_EQ(audio->itemText(0), "English");
    EXPECT_EQ(audio->currentIndex(), 1);
    EXPECT_EQ(subtitle->count(), 2);
    EXPECT_EQ(subtitle->currentIndex(), 0);

    audio->setCurrentIndex(0);
    subtitle->setCurrentIndex(1);
    EXPECT_EQ(second->AudioIndex(), 0);
    EXPECT_EQ(second->SubtitleIndex(), 1);
    EXPECT_EQ(second->SubtitleText(), "Disable");

    // Filling the selectors for another clip changes no clip's choice.
    QTest::mousePress(Row(0), Qt::LeftButton, {}, QPoint(300, 8));
    EXPECT_EQ(second->AudioIndex(), 0);
    EXPECT_EQ(clips.ClipAt(0)->SubtitleIndex(), 0);
}

// Up and Down move the selection as a press on the row above or below does, and the list scrolls
// to keep it in sight; at either end they change nothing.
TEST_F(CliplistView, ArrowKeysMoveTheSelection)
{
    AddClips(11);
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    ClipListView *view = list->View();
    QTest::mousePress(Row(0), Qt::LeftButton, {}, QPoint(300, 8));
    const auto key = [&](Qt::Key pressed, int times) {
        for (int i = 0; i < times; ++i) {
            QWidget *focused = QApplication::focusWidget();
            ASSERT_NE(focused, nullptr);
            QTest::keyClick(focused, pressed);
        }
    };
    const auto onlySelected = [&](int position) {
        clips.CollectSelected();
        return clips.SelectedClips() == QList<TVideoInfo *>{clips.ClipAt(position)}
               && clips.CurrentClip() == clips.ClipAt(position) && Row(position)->isHighlighted();
    };
    key(Qt::Key_Up, 1);
    EXPECT_TRUE(onlySelected(0));
    key(Qt::Key_Down, 2);
    EXPECT_TRUE(onlySelected(2));
    EXPECT_EQ(view->firstVisibleRow(), 0);
    key(Qt::Key_Down, 8);
    EXPECT_TRUE(onlySelected(10));
    EXPECT_EQ(view->firstVisibleRow(), 3) << "the last row in sight";
    key(Qt::Key_Down, 1);
    EXPECT_TRUE(onlySelected(10));
    key(Qt::Key_Up, 10);
    EXPECT_TRUE(onlySelected(0));
    EXPECT_EQ(view->firstVisibleRow(), 0);

    list->SetBusy(true);
    key(Qt::Key_Down, 1);
    EXPECT_TRUE(onlySelected(0)) << "ignored while files are being added, as presses are";
}

// Delete removes the selected rows as the Remove button does, and like it waits while files are
// being added.
TEST_F(CliplistView, DeleteRemovesTheSelectedRows)
{
    AddClips(3);
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::mousePress(Row(1), Qt::LeftButton, {}, QPoint(300, 8));
    QWidget *focused = QApplication::focusWidget();
    ASSERT_NE(focused, nullptr);
    const QList<TVideoInfo *> kept{clips.ClipAt(0), clips.ClipAt(2)};

    list->SetBusy(true);
    QTest::keyClick(focused, Qt::Key_Delete);
    EXPECT_EQ(clips.Count(), 3) << "ignored while files are being added";

    list->SetBusy(false);
    QTest::keyClick(focused, Qt::Key_Delete);
    EXPECT_EQ(clips.Clips(), kept);
}
