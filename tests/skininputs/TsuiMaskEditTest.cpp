#include "InputTestSupport.h"
#include "TsuiMaskEdit.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {
// A window with the start-time field and another field that shares the exit handling.
class SkinInputsTimeField : public testing::Test {
protected:
    void SetUp() override
    {
        field.setEditMask(QStringLiteral("!90:00:00;1;_"));
        field.setGeometry(10, 10, 60, 19);
        other.setGeometry(10, 40, 60, 19);
        window.resize(200, 100);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        field.setText(QStringLiteral("00:01:30"));
        field.setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(field.hasFocus());
    }

    void retype(const QString &keys)
    {
        field.selectAll();
        QTest::keyClicks(&field, keys);
    }

    QWidget window;
    TsuiMaskEdit field{&window};
    TsuiEdit other{&window};
    QSignalSpy exits{&field, &TsuiEdit::OnExit};
    QSignalSpy otherExits{&other, &TsuiEdit::OnExit};
    QSignalSpy errors{&field, &TsuiMaskEdit::OnInvalidInput};
    BeepCounter beeps;
};

TEST_F(SkinInputsTimeField, TextKeepsBlankPositionsAsSpaces)
{
    EXPECT_EQ(field.text(), QStringLiteral("00:01:30"));
    EXPECT_EQ(field.maxLength(), 8);
    field.clear();
    EXPECT_EQ(field.text(), QStringLiteral("  :  :  "));
    EXPECT_EQ(field.displayText(), QStringLiteral("__:__:__"));
    field.setText(QStringLiteral(" 1:30:00"));
    EXPECT_EQ(field.text(), QStringLiteral(" 1:30:00"));
    retype(QStringLiteral("12"));
    EXPECT_EQ(field.text(), QStringLiteral("12:  :  "));
}

TEST_F(SkinInputsTimeField, CompleteEditLeavesNormally)
{
    retype(QStringLiteral("000245"));
    EXPECT_EQ(field.text(), QStringLiteral("00:02:45"));
    other.setFocus(Qt::MouseFocusReason);
    EXPECT_TRUE(other.hasFocus());
    EXPECT_EQ(exits.count(), 1);
    EXPECT_EQ(beeps.count(), 0);
}

TEST_F(SkinInputsTimeField, IncompleteEditKeepsTheFocus)
{
    for (const Qt::FocusReason reason : {Qt::MouseFocusReason, Qt::TabFocusReason, Qt::OtherFocusReason}) {
        SCOPED_TRACE(int(reason));
        field.setText(QStringLiteral("00:01:30"));
        retype(QStringLiteral("12"));
        other.setFocus(reason);
        EXPECT_TRUE(field.hasFocus());
        EXPECT_EQ(field.cursorPosition(), 3) << "on the first blank required digit";
        EXPECT_EQ(exits.count(), 0);
        EXPECT_EQ(otherExits.count(), 0);
    }
    EXPECT_EQ(beeps.count(), 3);
    ASSERT_EQ(errors.count(), 3);
    EXPECT_EQ(errors.first().at(0).toString(),
              QStringLiteral("Invalid input value.  Use escape key to abandon changes"));
}

TEST_F(SkinInputsTimeField, EnterWithABlankDigitIsRefused)
{
    retype(QStringLiteral("0001"));
    QTest::keyClick(&field, Qt::Key_Return);
    EXPECT_EQ(beeps.count(), 1);
    EXPECT_EQ(errors.count(), 1);
    EXPECT_EQ(field.cursorPosition(), 6);
}

TEST_F(SkinInputsTimeField, EscapeRestoresTheTextOnEntryAndLetsTheFocusGo)
{
    retype(QStringLiteral("12"));
    other.setFocus(Qt::MouseFocusReason);
    ASSERT_TRUE(field.hasFocus());
    QTest::keyClick(&field, Qt::Key_Escape);
    EXPECT_EQ(field.text(), QStringLiteral("00:01:30"));
    other.setFocus(Qt::MouseFocusReason);
    EXPECT_TRUE(other.hasFocus());
    EXPECT_EQ(exits.count(), 1);
}

TEST_F(SkinInputsTimeField, EscapeRestoresWhatTheProgramSetWhileFocused)
{
    // The program may hold the field as a plain QLineEdit.
    QLineEdit &plain = field;
    plain.setText(QStringLiteral("00:00:20"));
    retype(QStringLiteral("1"));
    QTest::keyClick(&field, Qt::Key_Escape);
    EXPECT_EQ(field.text(), QStringLiteral("00:00:20"));
}

TEST_F(SkinInputsTimeField, EscapeAfterRetypingTheSameTextStillEndsTheEdit)
{
    field.clear();
    QTest::keyClick(&field, Qt::Key_1);
    QTest::keyClick(&field, Qt::Key_Backspace);
    EXPECT_EQ(field.text(), QStringLiteral("  :  :  "));
    QTest::keyClick(&field, Qt::Key_Escape);
    other.setFocus(Qt::MouseFocusReason);
    EXPECT_TRUE(other.hasFocus());
    EXPECT_EQ(beeps.count(), 0);
}

TEST_F(SkinInputsTimeField, UneditedBlankFieldMayBeLeft)
{
    field.clear();
    other.setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(other.hasFocus());
    EXPECT_EQ(beeps.count(), 0);
    EXPECT_EQ(exits.count(), 1);
}

TEST_F(SkinInputsTimeField, SwitchingWindowsIsNoLeave)
{
    retype(QStringLiteral("12"));
    QWidget elsewhere;
    elsewhere.show();
    elsewhere.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&elsewhere));
    EXPECT_EQ(beeps.count(), 0);
    EXPECT_EQ(exits.count(), 0);
}

TEST_F(SkinInputsTimeField, DisabledFieldLetsTheFocusGo)
{
    retype(QStringLiteral("12"));
    field.setEnabled(false);
    EXPECT_FALSE(field.hasFocus());
    EXPECT_EQ(errors.count(), 0);
}
}
