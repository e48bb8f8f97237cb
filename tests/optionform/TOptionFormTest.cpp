#include "AppFolderFixture.h"
#include "QtPrinting.h"

#include "TOptionForm.h"
#include "TsuiEdit.h"
#include "TsuiImageButton.h"
#include "TsuiImagePanel.h"
#include "TsuiSpinEdit.h"

#include "platform/IniFile.h"

#include "PrivateMounts.h"

#include <QScopeGuard>

using Kind = ScriptedPrompts::Kind;

namespace {

const QString DefaultProfile = QStringLiteral("PSP H.264 480x272 Standard");

} // namespace

class OptionFormTest : public AppFolderFixture {
protected:
    void SetUp() override
    {
        AppFolderFixture::SetUp();
        write("Option.ini", "[Option]\nMinDuration=-1\nOutputSerialNumber=7\n");
    }

    // The dialog as the program shows it; the tests drive it without a nested event loop.
    TOptionForm &shown()
    {
        if (!form)
            form = std::make_unique<TOptionForm>();
        form->show();
        return *form;
    }

    QString storedProfile(const QString &name) const
    {
        return IniFile(app() + "PfSetting.ini").readString("PSP-Profile", name, "nodef");
    }

    std::unique_ptr<TOptionForm> form;
};

TEST_F(OptionFormTest, OpensOnTheOutputPageWithTheDefaultProfileEveryTime)
{
    TOptionForm &dialog = shown();
    EXPECT_EQ(dialog.size(), QSize(437, 577));
    EXPECT_TRUE(dialog.suiImagePanel_Output->isVisible());
    EXPECT_FALSE(dialog.suiImagePanel_Input->isVisible());
    EXPECT_FALSE(dialog.suiImageButton_Output->isEnabled());
    EXPECT_TRUE(dialog.suiImageButton_Input->isVisible());
    EXPECT_TRUE(dialog.suiImageButton_Input->isEnabled());
    EXPECT_FALSE(dialog.suiImageButton_System->isVisible());
    EXPECT_EQ(dialog.suiEdit_ProfileName->text(), DefaultProfile);
    EXPECT_EQ(dialog.suiComboBox_VideoFormat->currentText(), QStringLiteral("h264"));
    EXPECT_EQ(dialog.suiComboBox_Resolution->currentText(), QStringLiteral("480:272"));
    EXPECT_EQ(dialog.suiComboBox_AudioSampleRate->currentText(), QStringLiteral("48"));
    EXPECT_EQ(dialog.suiComboBox_AudLang->count(), 12);
    EXPECT_EQ(dialog.suiComboBox_AudLang->currentText(), QStringLiteral("English"));
    EXPECT_EQ(dialog.suiComboBox_SubLang->itemData(11).toString(), QStringLiteral("zh"));

    // Choices left from an earlier showing are not kept.
    pick(dialog.suiComboBox_VideoFormat, 1);
    EXPECT_EQ(dialog.suiComboBox_Resolution->count(), 2);
    pick(dialog.suiComboBox_Profile, 3);
    dialog.suiEdit_ProfileName->setText("leftover");
    dialog.hide();
    dialog.show();
    EXPECT_EQ(dialog.suiComboBox_VideoFormat->currentText(), QStringLiteral("h264"));
    EXPECT_EQ(dialog.suiComboBox_Resolution->count(), 4);
    EXPECT_EQ(dialog.suiComboBox_Profile->currentIndex(), 0);
    EXPECT_EQ(dialog.suiEdit_ProfileName->text(), DefaultProfile);
}

TEST_F(OptionFormTest, OkWritesTheFourKeysAndCancelOrCloseWriteNothing)
{
    for (TsuiImageButton *TOptionForm::*button : {&TOptionForm::suiImageButton_Cancel, &TOptionForm::suiImageButton_Close}) {
        const QByteArray before = read("Option.ini");
        TOptionForm &dialog = shown();
        dialog.suiComboBox_AudLang->setCurrentIndex(3);
        QTest::mouseClick(dialog.*button, Qt::LeftButton);
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_FALSE(dialog.Changed);
        EXPECT_EQ(read("Option.ini"), before);
    }

    TOptionForm &dialog = shown();
    dialog.suiComboBox_AudLang->setCurrentIndex(5);
    dialog.suiComboBox_SubLang->setCurrentIndex(-1);
    QTest::mouseClick(dialog.suiImageButton_OK, Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(dialog.Changed);
    const IniFile saved(app() + "Option.ini");
    EXPECT_EQ(saved.readString("Option", "DefaultAudio", ""), QStringLiteral("5"));
    EXPECT_EQ(saved.readString("Option", "DefaultSubtitle", ""), QStringLiteral("-1"));
    EXPECT_EQ(saved.readString("Option", "OutputFolder", ""), home() + "/OrvoOutput/PSP/");
    EXPECT_EQ(saved.readString("Option", "OutputSerialNumber", ""), QStringLiteral("7"));
    EXPECT_EQ(saved.readString("Option", "MinDuration", ""), QStringLiteral("-1"));
}

// The Input tab shows the default languages and the output folder; a language choice that was
// cancelled is not written by a later save (the main window's Browse or close), nor used.
TEST_F(OptionFormTest, TheInputTabShowsTheLanguagesAndACancelledChoiceIsNeverSaved)
{
    TOptionForm &dialog = shown();
    QTest::mouseClick(dialog.suiImageButton_Input, Qt::LeftButton);
    EXPECT_TRUE(dialog.suiImagePanel_Input->isVisible());
    EXPECT_FALSE(dialog.suiImagePanel_Output->isVisible());
    EXPECT_FALSE(dialog.suiImageButton_Input->isEnabled());
    EXPECT_TRUE(dialog.suiImageButton_Output->isEnabled());
    EXPECT_TRUE(dialog.suiComboBox_AudLang->isVisible());
    EXPECT_TRUE(dialog.suiComboBox_SubLang->isVisible());
    EXPECT_EQ(dialog.suiEdit_OutputFolder->text(), g_s_OutputFolder);

    pick(dialog.suiComboBox_AudLang, 5);
    pick(dialog.suiComboBox_SubLang, 3);
    QTest::mouseClick(dialog.suiImageButton_Cancel, Qt::LeftButton);
    EXPECT_TRUE(dialog.SaveOptions());
    const auto stored = [&](const char *key) { return IniFile(app() + "Option.ini").readString("Option", key, ""); };
    EXPECT_EQ(stored("DefaultAudio"), QStringLiteral("1"));
    EXPECT_EQ(stored("DefaultSubtitle"), QStringLiteral("1"));
    EXPECT_EQ(dialog.DefaultTrackLanguages().sound, QStringLiteral("en"));

    dialog.show();
    QTest::mouseClick(dialog.suiImageButton_Input, Qt::LeftButton);
    EXPECT_EQ(dialog.suiComboBox_AudLang->currentText(), QStringLiteral("English"));
    pick(dialog.suiComboBox_AudLang, 5);
    pick(dialog.suiComboBox_SubLang, 3);
    QTest::mouseClick(dialog.suiImageButton_OK, Qt::LeftButton);
    EXPECT_EQ(stored("DefaultAudio"), QStringLiteral("5"));
    EXPECT_EQ(stored("DefaultSubtitle"), QStringLiteral("3"));
    EXPECT_EQ(dialog.DefaultTrackLanguages().sound, QStringLiteral("ja"));
    EXPECT_EQ(dialog.DefaultTrackLanguages().subtitles, QStringLiteral("fr"));
}

TEST_F(OptionFormTest, ShowingNeverLowersTheSerialNumberARunAdvanced)
{
    TOptionForm &dialog = shown();
    EXPECT_EQ(i_OutputPSPSerialNumber, 7);
    dialog.hide();
    i_OutputPSPSerialNumber += 4;   // a run of four clips, options not saved yet
    dialog.show();
    EXPECT_EQ(i_OutputPSPSerialNumber, 11);
}

TEST_F(OptionFormTest, AddStoresAndDelRemovesAUserProfile)
{
    TOptionForm &dialog = shown();
    pick(dialog.suiComboBox_VideoFormat, 1);
    dialog.suiSpinEdit_VideoBitRate->setValue(640);
    dialog.suiEdit_ProfileName->setText("  Phone Clips  ");
    QTest::mouseClick(dialog.suiImageButton_Add, Qt::LeftButton);

    EXPECT_TRUE(dialog.Changed);
    EXPECT_EQ(storedProfile("Phone Clips"), QStringLiteral("1,0,0,3,640,3,0,0,0,"));
    EXPECT_EQ(dialog.suiComboBox_Profile->count(), 5);
    EXPECT_TRUE(dialog.suiComboBox_Profile->itemText(4).startsWith("Phone Clips : Video-mpeg4,320:240,640kbps"));
    // The rebuilt list selects the store's default again.
    EXPECT_EQ(dialog.suiEdit_ProfileName->text(), DefaultProfile);

    dialog.hide();
    dialog.show();
    EXPECT_FALSE(dialog.Changed);
    pick(dialog.suiComboBox_Profile, 4);
    EXPECT_EQ(dialog.suiEdit_ProfileName->text(), QStringLiteral("Phone Clips"));
    EXPECT_EQ(dialog.suiComboBox_VideoFormat->currentText(), QStringLiteral("mpeg4"));
    prompts.QueueConfirm(true);
    QTest::mouseClick(dialog.suiImageButton_Del, Qt::LeftButton);
    EXPECT_EQ(prompts.TextsOf(Kind::Confirm), QStringList({"Profile Name : \"Phone Clips\".\nDo you want to remove it?"}));
    EXPECT_TRUE(dialog.Changed);
    EXPECT_EQ(storedProfile("Phone Clips"), QStringLiteral("nodef"));
    EXPECT_EQ(dialog.suiComboBox_Profile->count(), 4);
}

TEST_F(OptionFormTest, BuiltInProfilesAndBadNamesAreRefusedAndOverwritingAsks)
{
    write("PfSetting.ini", read("PfSetting.ini") + "ProfileText4=Mine\nMine=0,1,3,3,700,3,0,0,0,\n");
    IniFile(app() + "PfSetting.ini").writeString("PSP-Profile", "ProfileCount", "5");
    const QByteArray before = read("PfSetting.ini");
    TOptionForm &dialog = shown();

    for (const char *name : {"PSP H.264 480x272 Standard", "a=b", "   "}) {
        dialog.suiEdit_ProfileName->setText(name);
        QTest::mouseClick(dialog.suiImageButton_Add, Qt::LeftButton);
        dialog.suiEdit_ProfileName->setText(name);
        QTest::mouseClick(dialog.suiImageButton_Del, Qt::LeftButton);
    }
    const QStringList refusals = prompts.TextsOf(Kind::Information);
    ASSERT_EQ(refusals.size(), 6);
    EXPECT_EQ(refusals[0], "Profile Name : \"PSP H.264 480x272 Standard\".\nYou Can not modify this setting!");
    EXPECT_EQ(refusals[1], "Profile Name : \"PSP H.264 480x272 Standard\".\nYou Can not remove this setting!");

    dialog.suiEdit_ProfileName->setText("MINE");
    prompts.QueueConfirm(false);
    QTest::mouseClick(dialog.suiImageButton_Add, Qt::LeftButton);
    EXPECT_EQ(prompts.TextsOf(Kind::Confirm), QStringList({"Profile Name : \"MINE\" already exists.\nDo you want to overwrite it?"}));
    EXPECT_FALSE(dialog.Changed);
    EXPECT_EQ(read("PfSetting.ini"), before);
}

TEST_F(OptionFormTest, EmptiedProfileNameGetsTheSelectedNameBackOnLeaving)
{
    TOptionForm &dialog = shown();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    const struct {
        int selected;
        QString typed;
        QString expected;
    } cases[] = {
        {0, "", DefaultProfile},
        {2, "", "PSP H.264 368x208 Small Files"},
        {-1, "", "Custom Profile"},
        {0, "   ", "   "},
        {0, "Other", "Other"},
    };
    for (const auto &c : cases) {
        dialog.suiComboBox_Profile->setCurrentIndex(c.selected);
        dialog.suiEdit_ProfileName->setFocus(Qt::TabFocusReason);
        dialog.suiEdit_ProfileName->setText(c.typed);
        dialog.suiComboBox_AspectRatio->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(dialog.suiEdit_ProfileName->text(), c.expected) << c.selected << " '" << c.typed.toStdString() << "'";
    }
}

TEST_F(OptionFormTest, FormatChangeReloadsTheFormatsLists)
{
    TOptionForm &dialog = shown();
    pick(dialog.suiComboBox_VideoFormat, 1);
    EXPECT_EQ(dialog.suiComboBox_Resolution->count(), 2);
    EXPECT_EQ(dialog.suiComboBox_Resolution->currentText(), QStringLiteral("320:240"));
    EXPECT_EQ(dialog.suiSpinEdit_VideoBitRate->maxValue(), 768);
    EXPECT_EQ(dialog.suiComboBox_Volume->count(), 10);
    EXPECT_TRUE(dialog.suiComboBox_AspectRatio->isEnabled());
}

TEST_F(OptionFormTest, BrowseChoosesAndStoresTheOutputFolder)
{
    TOptionForm &dialog = shown();
    const QString chosen = dir.path() + "/Movies";
    QDir().mkpath(chosen);
    prompts.QueueFolder(chosen);
    QTest::mouseClick(dialog.suiImageButton_Input, Qt::LeftButton);
    ASSERT_TRUE(dialog.suiImageButton_Browse->isVisible());
    QTest::mouseClick(dialog.suiImageButton_Browse, Qt::LeftButton);
    EXPECT_EQ(prompts.TextsOf(Kind::ChooseFolder), QStringList({"Please select Output Folder:"}));
    // The chooser opens in the current output folder: the default one first, then the one chosen.
    EXPECT_EQ(prompts.QuestionsOf(Kind::ChooseFolder).last().startFolder, home() + "/OrvoOutput/PSP/");
    EXPECT_EQ(dialog.suiEdit_OutputFolder->text(), chosen + "/");
    EXPECT_EQ(IniFile(app() + "Option.ini").readString("Option", "OutputFolder", ""), chosen + "/");

    // Cancelling the chooser changes nothing.
    const QByteArray before = read("Option.ini");
    EXPECT_FALSE(dialog.ChooseOutputFolder());
    EXPECT_EQ(prompts.QuestionsOf(Kind::ChooseFolder).last().startFolder, chosen + "/");
    EXPECT_EQ(read("Option.ini"), before);
}

TEST_F(OptionFormTest, UnwritableOptionsAreReportedAndOkKeepsTheDialogOpen)
{
    TOptionForm &dialog = shown();
    QFile::remove(app() + "Option.ini");
    QDir().mkdir(app() + "Option.ini");   // a folder where the file should be: the write fails
    QTest::mouseClick(dialog.suiImageButton_OK, Qt::LeftButton);
    EXPECT_EQ(prompts.TextsOf(Kind::Error), QStringList({"Unable to write to " + app() + "Option.ini"}));
    EXPECT_TRUE(dialog.isVisible());
}

// An install under /usr: the application folder cannot be written, so the profile store and the
// options live in the user's configuration folder, copied from the shipped files at first use.
TEST_F(OptionFormTest, WithAReadOnlyApplicationFolderProfilesAndOptionsLandInTheConfigFolder)
{
    const QString config = dir.path() + QStringLiteral("/config");
    const QByteArray previousConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config));
    const auto restore = qScopeGuard([&] { qputenv("XDG_CONFIG_HOME", previousConfig); });
    const QByteArray shippedStore = read("PfSetting.ini");
    const QByteArray shippedOptions = read("Option.ini");
    if (const std::string refused = EnterPrivateMountNamespace(); !refused.empty())
        GTEST_SKIP() << refused;
    const ReadOnlyMount readOnly(dir.path() + QStringLiteral("/app"));
    if (!readOnly.Failure().empty())
        GTEST_SKIP() << readOnly.Failure();

    TOptionForm &dialog = shown();
    EXPECT_EQ(i_OutputPSPSerialNumber, 7);  // the shipped options, read through the copy
    dialog.suiEdit_ProfileName->setText(QStringLiteral("Mine"));
    QTest::mouseClick(dialog.suiImageButton_Add, Qt::LeftButton);
    EXPECT_TRUE(prompts.TextsOf(Kind::Error).isEmpty()) << prompts.TextsOf(Kind::Error).join('\n').toStdString();
    const QString users = config + QStringLiteral("/PocketReel/");
    EXPECT_NE(IniFile(users + "PfSetting.ini").readString("PSP-Profile", "Mine", "nodef"), QStringLiteral("nodef"));
    EXPECT_EQ(dialog.suiComboBox_Profile->count(), 5);

    QTest::mouseClick(dialog.suiImageButton_OK, Qt::LeftButton);
    EXPECT_EQ(IniFile(users + "Option.ini").readString("Option", "OutputSerialNumber", ""), QStringLiteral("7"));
    EXPECT_EQ(IniFile(users + "Option.ini").readString("Option", "MinDuration", ""), QStringLiteral("-1"));
    EXPECT_EQ(read("PfSetting.ini"), shippedStore);
    EXPECT_EQ(read("Option.ini"), shippedOptions);
}
