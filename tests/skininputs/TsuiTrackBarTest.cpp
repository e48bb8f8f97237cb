#include "InputTestSupport.h"
#include "TsuiTrackBar.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {
// The main window's volume slider as the window sets it up.
class SkinInputsVolumeSlider : public testing::Test {
protected:
    void SetUp() override
    {
        slider.setUIStyle(UIStyle::BlueGlass);
        slider.setTransparent(true);
        slider.setGeometry(578, 406, 106, 20);
        slider.setMin(0);
        slider.setMax(10);
        slider.setPosition(0);
        slider.setPageSize(2);
        slider.setLineSize(1);
    }

    QList<int> reported() const
    {
        QList<int> positions;
        for (const QList<QVariant> &call : changes)
            positions << call.at(0).toInt();
        return positions;
    }

    TsuiTrackBar slider;
    QSignalSpy changes{&slider, &TsuiTrackBar::OnChange};
};

TEST_F(SkinInputsVolumeSlider, KeysMoveWithinTheRange)
{
    const struct {
        int from;
        Qt::Key key;
        int expected;
    } cases[] = {
        {5, Qt::Key_Home, 0},     {5, Qt::Key_End, 10},      {0, Qt::Key_PageDown, 2},
        {9, Qt::Key_PageDown, 10}, {1, Qt::Key_PageUp, 0},   {10, Qt::Key_Right, 10},
        {4, Qt::Key_Right, 5},    {4, Qt::Key_Down, 5},      {4, Qt::Key_Left, 3},
        {4, Qt::Key_Up, 3},       {0, Qt::Key_Left, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "from " << c.from << " key " << Qt::Key(c.key));
        slider.setPosition(c.from);
        changes.clear();
        QTest::keyClick(&slider, c.key);
        EXPECT_EQ(slider.position(), c.expected);
        EXPECT_EQ(changes.count(), c.from == c.expected ? 0 : 1);
    }
}

TEST_F(SkinInputsVolumeSlider, OnChangeOncePerChangeAndNeverForTheSamePosition)
{
    slider.setPosition(0);
    slider.setPosition(3);
    slider.setPosition(3);
    slider.setPosition(15);  // clamped to 10
    slider.setPosition(10);
    QTest::keyClick(&slider, Qt::Key_End);
    EXPECT_EQ(reported(), QList<int>({3, 10}));
}

TEST_F(SkinInputsVolumeSlider, TrackPressPagesThenRepeatsByThreePagesUpToThePointer)
{
    pressAt(&slider, QPoint(100, 10));
    EXPECT_EQ(slider.position(), 2);
    EXPECT_TRUE(timerRunning(&slider, "repeatTimer"));

    fireTimer(&slider, "repeatTimer");
    EXPECT_EQ(slider.position(), 8);
    fireTimer(&slider, "repeatTimer");
    EXPECT_EQ(slider.position(), 10);
    fireTimer(&slider, "repeatTimer");
    EXPECT_EQ(slider.position(), 10);

    releaseAt(&slider, QPoint(100, 10));
    EXPECT_FALSE(timerRunning(&slider, "repeatTimer"));
    EXPECT_EQ(reported(), QList<int>({2, 8, 10}));
}

TEST_F(SkinInputsVolumeSlider, RepeatStopsAtThePointerNotAtTheEnd)
{
    slider.setPosition(10);
    changes.clear();
    pressAt(&slider, QPoint(33, 10));  // position 3 lies under the pointer
    EXPECT_EQ(slider.position(), 8);
    fireTimer(&slider, "repeatTimer");
    EXPECT_EQ(slider.position(), 3);
    fireTimer(&slider, "repeatTimer");
    EXPECT_EQ(slider.position(), 3);
    EXPECT_EQ(reported(), QList<int>({8, 3}));
}

TEST_F(SkinInputsVolumeSlider, RepeatFollowsThePointerAndStopsWhenItLeaves)
{
    pressAt(&slider, QPoint(100, 10));
    moveTo(&slider, QPoint(40, 10));  // position 4, left of the thumb now at 19
    fireTimer(&slider, "repeatTimer");
    EXPECT_EQ(slider.position(), 4) << "pointer right of the thumb's edge: forward, capped at the pointer";
    moveTo(&slider, QPoint(200, 10));
    EXPECT_FALSE(timerRunning(&slider, "repeatTimer"));
}

TEST_F(SkinInputsVolumeSlider, RightButtonOnTheTrackDoesNothing)
{
    pressAt(&slider, QPoint(100, 10), Qt::RightButton);
    EXPECT_EQ(slider.position(), 0);
    EXPECT_FALSE(timerRunning(&slider, "repeatTimer"));
}

TEST_F(SkinInputsVolumeSlider, DraggingTheThumbFollowsThePointer)
{
    for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
        SCOPED_TRACE(button == Qt::LeftButton ? "left" : "right");
        slider.setPosition(0);
        changes.clear();
        pressAt(&slider, QPoint(5, 10), button);
        EXPECT_TRUE(slider.isDragging());
        EXPECT_FALSE(timerRunning(&slider, "repeatTimer"));
        moveTo(&slider, QPoint(52, 10), button);
        EXPECT_EQ(slider.position(), 5);
        EXPECT_EQ(slider.thumbRect().x(), 47);
        moveTo(&slider, QPoint(53, 10), button);
        moveTo(&slider, QPoint(300, 10), button);  // outside: still dragging, clamped
        EXPECT_EQ(slider.position(), 10);
        releaseAt(&slider, QPoint(300, 10), button);
        EXPECT_FALSE(slider.isDragging());
        EXPECT_EQ(reported(), QList<int>({5, 10}));
    }
}

TEST_F(SkinInputsVolumeSlider, RangeChangesPullThePositionAlong)
{
    slider.setPosition(8);
    changes.clear();
    slider.setMax(6);
    EXPECT_EQ(slider.position(), 6);
    slider.setMax(-3);  // below Min: becomes Min
    EXPECT_EQ(slider.max(), 0);
    EXPECT_EQ(slider.position(), 0);
    slider.setMax(9);
    slider.setMin(20);  // above Max: becomes Max
    EXPECT_EQ(slider.min(), 9);
    EXPECT_EQ(slider.position(), 9);
    EXPECT_EQ(reported(), QList<int>({6, 0, 9}));
    slider.setPageSize(50);
    slider.setLineSize(-1);
    EXPECT_EQ(slider.pageSize(), 9);
    EXPECT_EQ(slider.lineSize(), 0);
}

TEST_F(SkinInputsVolumeSlider, SizeFollowsThePicturesAndTheThumbSitsByPosition)
{
    EXPECT_EQ(slider.size(), QSize(106, 20));
    EXPECT_EQ(slider.sliderImage().size(), QSize(11, 20));
    slider.setPosition(5);
    EXPECT_EQ(slider.thumbRect(), QRect(47, 0, 11, 20));
    slider.setPosition(10);
    EXPECT_EQ(slider.thumbRect(), QRect(95, 0, 11, 20));

    QImage tall(4, 30, QImage::Format_ARGB32_Premultiplied);
    tall.fill(Qt::gray);
    slider.setBarImage(tall);
    EXPECT_EQ(slider.height(), 30);
    EXPECT_EQ(slider.thumbRect().y(), 5);
}

TEST(SkinInputsTrackBar, PressesOnTrackOrThumbTakeTheFocus)
{
    QWidget window;
    QLineEdit other(&window);
    TsuiTrackBar slider(&window);
    slider.setGeometry(0, 30, 106, 20);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    for (const QPoint at : {QPoint(100, 10), QPoint(5, 10)}) {
        other.setFocus();
        pressAt(&slider, at);
        EXPECT_TRUE(slider.hasFocus());
        releaseAt(&slider, at);
    }
}

TEST(SkinInputsTrackBar, VerticalSliderRunsDownwardWithOnePageRepeats)
{
    TsuiTrackBar slider;
    slider.setOrientation(TsuiOrientation::suiVertical);
    slider.resize(slider.width(), 106);
    EXPECT_EQ(slider.sliderImage().size(), QSize(20, 11));
    EXPECT_EQ(slider.width(), 20);
    pressAt(&slider, QPoint(10, 100));
    EXPECT_EQ(slider.position(), 2);
    fireTimer(&slider, "repeatTimer");
    EXPECT_EQ(slider.position(), 4);
    EXPECT_EQ(slider.thumbRect().topLeft(), QPoint(0, 38));
}

TEST(SkinInputsTrackBar, FrequencyBelowOneStillPaints)
{
    TsuiTrackBar slider;
    slider.setShowTick(true);
    slider.setFrequency(0);
    EXPECT_EQ(slider.frequency(), 1);
    EXPECT_FALSE(slider.grab().isNull());
}
}
