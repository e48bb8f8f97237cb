#include "InputTestSupport.h"
#include "SpinArrowButton.h"
#include "TsuiSpinEdit.h"

#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {
// A window with the bit-rate field and another field to move the focus to.
class SkinInputsBitRateField : public testing::Test {
protected:
    void SetUp() override
    {
        field.setUIStyle(UIStyle::WinXP);
        field.setBorderColor(Qt::black);
        field.setIncrement(1);
        field.setGeometry(153, 405, 56, 21);
        other.setGeometry(0, 0, 50, 21);
        window.resize(300, 450);
    }

    // The main window's field: no limit.
    void unbounded()
    {
        field.setMinValue(0);
        field.setMaxValue(0);
        field.setValue(812);
    }

    // The options dialog's field.
    void bounded()
    {
        field.setMinValue(100);
        field.setMaxValue(1600);
        field.setValue(812);
    }

    void showWindow()
    {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    void clickButton(SpinArrowButton *button)
    {
        const QPoint middle = button->rect().center();
        pressAt(button, middle);
        releaseAt(button, middle);
    }

    QWidget window;
    TsuiSpinEdit field{&window};
    QLineEdit other{&window};
    BeepCounter beeps;
};

TEST_F(SkinInputsBitRateField, LettersAreDroppedWithABeep)
{
    unbounded();
    field.clear();
    QTest::keyClicks(&field, QStringLiteral("8a1b-"));
    EXPECT_EQ(field.text(), QStringLiteral("81-"));
    EXPECT_EQ(beeps.count(), 2);
    QTest::keyClick(&field, Qt::Key_Return);
    EXPECT_EQ(beeps.count(), 3) << "Enter is refused too";
    QTest::keyClick(&field, Qt::Key_Backspace);
    EXPECT_EQ(field.text(), QStringLiteral("81"));
    EXPECT_EQ(beeps.count(), 3);
}

TEST_F(SkinInputsBitRateField, EditingKeysEditWithTheTextsX11Gives)
{
    unbounded();
    const struct {
        Qt::Key key;
        QChar text;
        int cursor;
        const char *left;
    } cases[] = {
        {Qt::Key_Delete, QChar(0x7f), 0, "12"},
        {Qt::Key_Backspace, QChar(0x08), 3, "81"},
        {Qt::Key_Delete, QChar(0x7f), 3, "812"},  // nothing after the cursor
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.left);
        field.setText(QStringLiteral("812"));
        field.setCursorPosition(c.cursor);
        QTest::sendKeyEvent(QTest::Click, &field, c.key, c.text, Qt::NoModifier);
        EXPECT_EQ(field.text(), QString::fromLatin1(c.left));
    }
    EXPECT_EQ(beeps.count(), 0);
}

TEST_F(SkinInputsBitRateField, EmptiedFieldReadsMinValueAndStepsFromIt)
{
    unbounded();
    field.clear();
    EXPECT_EQ(field.value(), 0);
    clickButton(field.upButton());
    EXPECT_EQ(field.text(), QStringLiteral("1"));

    bounded();
    field.setText(QStringLiteral("abc"));
    EXPECT_EQ(field.value(), 100);
    clickButton(field.downButton());
    EXPECT_EQ(field.text(), QStringLiteral("100"));
}

TEST_F(SkinInputsBitRateField, ArrowKeysAndButtonsStepThroughTheClamp)
{
    bounded();
    QTest::keyClick(&field, Qt::Key_Up);
    EXPECT_EQ(field.value(), 813);
    QTest::keyClick(&field, Qt::Key_Down);
    QTest::keyClick(&field, Qt::Key_Down);
    EXPECT_EQ(field.value(), 811);
    field.setValue(1600);
    clickButton(field.upButton());
    EXPECT_EQ(field.text(), QStringLiteral("1600"));
    field.setText(QStringLiteral("50"));
    clickButton(field.upButton());
    EXPECT_EQ(field.text(), QStringLiteral("100")) << "51 is below the bound";
}

TEST_F(SkinInputsBitRateField, SetValueWritesTheClampedValue)
{
    bounded();
    field.setValue(5000);
    EXPECT_EQ(field.text(), QStringLiteral("1600"));
    unbounded();
    field.setValue(-5);
    EXPECT_EQ(field.text(), QStringLiteral("-5"));
    field.setValue(std::numeric_limits<int>::max());
    QTest::keyClick(&field, Qt::Key_Up);
    EXPECT_EQ(field.value(), std::numeric_limits<int>::max()) << "saturates instead of wrapping";
}

TEST_F(SkinInputsBitRateField, ReadOnlyFieldOnlyBeeps)
{
    unbounded();
    field.setReadOnly(true);
    QTest::keyClick(&field, Qt::Key_Up);
    clickButton(field.downButton());
    EXPECT_EQ(field.text(), QStringLiteral("812"));
    EXPECT_EQ(beeps.count(), 2);
}

TEST_F(SkinInputsBitRateField, LeavingTheFieldWritesTheClampedValue)
{
    showWindow();
    const struct {
        const char *typed;
        const char *left;
    } cases[] = {{"50", "100"},   {"2000", "1600"}, {"812", "812"},  {"", ""}, {"-", "-"},
                 {"99999999999", "1600"}, {"-99999999999", "100"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.typed);
        bounded();
        field.setFocus();
        field.selectAll();
        QTest::keyClicks(&field, QString::fromLatin1(c.typed));
        if (!*c.typed)
            QTest::keyClick(&field, Qt::Key_Backspace);
        other.setFocus();
        EXPECT_EQ(field.text(), QString::fromLatin1(c.left));
    }
}

TEST_F(SkinInputsBitRateField, LeavingAnUnboundedFieldKeepsItsText)
{
    showWindow();
    unbounded();
    field.setFocus();
    field.setText(QStringLiteral("99999"));
    other.setFocus();
    EXPECT_EQ(field.text(), QStringLiteral("99999"));
}

TEST_F(SkinInputsBitRateField, HeldButtonRepeatsUntilReleased)
{
    unbounded();
    SpinArrowButton *up = field.upButton();
    const QPoint middle = up->rect().center();
    pressAt(up, middle);
    EXPECT_EQ(field.value(), 812) << "the press alone does not step";
    fireTimer(up, "holdTimer");
    fireTimer(up, "holdTimer");
    EXPECT_EQ(field.value(), 814);
    releaseAt(up, middle);
    EXPECT_EQ(field.value(), 815) << "the release over the button is the click";
    EXPECT_FALSE(timerRunning(up, "holdTimer"));

    SpinArrowButton *down = field.downButton();
    pressAt(down, down->rect().center());
    fireTimer(down, "holdTimer");
    moveTo(down, QPoint(-20, 3));
    EXPECT_FALSE(timerRunning(down, "holdTimer"));
    releaseAt(down, QPoint(-20, 3));
    EXPECT_EQ(field.value(), 814) << "released off the button: no click";
}

TEST_F(SkinInputsBitRateField, ButtonPairSitsInsideTheBorderAtTheRight)
{
    showWindow();
    EXPECT_EQ(field.upButton()->geometry(), QRect(56 - 2 - 15, 2, 15, 8));
    EXPECT_EQ(field.downButton()->geometry(), QRect(56 - 2 - 15, 10, 15, 9));
    EXPECT_EQ(field.textMargins().right(), 2 + 15 + 2);
}
}
