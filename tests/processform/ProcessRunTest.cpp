// The conversion window through a run on the scripted engine: its labels and progress, the Stop
// button and its question, the outcome boxes and the refusal to close during the run.
#include "ModalRun.h"
#include "QtPrinting.h"
#include "ScriptedPrompts.h"
#include "ScriptedRun.h"
#include "skin/PictureBox.h"
#include "skin/TsuiImageButton.h"
#include "skin/art/SkinLayout.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <functional>
#include <QScreen>
#include <gtest/gtest.h>

namespace {

using Kind = ScriptedPrompts::Kind;

class ProcessWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(app.IsValid());
        FakeEngine::Reset();
        job = ScriptedEngineJob(app);
    }
    void TearDown() override { FakeEngine::Reset(); }

    void AddClip(const QString &source, int start, int end, int duration, const QString &outputName)
    {
        ClipJob clip;
        clip.sourcePath = source;
        clip.startTime = start;
        clip.endTime = end;
        clip.duration = duration;
        clip.videoWidth = 640;
        clip.videoHeight = 480;
        clip.outputName = outputName;
        clip.position = int(job.clips.size());
        job.clips.append(clip);
    }

    void AddClips(int count)
    {
        for (int i = 1; i <= count; ++i)
            AddClip(QStringLiteral("/media/clip%1.avi").arg(i), 0, 30, 100, QStringLiteral("MAQ7000%1.MP4").arg(i));
    }

    // Waits, inside the run, until the engine converts the clip from `source` and the window polls.
    bool ConvertingClip(const QString &source)
    {
        return FakeEngine::WaitUntilConverting(5000) && QTest::qWaitFor([&] {
                   return form.Label_TitleName->text() == source && form.Timer_Info.isActive();
               }, 5000);
    }

    int BarWidth() const { return form.Panel_Progress->width(); }

    FakeEngine::FakeAppFolder app;
    ScriptedPrompts prompts;
    TProcessForm form;
    ConversionJob job;
};

} // namespace

TEST_F(ProcessWindow, ShowingResetsWhatTheLastRunLeft)
{
    for (QLabel *label : {form.Label_TitleName, form.Label_DesName, form.Label_StartTime, form.Label_StopTime,
                          form.Label_Length, form.Label_CurrentTime, form.Label_FPS, form.Label_CurrentFrame,
                          form.Label_CopyFile})
        label->setText(QStringLiteral("left over"));
    form.suiImageButton_Copy->setEnabled(true);
    form.Percent(100);

    form.show();
    for (QLabel *label : {form.Label_StartTime, form.Label_StopTime, form.Label_Length, form.Label_CurrentTime})
        EXPECT_EQ(label->text(), QStringLiteral("00:00:00"));
    for (QLabel *label : {form.Label_TitleName, form.Label_DesName, form.Label_CopyFile})
        EXPECT_EQ(label->text(), QString());
    EXPECT_EQ(form.Label_FPS->text(), QStringLiteral("0"));
    EXPECT_EQ(form.Label_CurrentFrame->text(), QStringLiteral("0"));
    EXPECT_EQ(form.Label_Percent->text(), QStringLiteral("0"));
    EXPECT_EQ(BarWidth(), 0);
    EXPECT_FALSE(form.suiImageButton_Copy->isEnabled());
    form.hide();
}

TEST_F(ProcessWindow, ACompleteRunEndsAtOneHundredPercentWithTheUploadOffered)
{
    AddClips(2);
    QPoint offCentre(-1, -1);
    WhileShown(form, [&] { offCentre = form.geometry().center() - form.screen()->availableGeometry().center(); });
    form.ShowRun(job);

    EXPECT_LE(offCentre.manhattanLength(), 2);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(SourcesConverted(), (QStringList{"/media/clip1.avi", "/media/clip2.avi"}));
    EXPECT_EQ(prompts.TextsOf(Kind::Information),
              QStringList{QStringLiteral("Process finish!\nYou can upload file to your PSP.")});
    EXPECT_EQ(form.Label_TitleName->text(), QStringLiteral("/media/clip2.avi"));
    EXPECT_EQ(form.Label_DesName->text(), QStringLiteral("MAQ70002.MP4"));
    EXPECT_EQ(form.Label_Percent->text(), QStringLiteral("100"));
    EXPECT_EQ(BarWidth(), ProcessFormLayout::ProgressTravel);
    EXPECT_TRUE(form.suiImageButton_Copy->isEnabled());
    EXPECT_FALSE(form.Timer_Info.isActive());
}

// A window restored from the taskbar gets a show event from the window system: it must keep what
// it shows, mid-run and after it (the upload offered stays offered).
TEST_F(ProcessWindow, RestoringTheMinimisedWindowKeepsWhatItShows)
{
    AddClip(QStringLiteral("/media/clip1.avi"), 60, 100, 200, QStringLiteral("MAQ70001.MP4"));
    FakeEngine::SetBlockConversion(true);
    const auto minimiseAndRestore = [&] {
        form.showMinimized();
        form.showNormal();
    };
    WhileShown(form, [&] {
        ASSERT_TRUE(ConvertingClip(QStringLiteral("/media/clip1.avi")));
        minimiseAndRestore();
        FakeEngine::SetInfo(10, 24, 240);
        form.Timer_InfoTimer();
        EXPECT_EQ(form.Label_CurrentTime->text(), QStringLiteral("00:01:10"));
        EXPECT_EQ(form.Label_Percent->text(), QStringLiteral("25"));
        EXPECT_EQ(form.Label_TitleName->text(), QStringLiteral("/media/clip1.avi"));

        FakeEngine::ReleaseConversion();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !form.RunInProgress(); }, 5000));
        minimiseAndRestore();
        EXPECT_EQ(form.Label_DesName->text(), QStringLiteral("MAQ70001.MP4"));
        EXPECT_EQ(form.Label_StopTime->text(), QStringLiteral("00:01:40"));
        EXPECT_EQ(form.Label_Percent->text(), QStringLiteral("100"));
        EXPECT_EQ(BarWidth(), ProcessFormLayout::ProgressTravel);
        EXPECT_TRUE(form.suiImageButton_Copy->isEnabled());
    });
    form.ShowRun(job);
}

TEST_F(ProcessWindow, LabelsAndThePollWhileAClipConverts)
{
    // Ends within 2 s of the source's end: converted to the end, measured against end minus start.
    AddClip(QStringLiteral("/media/long holiday.mkv"), 60, 80, 81, QStringLiteral("MAQ70005.MP4"));
    FakeEngine::SetBlockConversion(true);
    WhileShown(form, [&] {
        ASSERT_TRUE(ConvertingClip(QStringLiteral("/media/long holiday.mkv")));
        EXPECT_EQ(form.Label_DesName->text(), QStringLiteral("MAQ70005.MP4"));
        EXPECT_EQ(form.Label_StartTime->text(), QStringLiteral("00:01:00"));
        EXPECT_EQ(form.Label_StopTime->text(), QStringLiteral("00:01:20"));
        EXPECT_EQ(form.Label_Length->text(), QStringLiteral("00:00:00"));
        EXPECT_EQ(form.Label_CurrentTime->text(), QStringLiteral("00:00:00"));
        EXPECT_EQ(form.Timer_Info.interval(), 500);

        const struct {
            int seconds, fps, frame;
            const char *time, *fpsText, *frameText, *percent;
            int bar;
        } polls[] = {
            {0, 0, 0, "00:01:00", "Seeking...", "Seeking...", "0", 0},
            {3, 0, 75, "00:01:03", "Seeking...", "Seeking...", "15", 40},
            {10, 24, 240, "00:01:10", "24", "240", "50", 135},
            {20, 24, 480, "00:01:20", "24", "480", "100", 270},
            {25, 24, 600, "00:01:25", "24", "600", "125", 270},  // past the end time: the bar stops
        };
        for (const auto &p : polls) {
            FakeEngine::SetInfo(p.seconds, p.fps, p.frame);
            form.Timer_InfoTimer();
            EXPECT_EQ(form.Label_CurrentTime->text(), QLatin1String(p.time)) << p.seconds;
            EXPECT_EQ(form.Label_FPS->text(), QLatin1String(p.fpsText)) << p.seconds;
            EXPECT_EQ(form.Label_CurrentFrame->text(), QLatin1String(p.frameText)) << p.seconds;
            EXPECT_EQ(form.Label_Percent->text(), QLatin1String(p.percent)) << p.seconds;
            EXPECT_EQ(BarWidth(), p.bar) << p.seconds;
        }
        FakeEngine::ReleaseConversion();
    });
    form.ShowRun(job);
    EXPECT_EQ(FakeEngine::CallsTo("X_SetPar_D2PSP").at(0).texts[16], "0");
}

// Markers that touch select no time at all: one second is converted, not the whole source.
TEST_F(ProcessWindow, AnEmptyRangeConvertsOneSecond)
{
    AddClip(QStringLiteral("/media/clip1.avi"), 30, 30, 100, QStringLiteral("MAQ70001.MP4"));
    FakeEngine::SetBlockConversion(true);
    WhileShown(form, [&] {
        ASSERT_TRUE(ConvertingClip(QStringLiteral("/media/clip1.avi")));
        EXPECT_EQ(form.Label_Length->text(), QStringLiteral("00:00:01"));
        // That second is the whole bar.
        FakeEngine::SetInfo(1, 25, 25);
        form.Timer_InfoTimer();
        EXPECT_EQ(form.Label_Percent->text(), QStringLiteral("100"));
        EXPECT_EQ(BarWidth(), ProcessFormLayout::ProgressTravel);
        FakeEngine::ReleaseConversion();
    });
    form.ShowRun(job);
    EXPECT_EQ(FakeEngine::CallsTo("X_SetPar_D2PSP").at(0).texts[16], "1");
}

TEST_F(ProcessWindow, StopOnlyOnceTheEngineAllowsItAndOnlyWhenConfirmed)
{
    AddClips(2);
    FakeEngine::SetBlockConversion(true);
    FakeEngine::SetConversionReadyDelivery(FakeEngine::Delivery::Held);
    WhileShown(form, [&] {
        ASSERT_TRUE(ConvertingClip(QStringLiteral("/media/clip1.avi")));
        EXPECT_FALSE(form.suiImageButton_StopConvert->isEnabled());
        QTest::mouseClick(form.suiImageButton_StopConvert, Qt::LeftButton);
        EXPECT_TRUE(prompts.TextsOf(Kind::Confirm).isEmpty());

        FakeEngine::PostHeldMessages();
        ASSERT_TRUE(QTest::qWaitFor([&] { return form.suiImageButton_StopConvert->isEnabled(); }, 5000));

        prompts.QueueConfirm(false);
        QTest::mouseClick(form.suiImageButton_StopConvert, Qt::LeftButton);
        EXPECT_EQ(prompts.TextsOf(Kind::Confirm), QStringList{QStringLiteral("Do you want to stop process?")});
        EXPECT_TRUE(FakeEngine::CallsTo("X_StopConvert").empty());
        EXPECT_TRUE(form.Timer_Info.isActive());
        EXPECT_TRUE(form.RunInProgress());

        prompts.QueueConfirm(true);
        QTest::mouseClick(form.suiImageButton_StopConvert, Qt::LeftButton);
        EXPECT_EQ(FakeEngine::CallsTo("X_StopConvert").size(), 1u);
        EXPECT_FALSE(form.Timer_Info.isActive());
    });
    form.ShowRun(job);

    EXPECT_EQ(prompts.TextsOf(Kind::Information), QStringList{QStringLiteral("Stop process by user!")});
    EXPECT_EQ(SourcesConverted(), QStringList{QStringLiteral("/media/clip1.avi")});
    // The stopped clip still gets its thumbnail; no upload is offered.
    EXPECT_EQ(FakeEngine::CallsTo("X_Get_Frame_JPEG").size(), 1u);
    EXPECT_TRUE(QFile::exists(job.outputFolder + QStringLiteral("MAQ70001.THM")));
    EXPECT_FALSE(form.suiImageButton_Copy->isEnabled());
}

// The question is a modal box: the window goes on handling messages while it waits, and the run
// can end meanwhile. Its outcome is reported once the question is answered, never on top of it.
TEST_F(ProcessWindow, ARunEndingWhileTheStopQuestionIsOpenIsReportedAfterIt)
{
    class SlowAnswer : public ScriptedPrompts {
    public:
        std::function<void()> whileAsked;
        bool Confirm(const QString &text) override
        {
            whileAsked();
            return ScriptedPrompts::Confirm(text);
        }
    } slowPrompts;
    AddClips(1);
    FakeEngine::SetBlockConversion(true);
    QStringList shownWhileAsked{QStringLiteral("none yet")};
    slowPrompts.whileAsked = [&] {
        FakeEngine::ReleaseConversion();
        QTest::qWait(300);  // the run ends and its message arrives while the box is open
        shownWhileAsked = slowPrompts.TextsOf(Kind::Information);
    };
    WhileShown(form, [&] {
        ASSERT_TRUE(ConvertingClip(QStringLiteral("/media/clip1.avi")));
        ASSERT_TRUE(QTest::qWaitFor([&] { return form.suiImageButton_StopConvert->isEnabled(); }, 5000));
        slowPrompts.QueueConfirm(true);
        form.suiImageButton_StopConvertClick();
        EXPECT_TRUE(form.RunInProgress());
    });
    form.ShowRun(job);

    EXPECT_EQ(shownWhileAsked, QStringList());
    EXPECT_EQ(slowPrompts.TextsOf(Kind::Information),
              QStringList{QStringLiteral("Process finish!\nYou can upload file to your PSP.")});
}

TEST_F(ProcessWindow, OutcomeBoxes)
{
    const struct {
        const char *why;
        int conversionResult;
        bool stop;
        const char *information;
        const char *error;
        int conversions;
        bool leavesFile = true;
    } cases[] = {
        {"a failure ends the run", -1, false, nullptr, "Conversion wrong, please check parameter and try again!", 1},
        {"a stop the engine answers with -1", -1, true, nullptr,
         "Conversion wrong, please check parameter and try again!", 1},
        {"an unknown result shows nothing and goes on", 7, false, "Process finish!\nYou can upload file to your PSP.",
         nullptr, 2},
        {"a stop before the first picture: no file and no thumbnail", 0, true, "Stop process by user!", nullptr, 1,
         false},
    };
    AddClips(2);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.why);
        FakeEngine::Reset();
        QDir(job.outputFolder).removeRecursively();
        prompts.ClearQuestions();
        FakeEngine::SetConversionResult(c.conversionResult);
        FakeEngine::SetBlockConversion(c.stop);
        FakeEngine::SetConversionWritesOutput(c.leavesFile);
        WhileShown(form, [&] {
            if (!c.stop)
                return;
            ASSERT_TRUE(ConvertingClip(QStringLiteral("/media/clip1.avi")));
            ASSERT_TRUE(QTest::qWaitFor([&] { return form.suiImageButton_StopConvert->isEnabled(); }, 5000));
            prompts.QueueConfirm(true);
            form.suiImageButton_StopConvertClick();
        });
        form.ShowRun(job);
        EXPECT_EQ(prompts.TextsOf(Kind::Information), c.information ? QStringList{QString::fromUtf8(c.information)} : QStringList());
        EXPECT_EQ(prompts.TextsOf(Kind::Error), c.error ? QStringList{QString::fromUtf8(c.error)} : QStringList());
        EXPECT_EQ(int(SourcesConverted().size()), c.conversions);
        if (!c.leavesFile) {
            EXPECT_TRUE(FakeEngine::CallsTo("X_Get_Frame_JPEG").empty());
            EXPECT_FALSE(form.suiImageButton_Copy->isEnabled());
        }
    }
}

TEST_F(ProcessWindow, AnEngineThatCannotBeLoadedClosesTheWindowByItself)
{
    AddClips(2);
    QFile::remove(app.EnginePath());
    bool closedByItself = false;
    QTimer::singleShot(0, &form, [&] {
        closedByItself = QTest::qWaitFor([&] { return !form.isVisible(); }, 5000);
        FinishAndClose(form);
    });
    form.ShowRun(job);

    EXPECT_TRUE(closedByItself);
    EXPECT_EQ(prompts.TextsOf(Kind::Error),
              QStringList{QStringLiteral("Can not initial conversion function!\nRe-install software may fix this problem!")});
    EXPECT_TRUE(FakeEngine::Calls().empty());
}

TEST_F(ProcessWindow, EscapeClosesTheWindowOnlyOnceTheRunIsOver)
{
    AddClips(1);
    FakeEngine::SetBlockConversion(true);
    bool closedByEscape = false;
    QTimer::singleShot(0, &form, [&] {
        ASSERT_TRUE(ConvertingClip(QStringLiteral("/media/clip1.avi")));
        QTest::keyClick(&form, Qt::Key_Escape);
        EXPECT_TRUE(form.isVisible());
        EXPECT_TRUE(prompts.Questions().isEmpty());
        FakeEngine::ReleaseConversion();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !form.RunInProgress(); }, 5000));
        QTest::keyClick(&form, Qt::Key_Escape);
        closedByEscape = !form.isVisible();
        FinishAndClose(form);
    });
    form.ShowRun(job);
    EXPECT_TRUE(closedByEscape);
}

TEST_F(ProcessWindow, CloseIsRefusedWhileTheRunGoesOn)
{
    AddClips(1);
    FakeEngine::SetBlockConversion(true);
    WhileShown(form, [&] {
        ASSERT_TRUE(ConvertingClip(QStringLiteral("/media/clip1.avi")));
        QTest::mouseClick(form.suiImageButton_Close, Qt::LeftButton);
        EXPECT_EQ(prompts.TextsOf(Kind::Information), QStringList{QStringLiteral("Please stop conversion process first!")});
        EXPECT_TRUE(form.isVisible());

        // From the window manager: refused without a word.
        form.close();
        EXPECT_TRUE(form.isVisible());
        EXPECT_EQ(prompts.Questions().size(), 1);
        FakeEngine::ReleaseConversion();
    });
    form.ShowRun(job);
    EXPECT_FALSE(form.isVisible());
}
