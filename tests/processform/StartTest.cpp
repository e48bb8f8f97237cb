// The main window's Start button with the scripted engine: its refusals, the preview closed
// before the run, the serial number and the names after it.
#include "ClipListComponent.h"
#include "ScriptedRun.h"
#include "ModalRun.h"
#include "QtPrinting.h"
#include "ScriptedPrompts.h"
#include "TMainForm.h"
#include "TsuiImageButton.h"
#include "AppWindows.h"
#include "cliplist/PreviewLink.h"
#include "core/AppGlobals.h"
#include "core/conversion/SerialReservation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QLabel>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using Kind = ScriptedPrompts::Kind;

// A preview that notes when its grabber is closed, counted in engine conversions done by then.
class RecordingPreview : public PreviewLink {
public:
    bool AwaitingFrame() const override { return false; }
    QImage ShownPicture() const override { return {}; }
    void CloseFrameLibrary() override { closedAfterConversions.append(int(FakeEngine::CallsTo("X_SetPar_D2PSP").size())); }
    void ShowClipPicture(TVideoInfo *) override {}
    void ShowClipRange(TVideoInfo *) override {}

    QList<int> closedAfterConversions;
};

class StartButton : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(app.IsValid());
        ASSERT_TRUE(media.isValid());
        for (const char *name : {"PfDef.dll", "PfSetting.ini"})
            ASSERT_TRUE(QFile::copy(QStringLiteral(POCKETREEL_SOURCE_DIR "/assets/ini/") + QLatin1String(name),
                                    app.Path() + QLatin1String(name)));
        FakeEngine::Reset();
        FakeEngine::ProbeAnswer probe;
        probe.info = {95, 25.0f, 1500.0f, 640, 480, 0, 44100, 0, 128.0f, 1};
        FakeEngine::SetDefaultProbeAnswer(probe);
        saved = {g_s_OutputFolder, i_OutputPSPSerialNumber, i_MinDurationTime};
        g_s_OutputFolder = media.path() + QStringLiteral("/out/");
        i_MinDurationTime = -1;
        mainForm = std::make_unique<TMainForm>();
        processForm = std::make_unique<TProcessForm>();
        ProcessForm = processForm.get();
        mainForm->ClipListPart()->SetPreview(&preview);
        mainForm->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(mainForm.get()));
    }

    void TearDown() override
    {
        ProcessForm = nullptr;
        processForm.reset();
        mainForm.reset();
        FakeEngine::Reset();
        g_s_OutputFolder = saved.output;
        i_OutputPSPSerialNumber = saved.serial;
        i_MinDurationTime = saved.minDuration;
    }

    void AddClips(int count)
    {
        QStringList paths;
        for (int i = 1; i <= count; ++i) {
            paths << media.filePath(QStringLiteral("clip %1.avi").arg(i));
            QFile(paths.last()).open(QIODevice::WriteOnly);
        }
        mainForm->ClipListPart()->AddFiles(paths);
        ASSERT_EQ(mainForm->Clips().Count(), count);
        preview.closedAfterConversions.clear();  // adding closes the grabber too
    }

    void ClickStart() { QTest::mouseClick(mainForm->suiImageButton_StartConvert, Qt::LeftButton, {}, QPoint(50, 50)); }

    QStringList Names() const
    {
        QStringList names;
        for (const TVideoInfo *clip : mainForm->Clips().Clips())
            names.append(clip->OutputName());
        return names;
    }

    FakeEngine::FakeAppFolder app;
    QTemporaryDir media;
    ScriptedPrompts prompts;
    RecordingPreview preview;
    std::unique_ptr<TMainForm> mainForm;
    std::unique_ptr<TProcessForm> processForm;
    struct {
        QString output;
        int serial = 0, minDuration = 0;
    } saved;
};

} // namespace

TEST_F(StartButton, RefusesWhileThePreviewSeeksOrWhenNothingIsTicked)
{
    AddClips(2);
    mainForm->Label_Info->show();
    ClickStart();
    mainForm->Label_Info->hide();
    for (TVideoInfo *clip : mainForm->Clips().Clips())
        clip->SetTicked(false);
    ClickStart();

    EXPECT_EQ(prompts.TextsOf(Kind::Information),
              (QStringList{"Seeking file, please waiting.", "No video clip to convert!"}));
    EXPECT_FALSE(processForm->isVisible());
    EXPECT_TRUE(preview.closedAfterConversions.isEmpty());
    EXPECT_EQ(i_OutputPSPSerialNumber, 1);
    EXPECT_EQ(Names(), (QStringList{"MAQ70001.MP4", "MAQ70002.MP4"}));
}

TEST_F(StartButton, ConvertsTheTickedClipsThenAdvancesTheSerialByTheWholeList)
{
    AddClips(5);
    for (int i = 0; i < 5; ++i)
        mainForm->Clips().ClipAt(i)->SetTicked(i == 3);
    bool mainWindowBlocked = false;
    WhileShown(*processForm, [&] { mainWindowBlocked = !mainForm->isEnabled() || QApplication::activeModalWidget() == processForm.get(); });
    ClickStart();

    EXPECT_TRUE(mainWindowBlocked);
    EXPECT_EQ(SourcesConverted(), QStringList{media.filePath("clip 4.avi")});
    EXPECT_EQ(FakeEngine::CallsTo("X_SetPar_D2PSP").at(0).texts[14], (g_s_OutputFolder + "MAQ70004.MP4").toStdString());
    EXPECT_EQ(preview.closedAfterConversions, QList<int>{0});
    EXPECT_EQ(prompts.TextsOf(Kind::Information),
              QStringList{QStringLiteral("Process finish!\nYou can upload file to your PSP.")});
    EXPECT_EQ(i_OutputPSPSerialNumber, 6);
    EXPECT_EQ(Names(), (QStringList{"MAQ70006.MP4", "MAQ70007.MP4", "MAQ70008.MP4", "MAQ70009.MP4", "MAQ70010.MP4"}));
}

TEST_F(StartButton, AnEngineThatCannotBeLoadedStillAdvancesTheSerial)
{
    AddClips(3);
    QFile::remove(app.EnginePath());
    WhileShown(*processForm);
    ClickStart();

    EXPECT_EQ(prompts.TextsOf(Kind::Error),
              QStringList{QStringLiteral("Can not initial conversion function!\nRe-install software may fix this problem!")});
    EXPECT_FALSE(processForm->isVisible());
    EXPECT_EQ(i_OutputPSPSerialNumber, 4);
    EXPECT_EQ(Names(), (QStringList{"MAQ70004.MP4", "MAQ70005.MP4", "MAQ70006.MP4"}));
}

// Posted messages still arrive while the conversion window is modal: a disc removed during the
// run clears the list. The run goes on with the clips it took.
TEST_F(StartButton, TheListClearedDuringTheRunLeavesTheRunItsOwnClips)
{
    AddClips(3);
    FakeEngine::SetBlockConversion(true);
    WhileShown(*processForm, [&] {
        ASSERT_TRUE(FakeEngine::WaitUntilConverting(5000));
        mainForm->ClipListPart()->ClearClips();
        FakeEngine::SetBlockConversion(false);
        FakeEngine::ReleaseConversion();
    });
    ClickStart();

    EXPECT_EQ(SourcesConverted(), (QStringList{media.filePath("clip 1.avi"), media.filePath("clip 2.avi"),
                                               media.filePath("clip 3.avi")}));
    EXPECT_EQ(FakeEngine::CallsTo("X_Get_Frame_JPEG").size(), 3u);
    EXPECT_EQ(mainForm->Clips().Count(), 0);
    EXPECT_EQ(i_OutputPSPSerialNumber, 4) << "the run's three numbers stay taken";
}

// The command line shares the serial number through Option.ini. Used in turns with the window,
// and while the window's run is still converting, the two never write the same name: the window
// starts from the larger number, renames its clips before the run and writes its numbers off.
TEST_F(StartButton, WindowAndCommandLineTakingTurnsNeverWriteTheSameName)
{
    ASSERT_TRUE(QDir().mkpath(g_s_OutputFolder));
    const QString options = app.Path() + QStringLiteral("Option.ini");
    QStringList written;
    const auto commandLine = [&](int files) {
        const NameReservation reservation = ReserveOutputNames(options, g_s_OutputFolder, true, files);
        EXPECT_EQ(reservation.error, QString());
        for (const QString &name : reservation.names) {
            QFile(g_s_OutputFolder + name).open(QIODevice::WriteOnly);
            written << name;
        }
    };
    const auto windowRun = [&](const std::function<void()> &during) {
        const size_t before = FakeEngine::CallsTo("X_SetPar_D2PSP").size();
        WhileShown(*processForm, during);
        ClickStart();
        const auto calls = FakeEngine::CallsTo("X_SetPar_D2PSP");
        for (size_t i = before; i < calls.size(); ++i)
            written << QFileInfo(QString::fromStdString(calls[i].texts[14])).fileName();
    };

    AddClips(3);
    commandLine(2);
    windowRun({});
    EXPECT_EQ(written, (QStringList{"MAQ70001.MP4", "MAQ70002.MP4", "MAQ70003.MP4", "MAQ70004.MP4", "MAQ70005.MP4"}));

    FakeEngine::SetBlockConversion(true);
    windowRun([&] {
        ASSERT_TRUE(FakeEngine::WaitUntilConverting(5000));
        commandLine(1);
        FakeEngine::SetBlockConversion(false);
        FakeEngine::ReleaseConversion();
    });
    commandLine(2);
    windowRun({});

    EXPECT_EQ(written.size(), 2 + 3 + 3 + 1 + 2 + 3);
    EXPECT_EQ(QSet<QString>(written.begin(), written.end()).size(), written.size()) << written.join(' ').toStdString();
    EXPECT_EQ(Names(), (QStringList{"MAQ70015.MP4", "MAQ70016.MP4", "MAQ70017.MP4"}));
}

// The serial number alone cannot know what lies in the output folder (an Option.ini that could
// not be written, a folder brought from another machine): every number whose MP4, thumbnail or
// partly written MP4 is there is skipped, and after the run the serial goes on from the last
// number taken.
TEST_F(StartButton, NamesAlreadyInTheOutputFolderAreSkipped)
{
    ASSERT_TRUE(QDir().mkpath(g_s_OutputFolder));
    for (const char *name : {"MAQ70001.MP4", "MAQ70002.THM", "MAQ70003.MP4.part", "MAQ70005.MP4"}) {
        QFile file(g_s_OutputFolder + QLatin1String(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("an earlier run's file");
    }
    AddClips(2);
    WhileShown(*processForm);
    ClickStart();

    const auto calls = FakeEngine::CallsTo("X_SetPar_D2PSP");
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].texts[14], (g_s_OutputFolder + "MAQ70004.MP4").toStdString());
    EXPECT_EQ(calls[1].texts[14], (g_s_OutputFolder + "MAQ70006.MP4").toStdString());
    QFile earlier(g_s_OutputFolder + "MAQ70002.THM");
    ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
    EXPECT_EQ(earlier.readAll(), QByteArray("an earlier run's file"));
    EXPECT_EQ(i_OutputPSPSerialNumber, 7);
    EXPECT_EQ(Names(), (QStringList{"MAQ70007.MP4", "MAQ70008.MP4"}));
}

// Started again with the serial it had before (its Option.ini could not be written), the window
// still writes new names.
TEST_F(StartButton, ARunAfterALostSerialNumberOverwritesNothing)
{
    AddClips(2);
    WhileShown(*processForm);
    ClickStart();
    i_OutputPSPSerialNumber = 1;
    QFile::remove(app.Path() + "Option.ini");
    mainForm->Clips().RenameAllClips();
    WhileShown(*processForm);
    ClickStart();

    QStringList written;
    for (const auto &call : FakeEngine::CallsTo("X_SetPar_D2PSP"))
        written << QFileInfo(QString::fromStdString(call.texts[14])).fileName();
    EXPECT_EQ(written, (QStringList{"MAQ70001.MP4", "MAQ70002.MP4", "MAQ70003.MP4", "MAQ70004.MP4"}));
}

// The four digits repeat every 10,000 numbers and 10,000 itself shows as "8888"; a serial at the
// top of 32 bits wraps to 1 as the command line's does, never past it.
TEST_F(StartButton, SerialNumbersThatWrapStillGiveFreshNames)
{
    const struct {
        const char *why;
        int serial;
        const char *inFolder;
        QStringList written;
        int serialAfter;
    } cases[] = {
        {"10000 shows as 8888, which is taken", 10000, "MAQ78888.THM", {"MAQ70001.MP4", "MAQ70002.MP4"}, 10003},
        {"the top of 32 bits", 2147483646, "", {"MAQ73646.MP4", "MAQ73647.MP4"}, 1},
        {"past the top", 2147483647, "MAQ70001.MP4", {"MAQ73647.MP4", "MAQ70002.MP4"}, 3},
    };
    AddClips(2);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.why);
        QDir(g_s_OutputFolder).removeRecursively();
        ASSERT_TRUE(QDir().mkpath(g_s_OutputFolder));
        if (*c.inFolder)
            QFile(g_s_OutputFolder + QLatin1String(c.inFolder)).open(QIODevice::WriteOnly);
        QFile::remove(app.Path() + "Option.ini");
        FakeEngine::Reset();
        FakeEngine::SetDefaultProbeAnswer([] {
            FakeEngine::ProbeAnswer probe;
            probe.info = {95, 25.0f, 1500.0f, 640, 480, 0, 44100, 0, 128.0f, 1};
            return probe;
        }());
        i_OutputPSPSerialNumber = c.serial;
        WhileShown(*processForm);
        ClickStart();
        QStringList written;
        for (const auto &call : FakeEngine::CallsTo("X_SetPar_D2PSP"))
            written << QFileInfo(QString::fromStdString(call.texts[14])).fileName();
        EXPECT_EQ(written, c.written);
        EXPECT_EQ(i_OutputPSPSerialNumber, c.serialAfter);
    }
}

// A thumbnail snapshot saved before converting is meant for the converted file: its clip keeps the
// name the snapshot lies under, and no other clip takes it.
TEST_F(StartButton, AClipKeepsTheNameItsThumbnailSnapshotLiesUnder)
{
    ASSERT_TRUE(QDir().mkpath(g_s_OutputFolder));
    AddClips(2);
    const QString snapshot = g_s_OutputFolder + "MAQ70001.THM";
    {
        QFile file(snapshot);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("the user's snapshot");
    }
    mainForm->Clips().ClipAt(0)->SetSnapshotThumbnail(snapshot);
    WhileShown(*processForm);
    ClickStart();

    QStringList written;
    for (const auto &call : FakeEngine::CallsTo("X_SetPar_D2PSP"))
        written << QFileInfo(QString::fromStdString(call.texts[14])).fileName();
    EXPECT_EQ(written, (QStringList{"MAQ70001.MP4", "MAQ70002.MP4"}));
    EXPECT_EQ(FakeEngine::CallsTo("X_Get_Frame_JPEG").size(), 1u);
    QFile file(snapshot);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("the user's snapshot"));
}
