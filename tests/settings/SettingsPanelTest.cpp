#include "AppFolderFixture.h"

#include "SettingsPanel.h"
#include "TOptionForm.h"
#include "TsuiImageButton.h"
#include "TsuiSpinEdit.h"
#include "TsuiTrackBar.h"

#include "core/ClipList.h"
#include "core/TVideoInfo.h"
#include "core/profiles/EncodingSelection.h"
#include "platform/IniFile.h"

#include <QLabel>
#include <QLineEdit>
#include <QTimer>

using Kind = ScriptedPrompts::Kind;

class SettingsPanelTest : public AppFolderFixture {
protected:
    void SetUp() override
    {
        AppFolderFixture::SetUp();
        window.resize(869, 451);
        for (int i = 0; i < 3; ++i)
            clips.AppendClip(std::make_unique<TVideoInfo>());
    }

    SettingsPanel &panel()
    {
        if (!panel_) {
            panel_ = new SettingsPanel({&window, &optionButton, &outputFolder, &clips, [this] { return optionForm.get(); }});
            panel_->InitSettingsPanel();
        }
        return *panel_;
    }

    QStringList outputNames() const
    {
        QStringList names;
        for (const TVideoInfo *clip : clips.Clips())
            names.append(clip->OutputName());
        return names;
    }

    // Clicks the options button; `inDialog` runs while the dialog is shown modally.
    void useOptionsDialog(const std::function<void(TOptionForm &)> &inDialog)
    {
        if (!optionForm)
            optionForm = std::make_unique<TOptionForm>();
        QTimer::singleShot(0, optionForm.get(), [this, inDialog] { inDialog(*optionForm); });
        QTest::mouseClick(&optionButton, Qt::LeftButton);
    }

    QWidget window;
    TsuiImageButton optionButton{&window};
    QLineEdit outputFolder{&window};
    ClipList clips;
    std::unique_ptr<TOptionForm> optionForm;

private:
    SettingsPanel *panel_ = nullptr;
};

TEST_F(SettingsPanelTest, StartsFromTheDefaultProfile)
{
    SettingsPanel &p = panel();
    EXPECT_EQ(p.suiComboBox_Profile->currentIndex(), 0);
    EXPECT_EQ(p.suiComboBox_VideoFormat->currentText(), QStringLiteral("h264"));
    EXPECT_EQ(p.suiComboBox_Resolution->currentText(), QStringLiteral("480:272"));
    EXPECT_EQ(p.suiComboBox_VideoFrameRate->currentText(), QStringLiteral("29.97"));
    EXPECT_EQ(p.suiComboBox_AudioBitRate->currentText(), QStringLiteral("96"));
    EXPECT_EQ(p.suiSpinEdit_VideoBitRate->value(), 768);
    EXPECT_EQ(p.suiTrackBar_Volume->min(), 0);
    EXPECT_EQ(p.suiTrackBar_Volume->max(), 9);
    EXPECT_EQ(p.suiTrackBar_Volume->position(), 0);
    EXPECT_EQ(p.Label_DB->text(), QStringLiteral("+ 0 db."));
    EXPECT_TRUE(p.suiComboBox_Volume->isHidden());

    const EncodingChoices choices = p.Choices();
    EXPECT_EQ(choices.videoFormat, 0);
    EXPECT_EQ(choices.videoFormatText, QStringLiteral("h264"));
    EXPECT_EQ(choices.resolution, 3);
    EXPECT_EQ(choices.videoBitRateText, QStringLiteral("768"));
}

TEST_F(SettingsPanelTest, FormatChangeReloadsTheListsAndRenamesEveryClip)
{
    i_OutputPSPSerialNumber = 41;
    SettingsPanel &p = panel();
    clips.RenameAllClips();
    EXPECT_EQ(outputNames(), QStringList({"MAQ70041.MP4", "MAQ70042.MP4", "MAQ70043.MP4"}));
    p.suiTrackBar_Volume->setPosition(6);

    pick(p.suiComboBox_VideoFormat, 1);
    EXPECT_EQ(p.suiComboBox_Resolution->count(), 2);
    EXPECT_EQ(p.suiComboBox_Resolution->currentText(), QStringLiteral("320:240"));
    EXPECT_EQ(p.suiSpinEdit_VideoBitRate->value(), 768);
    EXPECT_EQ(p.suiSpinEdit_VideoBitRate->maxValue(), 768);
    EXPECT_EQ(p.suiTrackBar_Volume->position(), 0);
    EXPECT_EQ(p.Label_DB->text(), QStringLiteral("+ 0 db."));
    EXPECT_EQ(outputNames(), QStringList({"M4V70041.MP4", "M4V70042.MP4", "M4V70043.MP4"}));
    // The profile list keeps its selection when single choices change.
    EXPECT_EQ(p.suiComboBox_Profile->currentIndex(), 0);

    pick(p.suiComboBox_VideoFormat, 0);
    EXPECT_EQ(outputNames(), QStringList({"MAQ70041.MP4", "MAQ70042.MP4", "MAQ70043.MP4"}));
    EXPECT_EQ(p.suiComboBox_Resolution->count(), 4);
}

TEST_F(SettingsPanelTest, SliderLabelFollowsAndTheHiddenListStays)
{
    SettingsPanel &p = panel();
    p.suiTrackBar_Volume->setFocus();
    QTest::keyClick(p.suiTrackBar_Volume, Qt::Key_End);
    EXPECT_EQ(p.Label_DB->text(), QStringLiteral("+ 9 db."));
    for (int i = 0; i < 2; ++i)
        QTest::keyClick(p.suiTrackBar_Volume, Qt::Key_Left);
    EXPECT_EQ(p.Label_DB->text(), QStringLiteral("+ 7 db."));
    EXPECT_EQ(p.suiComboBox_Volume->currentIndex(), 0);
    EXPECT_EQ(p.Choices().volume, 7);
}

TEST_F(SettingsPanelTest, ApplyingAProfileSetsEveryChoiceAndTheSlider)
{
    write("PfSetting.ini", read("PfSetting.ini") + "ProfileText4=Loud\nLoud=1,0,1,2,700,4,1,4,0,\n");
    IniFile(app() + "PfSetting.ini").writeString("PSP-Profile", "ProfileCount", "5");
    SettingsPanel &p = panel();
    pick(p.suiComboBox_Profile, 4);
    EXPECT_EQ(p.suiComboBox_VideoFormat->currentText(), QStringLiteral("mpeg4"));
    EXPECT_EQ(p.suiComboBox_Resolution->currentText(), QStringLiteral("368:208"));
    EXPECT_EQ(p.suiComboBox_VideoFrameRate->currentText(), QStringLiteral("25"));
    EXPECT_EQ(p.suiSpinEdit_VideoBitRate->value(), 700);
    EXPECT_EQ(p.suiComboBox_AudioBitRate->currentText(), QStringLiteral("128"));
    EXPECT_EQ(p.suiTrackBar_Volume->position(), 4);
    EXPECT_EQ(p.Label_DB->text(), QStringLiteral("+ 4 db."));
    EXPECT_TRUE(outputNames().first().startsWith("M4V7"));
}

// The command line chooses through the same profile operations without widgets: for every
// profile, and after a change of format, it must hand the run exactly what the panel hands it.
TEST_F(SettingsPanelTest, TheWidgetFreeSelectionChoosesWhatThePanelChooses)
{
    write("PfSetting.ini", read("PfSetting.ini") + "ProfileText4=Beyond\nBeyond=0,0,9,1,99999,2,0,42,0,\n"
                                                   "ProfileText5=Loud\nLoud=1,0,1,2,700,4,1,4,0,\n");
    IniFile(app() + "PfSetting.ini").writeString("PSP-Profile", "ProfileCount", "6");
    SettingsPanel &p = panel();
    ProfileFiles files(path_PNG, prompts);
    EncodingSelection selection(files);
    selection.Load();

    const auto expectSame = [&](const char *when) {
        const EncodingChoices panelChoices = p.Choices();
        const EncodingChoices choices = selection.Choices();
        EXPECT_EQ(choices.videoFormat, panelChoices.videoFormat) << when;
        EXPECT_EQ(choices.videoFormatText, panelChoices.videoFormatText) << when;
        EXPECT_EQ(choices.resolution, panelChoices.resolution) << when;
        EXPECT_EQ(choices.frameRate, panelChoices.frameRate) << when;
        EXPECT_EQ(choices.audioBitRate, panelChoices.audioBitRate) << when;
        EXPECT_EQ(choices.videoBitRateText, panelChoices.videoBitRateText) << when;
        EXPECT_EQ(choices.volume, panelChoices.volume) << when;
        EXPECT_EQ(selection.FirstVideoFormatSelected(), p.FirstVideoFormatSelected()) << when;
    };
    expectSame("at load");
    const QStringList names = selection.ProfileNames();
    ASSERT_EQ(names.size(), 6);
    for (int position = 0; position < names.size(); ++position) {
        pick(p.suiComboBox_Profile, position);
        ASSERT_TRUE(selection.ApplyProfileNamed(names[position].toUpper()));
        expectSame(qPrintable(names[position]));
    }
    pick(p.suiComboBox_VideoFormat, 0);
    ASSERT_TRUE(selection.Select(EncodingSelection::List::VideoFormat, "H264"));
    expectSame("after the format changed");
}

TEST_F(SettingsPanelTest, BrokenDefinitionsLeaveTheListsEmptyAndTheSliderSensible)
{
    const struct {
        const char *what;
        QByteArray definition;
        bool enabled;
    } cases[] = {
        {"no definition", {}, false},
        {"format without volume list", "[PSP]\nVideoFormatCount=1\nVideoFormatText0=h264\nVideoFormatDefault=0\n", true},
    };
    for (const auto &c : cases) {
        write("PfDef.dll", c.definition);
        SettingsPanel p({&window, nullptr, nullptr, &clips, {}});
        p.InitSettingsPanel();
        EXPECT_EQ(p.suiComboBox_Resolution->count(), 0) << c.what;
        EXPECT_EQ(p.suiComboBox_Resolution->isEnabled(), c.enabled) << c.what;
        EXPECT_EQ(p.suiTrackBar_Volume->isEnabled(), c.enabled) << c.what;
        EXPECT_LE(p.suiTrackBar_Volume->min(), p.suiTrackBar_Volume->max()) << c.what;
        EXPECT_TRUE(p.Label_DB->text() == "db." || p.Label_DB->text() == "+ 0 db.") << c.what;
    }
}

TEST_F(SettingsPanelTest, OptionsDialogReloadsOnlyAfterAChange)
{
    SettingsPanel &p = panel();
    pick(p.suiComboBox_VideoFormat, 1);
    outputFolder.setText("untouched");

    useOptionsDialog([](TOptionForm &dialog) { QTest::mouseClick(dialog.suiImageButton_Cancel, Qt::LeftButton); });
    EXPECT_EQ(p.suiComboBox_VideoFormat->currentText(), QStringLiteral("mpeg4"));
    EXPECT_EQ(outputFolder.text(), QStringLiteral("untouched"));

    useOptionsDialog([](TOptionForm &dialog) { QTest::mouseClick(dialog.suiImageButton_OK, Qt::LeftButton); });
    EXPECT_EQ(p.suiComboBox_VideoFormat->currentText(), QStringLiteral("h264"));
    EXPECT_EQ(p.suiComboBox_Profile->currentIndex(), 0);
    EXPECT_EQ(outputFolder.text(), g_s_OutputFolder);
    EXPECT_EQ(outputNames().first().left(4), QStringLiteral("MAQ7"));

    // A profile saved in the dialog shows in the panel even when the dialog is cancelled.
    pick(p.suiComboBox_VideoFormat, 1);
    useOptionsDialog([](TOptionForm &dialog) {
        dialog.suiEdit_ProfileName->setText("Saved There");
        QTest::mouseClick(dialog.suiImageButton_Add, Qt::LeftButton);
        QTest::mouseClick(dialog.suiImageButton_Cancel, Qt::LeftButton);
    });
    EXPECT_EQ(p.suiComboBox_Profile->count(), 5);
    EXPECT_TRUE(p.suiComboBox_Profile->itemText(4).startsWith("Saved There"));

    // A folder chosen on the Input page is stored at once: the panel's field shows it even when
    // the dialog is then cancelled.
    const QString chosen = dir.path() + QStringLiteral("/Movies");
    QDir().mkpath(chosen);
    prompts.QueueFolder(chosen);
    outputFolder.setText("untouched");
    useOptionsDialog([](TOptionForm &dialog) {
        QTest::mouseClick(dialog.suiImageButton_Input, Qt::LeftButton);
        QTest::mouseClick(dialog.suiImageButton_Browse, Qt::LeftButton);
        QTest::mouseClick(dialog.suiImageButton_Cancel, Qt::LeftButton);
    });
    EXPECT_EQ(outputFolder.text(), chosen + QStringLiteral("/"));
}
