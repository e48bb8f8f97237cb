// Typing start and end times into the main window's time fields: the red range check against the
// stored times, the commit or discard on leaving, Escape, and the refusal of a blank digit.
#include "PreviewFixture.h"

class PreviewTrimTimes : public PreviewFixture {
protected:
    // A 100-second clip from 10 to 90, as typed by the user.
    TVideoInfo *ClipFrom10To90()
    {
        TVideoInfo *clip = AddClip(100);
        Type(form->suiEdit_Start, QStringLiteral("000010"));
        Type(form->suiEdit_Stop, QStringLiteral("000130"));
        Leave();
        return clip;
    }
};

TEST_F(PreviewTrimTimes, TypedTimesAreCheckedAgainstTheStoredTimesAndStoredOnLeaving)
{
    TVideoInfo *clip = ClipFrom10To90();
    ASSERT_EQ(clip->StartTime(), 10);
    ASSERT_EQ(clip->EndTime(), 90);
    TsuiMaskEdit *start = form->suiEdit_Start;
    TsuiMaskEdit *stop = form->suiEdit_Stop;

    const struct {
        TsuiMaskEdit *field;
        const char *typed;
        bool red;
        int start, end;   // stored after leaving
        const char *text; // shown after leaving
    } cases[] = {
        {stop, "000145", true, 10, 90, "00:01:30"},   // beyond the duration: thrown away
        {stop, "000005", true, 10, 90, "00:01:30"},   // below the start
        {stop, "000010", false, 10, 10, "00:00:10"},  // an end equal to the start
        {stop, "000140", false, 10, 100, "00:01:40"}, // the whole clip
        {start, "000145", true, 10, 100, "00:00:10"}, // beyond the end
        {start, "000090", false, 90, 100, "00:00:90"}, // kept as typed
        {start, "000140", false, 100, 100, "00:01:40"}, // a start equal to the end
        {start, "240000", true, 100, 100, "00:01:40"},  // 86400 s: never committed
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.typed);
        Type(c.field, QString::fromLatin1(c.typed));
        EXPECT_EQ(c.field->color(), c.red ? TrimTimes::Red : Normal());
        Leave();
        EXPECT_EQ(clip->StartTime(), c.start);
        EXPECT_EQ(clip->EndTime(), c.end);
        EXPECT_EQ(c.field->text(), QString::fromLatin1(c.text));
        EXPECT_EQ(c.field->color(), Normal());
    }
}

TEST_F(PreviewTrimTimes, AStartTypedUpToTheEndMakesTheMarkersTouch)
{
    TVideoInfo *clip = ClipFrom10To90();
    Type(form->suiEdit_Start, QStringLiteral("000090"));
    EXPECT_EQ(clip->StartTime(), 10) << "typing alone stores nothing";
    EXPECT_EQ(form->suiEdit_Start->color(), Normal());
    Leave();
    EXPECT_EQ(clip->StartTime(), 90);
    EXPECT_EQ(form->Image_Right->x() - form->Image_Left->x(), form->Image_Left->width());
}

TEST_F(PreviewTrimTimes, EscapeBringsBackTheTextTheFieldHadOnEntry)
{
    TVideoInfo *clip = ClipFrom10To90();
    Type(form->suiEdit_Stop, QStringLiteral("000145"));
    ASSERT_EQ(form->suiEdit_Stop->color(), TrimTimes::Red);
    QTest::keyClick(form->suiEdit_Stop, Qt::Key_Escape);
    EXPECT_EQ(form->suiEdit_Stop->text(), QStringLiteral("00:01:30"));
    EXPECT_EQ(form->suiEdit_Stop->color(), Normal());
    Leave();
    EXPECT_EQ(clip->EndTime(), 90);
}

// The user's own typing is no program fault: a plain warning, never the report that offers to
// mail the makers.
TEST_F(PreviewTrimTimes, ABlankRequiredDigitKeepsTheFocusAndWarns)
{
    TVideoInfo *clip = ClipFrom10To90();
    TsuiMaskEdit *stop = form->suiEdit_Stop;
    stop->setFocus(Qt::MouseFocusReason);
    stop->setCursorPosition(7);
    QTest::keyClick(stop, Qt::Key_Backspace);
    Leave();
    EXPECT_TRUE(stop->hasFocus());
    EXPECT_EQ(prompts.TextsOf(ScriptedPrompts::Kind::Warning),
              QStringList{QStringLiteral("Invalid input value.  Use escape key to abandon changes")});
    EXPECT_TRUE(prompts.TextsOf(ScriptedPrompts::Kind::Confirm).isEmpty()) << "no error report";
    EXPECT_EQ(stop->text(), QStringLiteral("00:01: 0"));
    EXPECT_EQ(clip->EndTime(), 90) << "nothing is committed";

    QTest::keyClick(stop, Qt::Key_Escape);
    Leave();
    EXPECT_FALSE(stop->hasFocus());
    EXPECT_EQ(clip->EndTime(), 90);
    EXPECT_EQ(prompts.TextsOf(ScriptedPrompts::Kind::Warning).size(), 1);
}

TEST_F(PreviewTrimTimes, WithoutAClipTheFieldsAreDisabledAndKeepTheNormalColour)
{
    EXPECT_FALSE(form->suiEdit_Start->isEnabled());
    EXPECT_FALSE(form->suiEdit_Stop->isEnabled());
    form->suiEdit_Stop->setText(QStringLiteral("99:00:00"));
    EXPECT_EQ(form->suiEdit_Stop->color(), Normal());
}

TEST_F(PreviewTrimTimes, RemovingTheClipGivesTheFieldsTheirNormalColourBack)
{
    TVideoInfo *clip = ClipFrom10To90();
    PressRow(clip);
    Type(form->suiEdit_Stop, QStringLiteral("000145"));
    ASSERT_EQ(form->suiEdit_Stop->color(), TrimTimes::Red);
    QTest::mouseClick(form->suiImageButton_OpenFile, Qt::LeftButton, {}, QPoint(5, 5));
    Settle();
    ASSERT_EQ(form->Clips().Count(), 0);
    EXPECT_FALSE(form->suiEdit_Stop->isEnabled());
    EXPECT_EQ(form->suiEdit_Stop->color(), Normal());
    EXPECT_EQ(form->suiEdit_Start->color(), Normal());
}
