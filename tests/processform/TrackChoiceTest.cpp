// The sound track and subtitles through the windows with the scripted engine: the main window's
// selectors for clips with and without stream lists, a change made there, the texts the engine
// gets for each, and the options dialog's default languages choosing for the next clip added.
#include "AppWindows.h"
#include "ClipListComponent.h"
#include "ClipListView.h"
#include "ClipRow.h"
#include "FakeEngineControl.h"
#include "FakeEngineInstall.h"
#include "ModalRun.h"
#include "QtPrinting.h"
#include "ScriptedPrompts.h"
#include "TMainForm.h"
#include "TOptionForm.h"
#include "TsuiComboBox.h"
#include "TsuiImageButton.h"
#include "TsuiImagePanel.h"
#include "core/AppGlobals.h"
#include "platform/IniFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// An English track first, a Japanese one flagged default; English subtitles, German forced bitmap
// ones, and a subtitle file beside the video named for French.
const char *const FilmStreams =
    "audio\teng\tac3\t6\t\tMain\n"
    "audio\tjpn\taac\t2\td\t\n"
    "subtitle\teng\tass\t0\t\t\n"
    "subtitle\tger\thdmv_pgs_subtitle\t0\tfb\t\n"
    "file\tfr\tsubrip\t0\t\t/films/film.fr.srt\n";

QStringList Items(const QComboBox *selector)
{
    QStringList items;
    for (int i = 0; i < selector->count(); ++i)
        items << selector->itemText(i);
    return items;
}

class TrackChoice : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(app.IsValid());
        ASSERT_TRUE(media.isValid());
        for (const char *name : {"PfDef.dll", "PfSetting.ini"})
            ASSERT_TRUE(QFile::copy(QStringLiteral(POCKETREEL_SOURCE_DIR "/assets/ini/") + QLatin1String(name),
                                    app.Path() + QLatin1String(name)));
        IniFile(app.Path() + "Option.ini").writeString("Option", "OutputFolder", media.filePath("out"));
        savedHome = qgetenv("HOME");
        qputenv("HOME", QFile::encodeName(media.path()));
        saved = {g_s_OutputFolder, i_OutputPSPSerialNumber, i_MinDurationTime};
        FakeEngine::Reset();
        FakeEngine::SetDefaultProbeAnswer({0, {95, 25.0f, 1500.0f, 640, 480, 0, 44100, 0, 128.0f, 1}});
        film = MediaFile("film.mkv");
        plain = MediaFile("plain.avi");
        FakeEngine::SetStreamList(film.toStdString(), FilmStreams);

        // As main() makes and connects them.
        mainForm = std::make_unique<TMainForm>();
        optionForm = std::make_unique<TOptionForm>();
        processForm = std::make_unique<TProcessForm>();
        MainForm = mainForm.get();
        OptionForm = optionForm.get();
        ProcessForm = processForm.get();
        mainForm->SetOptionsSaver([this] { return optionForm->SaveOptions(); });
        mainForm->SetTrackLanguages([this] { return optionForm->DefaultTrackLanguages(); });
        mainForm->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(mainForm.get()));
    }

    void TearDown() override
    {
        MainForm = nullptr;
        OptionForm = nullptr;
        ProcessForm = nullptr;
        processForm.reset();
        optionForm.reset();
        mainForm.reset();
        FakeEngine::Reset();
        qputenv("HOME", savedHome);
        g_s_OutputFolder = saved.output;
        i_OutputPSPSerialNumber = saved.serial;
        i_MinDurationTime = saved.minDuration;
    }

    QString MediaFile(const char *name)
    {
        const QString path = media.filePath(QLatin1String(name));
        QFile(path).open(QIODevice::WriteOnly);
        return path;
    }

    // The Add button with the open dialog answering `files`.
    void Add(const QStringList &files)
    {
        prompts.QueueOpenFiles(files);
        QTest::mouseClick(mainForm->suiImageButton_OpenDir, Qt::LeftButton, {}, QPoint(40, 17));
        ASSERT_TRUE(prompts.TextsOf(ScriptedPrompts::Kind::Information).isEmpty());
    }

    void Press(int position)
    {
        ClipRow *row = mainForm->ClipListPart()->View()->rowOf(mainForm->Clips().ClipAt(position));
        QTest::mousePress(row, Qt::LeftButton, {}, QPoint(300, 8));
        QTest::mouseRelease(row, Qt::LeftButton, {}, QPoint(300, 8));
    }

    // Converts the ticked clips; the sound and subtitle texts the engine got for each.
    QList<std::pair<std::string, std::string>> Convert()
    {
        const size_t before = FakeEngine::CallsTo("X_SetPar_D2PSP").size();
        WhileShown(*processForm);
        QTest::mouseClick(mainForm->suiImageButton_StartConvert, Qt::LeftButton, {}, QPoint(50, 50));
        QList<std::pair<std::string, std::string>> texts;
        const auto calls = FakeEngine::CallsTo("X_SetPar_D2PSP");
        for (size_t i = before; i < calls.size(); ++i)
            texts.append({calls[i].texts[12], calls[i].texts[13]});
        return texts;
    }

    QString ToolTipOf(int position) const
    {
        return mainForm->ClipListPart()->View()->rowOf(mainForm->Clips().ClipAt(position))->toolTip();
    }

    FakeEngine::FakeAppFolder app;
    QTemporaryDir media;
    ScriptedPrompts prompts;
    QString film, plain;
    std::unique_ptr<TMainForm> mainForm;
    std::unique_ptr<TOptionForm> optionForm;
    std::unique_ptr<TProcessForm> processForm;
    QByteArray savedHome;
    struct {
        QString output;
        int serial = 0, minDuration = 0;
    } saved;
};

} // namespace

TEST_F(TrackChoice, SelectorsFollowTheClipAndTheEngineGetsWhatTheyShow)
{
    Add({film, plain});
    QComboBox *audio = mainForm->suiComboBox_Audio;
    QComboBox *subtitle = mainForm->suiComboBox_Subtitle;
    // In the window, not hidden by the intro or anything else.
    const QRect client = mainForm->rect();
    for (QWidget *shown : {static_cast<QWidget *>(audio), static_cast<QWidget *>(subtitle)}) {
        EXPECT_TRUE(shown->isVisible());
        EXPECT_TRUE(client.contains(shown->geometry()));
        const QPoint centre = shown->geometry().center();
        EXPECT_EQ(mainForm->childAt(centre), shown) << "covered at " << centre.x() << "," << centre.y();
    }

    // The film is current: English sound (the default language) and no subtitles for it.
    EXPECT_TRUE(audio->isEnabled());
    EXPECT_EQ(Items(audio), QStringList({"English AC3 5.1", "Japanese AAC stereo"}));
    EXPECT_EQ(audio->currentIndex(), 0);
    EXPECT_TRUE(subtitle->isEnabled());
    EXPECT_EQ(Items(subtitle), QStringList({"English ASS", "German PGS forced", "French SRT file", "Disable"}));
    EXPECT_EQ(subtitle->currentText(), QStringLiteral("Disable"));
    EXPECT_TRUE(ToolTipOf(0).endsWith("\nSound track : English AC3 5.1\nSubtitles : none")) << ToolTipOf(0).toStdString();

    // A file whose streams the engine does not list: nothing to choose.
    Press(1);
    EXPECT_FALSE(audio->isEnabled());
    EXPECT_EQ(audio->count(), 0);
    EXPECT_FALSE(subtitle->isEnabled());
    EXPECT_EQ(Items(subtitle), QStringList({"Disable"}));
    EXPECT_FALSE(ToolTipOf(1).contains("Sound track"));

    EXPECT_EQ(Convert(), (QList<std::pair<std::string, std::string>>{{"000", "-1"}, {"0", "-1"}}));

    // Chosen with the keyboard as a user does; the clip keeps it when another one is shown.
    Press(0);
    audio->setFocus();
    QTest::keyClick(audio, Qt::Key_Down);
    subtitle->setFocus();
    QTest::keyClick(subtitle, Qt::Key_Home);
    EXPECT_EQ(mainForm->Clips().ClipAt(0)->AudioIndex(), 1);
    EXPECT_EQ(mainForm->Clips().ClipAt(0)->SubtitleIndex(), 0);
    EXPECT_TRUE(ToolTipOf(0).endsWith("\nSound track : Japanese AAC stereo\nSubtitles : English ASS")) << ToolTipOf(0).toStdString();
    Press(1);
    Press(0);
    EXPECT_EQ(audio->currentText(), QStringLiteral("Japanese AAC stereo"));
    EXPECT_EQ(subtitle->currentText(), QStringLiteral("English ASS"));
    subtitle->setFocus();
    QTest::keyClick(subtitle, Qt::Key_End);
    EXPECT_EQ(subtitle->currentText(), QStringLiteral("Disable"));
    QTest::keyClick(subtitle, Qt::Key_Up);

    EXPECT_EQ(Convert(), (QList<std::pair<std::string, std::string>>{{"001", "004"}, {"0", "-1"}}));
}

// The options dialog's Input tab, reached from the main window: its languages are stored in
// Option.ini and choose the sound and subtitles of the next clip added.
TEST_F(TrackChoice, TheInputTabsLanguagesChooseForTheNextClip)
{
    const auto withOptions = [&](const std::function<void(TOptionForm &)> &use) {
        QTimer::singleShot(0, [&] {
            ASSERT_TRUE(QTest::qWaitFor([&] { return optionForm->isVisible(); }));
            QTest::mouseClick(optionForm->suiImageButton_Input, Qt::LeftButton);
            EXPECT_TRUE(optionForm->suiImagePanel_Input->isVisible());
            use(*optionForm);
            if (optionForm->isVisible())
                optionForm->reject();
        });
        QTest::mouseClick(mainForm->suiImageButton_Option, Qt::LeftButton, {}, QPoint(40, 17));
    };
    const auto pick = [](TsuiComboBox *list, const QString &name) {
        list->setFocus();
        while (list->currentText() != name && list->currentIndex() < list->count() - 1)
            QTest::keyClick(list, Qt::Key_Down);
        while (list->currentText() != name && list->currentIndex() > 0)
            QTest::keyClick(list, Qt::Key_Up);
    };

    withOptions([&](TOptionForm &dialog) {
        pick(dialog.suiComboBox_AudLang, "Japanese");
        pick(dialog.suiComboBox_SubLang, "English");
        QTest::mouseClick(dialog.suiImageButton_OK, Qt::LeftButton);
    });
    const auto stored = [&](const char *key) { return IniFile(app.Path() + "Option.ini").readString("Option", key, ""); };
    EXPECT_EQ(stored("DefaultAudio"), QStringLiteral("5"));
    EXPECT_EQ(stored("DefaultSubtitle"), QStringLiteral("1"));

    // Japanese sound is foreign to an English viewer: the English subtitles come with it.
    Add({film});
    EXPECT_EQ(mainForm->suiComboBox_Audio->currentText(), QStringLiteral("Japanese AAC stereo"));
    EXPECT_EQ(mainForm->suiComboBox_Subtitle->currentText(), QStringLiteral("English ASS"));

    // A choice the user cancels changes nothing, neither for the next clip nor in the file.
    withOptions([&](TOptionForm &dialog) {
        pick(dialog.suiComboBox_AudLang, "Deutsch");
        pick(dialog.suiComboBox_SubLang, "Francais");
        QTest::mouseClick(dialog.suiImageButton_Cancel, Qt::LeftButton);
    });
    Add({film});
    const TVideoInfo *second = mainForm->Clips().ClipAt(1);
    EXPECT_EQ(second->AudioText(), QStringLiteral("Japanese AAC stereo"));
    EXPECT_EQ(second->SubtitleText(), QStringLiteral("English ASS"));
    EXPECT_EQ(stored("DefaultAudio"), QStringLiteral("5"));

    // French subtitles wanted for English sound: the subtitle file named for French.
    withOptions([&](TOptionForm &dialog) {
        pick(dialog.suiComboBox_AudLang, "English");
        pick(dialog.suiComboBox_SubLang, "Francais");
        QTest::mouseClick(dialog.suiImageButton_OK, Qt::LeftButton);
    });
    Add({film});
    EXPECT_EQ(mainForm->Clips().ClipAt(2)->AudioText(), QStringLiteral("English AC3 5.1"));
    EXPECT_EQ(mainForm->Clips().ClipAt(2)->SubtitleText(), QStringLiteral("French SRT file"));

    EXPECT_EQ(Convert(), (QList<std::pair<std::string, std::string>>{{"001", "002"}, {"001", "002"}, {"000", "004"}}));
}
