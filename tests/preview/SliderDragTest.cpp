// Dragging the range slider's markers and bar through the main window with the scripted engine:
// where they stop, what the time fields show and in which colour, and what is stored on release.
#include "PreviewFixture.h"

class PreviewSlider : public PreviewFixture {
protected:
    QString StartText() const { return form->suiEdit_Start->text(); }
    QString StopText() const { return form->suiEdit_Stop->text(); }
};

TEST_F(PreviewSlider, MarkersStartAtTheEndsAndResetWithoutAClipOrLength)
{
    EXPECT_EQ(form->Image_Left->x(), 0);
    EXPECT_EQ(form->Image_Right->x(), 144);
    EXPECT_EQ(form->Image_Stretch->width(), 0);
    EXPECT_FALSE(form->Image_Left->isEnabled());

    AddClip(100);
    EXPECT_TRUE(form->Image_Left->isEnabled());
    EXPECT_EQ(form->Image_Stretch->geometry(), QRect(10, 4, 134, 8));

    // A clip without length: 0 / 0 places nothing.
    TVideoInfo *empty = AddClip(0);
    PressRow(empty);
    EXPECT_FALSE(form->Image_Left->isEnabled());
    EXPECT_FALSE(form->Image_Right->isEnabled());
    EXPECT_EQ(form->Image_Left->x(), 0);
    EXPECT_EQ(form->Image_Right->x(), 144);
    EXPECT_EQ(form->Image_Stretch->width(), 0);
}

TEST_F(PreviewSlider, MarkersStopAtTheTrackAndAtEachOther)
{
    TVideoInfo *clip = AddClip(100);
    DragTo(form->Image_Right, 77);
    EXPECT_EQ(form->Image_Right->x(), 77);
    EXPECT_EQ(clip->EndTime(), 50);

    Drag(form->Image_Left, 500);
    EXPECT_EQ(form->Image_Left->x(), 67) << "touches the end marker";
    EXPECT_EQ(form->Image_Stretch->width(), 0);
    EXPECT_EQ(clip->StartTime(), 50);

    Drag(form->Image_Left, -500);
    EXPECT_EQ(form->Image_Left->x(), 0);
    Drag(form->Image_Right, 500);
    EXPECT_EQ(form->Image_Right->x(), 144);
    DragTo(form->Image_Left, 30);
    Drag(form->Image_Right, -500);
    EXPECT_EQ(form->Image_Right->x(), 40) << "touches the start marker";

    // The bar carries both markers and keeps its width, within the track.
    DragTo(form->Image_Right, 100);
    const int width = form->Image_Stretch->width();
    Drag(form->Image_Stretch, 500);
    EXPECT_EQ(form->Image_Right->x(), 144);
    EXPECT_EQ(form->Image_Stretch->width(), width);
    Drag(form->Image_Stretch, -500);
    EXPECT_EQ(form->Image_Left->x(), 0);
    EXPECT_EQ(form->Image_Stretch->width(), width);
    EXPECT_EQ(clip->StartTime(), 0);
    EXPECT_EQ(clip->EndTime(), int(100 * (float(width) / 134)));
}

TEST_F(PreviewSlider, FieldsFollowTheDragInLimeAndTakeTheNormalColourOnRelease)
{
    TVideoInfo *clip = AddClip(100);
    TsuiImageButton *marker = form->Image_Left;
    QWidget *panel = form->Panel_Progress;
    const QPoint grip = marker->geometry().center();
    QTest::mousePress(marker, Qt::LeftButton, {}, marker->mapFrom(panel, grip));
    QTest::mouseMove(panel, grip + QPoint(67, 0));
    EXPECT_EQ(StartText(), QStringLiteral("00:00:50"));
    EXPECT_EQ(form->suiEdit_Start->color(), TrimTimes::Lime);
    EXPECT_EQ(form->suiEdit_Stop->color(), Normal());
    EXPECT_EQ(clip->StartTime(), 0) << "nothing is stored while it moves";
    EXPECT_TRUE(FakeEngine::CallsTo("X_GetFrame_Init").empty()) << "nor fetched";
    QTest::mouseRelease(panel, Qt::LeftButton, {}, grip + QPoint(67, 0));
    Settle();
    EXPECT_EQ(form->suiEdit_Start->color(), Normal());
    EXPECT_EQ(clip->StartTime(), 50);

    // Pressing the bar turns both fields lime at once; the release makes both normal.
    QWidget *bar = form->Image_Stretch;
    QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(5, 4));
    EXPECT_EQ(form->suiEdit_Start->color(), TrimTimes::Lime);
    EXPECT_EQ(form->suiEdit_Stop->color(), TrimTimes::Lime);
    QTest::mouseMove(panel, bar->geometry().topLeft() + QPoint(5 - 20, 4));
    EXPECT_EQ(StartText(), QStringLiteral("00:00:35"));
    EXPECT_EQ(StopText(), QStringLiteral("00:01:25"));
    QTest::mouseRelease(panel, Qt::LeftButton, {}, bar->geometry().topLeft() + QPoint(5, 4));
    Settle();
    EXPECT_EQ(form->suiEdit_Start->color(), Normal());
    EXPECT_EQ(form->suiEdit_Stop->color(), Normal());
    EXPECT_EQ(clip->StartTime(), 35);
    EXPECT_EQ(clip->EndTime(), 85);

    // Other buttons drag nothing.
    QTest::mousePress(marker, Qt::RightButton, {}, QPoint(5, 7));
    QTest::mouseMove(panel, marker->geometry().center() + QPoint(30, 0));
    QTest::mouseRelease(panel, Qt::RightButton, {}, marker->geometry().center() + QPoint(30, 0));
    EXPECT_EQ(marker->x(), 47);
}

TEST_F(PreviewSlider, TheEndFieldKeepsTheColourItsRangeCheckGivesAfterRelease)
{
    // A 7-second clip: a start typed as 2 s places the marker at 38, whose own second is 1. Let
    // the end marker go against it and the end (1 s) lies before the stored start: red.
    TVideoInfo *clip = AddClip(7);
    Type(form->suiEdit_Start, QStringLiteral("000002"));
    Leave();
    ASSERT_EQ(clip->StartTime(), 2);
    ASSERT_EQ(form->Image_Left->x(), 38);
    Drag(form->Image_Right, -500);
    EXPECT_EQ(form->Image_Right->x(), 48);
    EXPECT_EQ(clip->EndTime(), 1);
    EXPECT_EQ(StopText(), QStringLiteral("00:00:01"));
    EXPECT_EQ(form->suiEdit_Stop->color(), TrimTimes::Red);
}

TEST_F(PreviewSlider, LeavingTheTitleFieldPlacesTheMarkersAtTheStoredSeconds)
{
    TVideoInfo *clip = AddClip(7);
    DragTo(form->Image_Left, 57);
    EXPECT_EQ(clip->StartTime(), 2);
    EXPECT_EQ(form->Image_Left->x(), 57);
    form->Settings()->suiEdit_DVDName->setFocus(Qt::MouseFocusReason);
    form->suiEdit_OutputFolder->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(form->Image_Left->x(), 38);
}
