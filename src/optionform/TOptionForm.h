#pragma once

#include "core/profiles/OptionsFile.h"
#include "core/profiles/ProfileFiles.h"
#include "core/profiles/ProfileWindow.h"
#include "core/streams/TrackChoice.h"

#include <QDialog>

#include <memory>

class ProfileControls;
class TsuiComboBox;
class TsuiEdit;
class TsuiImageButton;
class TsuiImagePanel;
class TsuiSkinForm;
class TsuiSpinEdit;

// The options dialog: the profile editor over every choice of the definition file, and the owner
// of Option.ini, which it loads into the process-wide settings when it is made and each time it
// is shown. Made once at start-up (after the main window), shown modally with exec().
class TOptionForm : public QDialog, public ProfileWindow {
    Q_OBJECT

public:
    explicit TOptionForm(QWidget *parent = nullptr);
    ~TOptionForm() override;

    // Centred on the screen before each showing.
    void setVisible(bool visible) override;

    // Set false when the dialog is shown; true after OK and after every stored or removed profile.
    bool Changed = false;

    void LoadOptions();
    // Writes the four saved keys, with the default languages as last loaded or confirmed with OK
    // (never a choice the user cancelled); a failed write is reported and gives false.
    bool SaveOptions();
    // The default languages new clips choose their sound and subtitles by.
    TrackLanguages DefaultTrackLanguages() const;
    // The folder chooser behind both Browse buttons: stores the chosen folder in g_s_OutputFolder
    // and saves the options. False when the user cancelled.
    bool ChooseOutputFolder();

    // ProfileWindow
    ChoiceList &profileList() override;
    ChoiceList &videoFormatList() override;
    ChoiceList *formatList(FormatFamily family) override;
    NumberField &videoBitRateField() override;
    void videoFormatChanged() override { suiComboBox_VideoFormatChange(); }
    void profileNameApplied(const QString &name) override;

    TsuiSkinForm *skin = nullptr;
    TsuiImageButton *suiImageButton_Close = nullptr;
    TsuiImageButton *suiImageButton_OK = nullptr;
    TsuiImageButton *suiImageButton_Cancel = nullptr;
    TsuiImageButton *suiImageButton_Output = nullptr;
    TsuiImageButton *suiImageButton_Input = nullptr;
    TsuiImageButton *suiImageButton_System = nullptr;
    TsuiImagePanel *suiImagePanel_Output = nullptr;
    TsuiImagePanel *suiImagePanel_Input = nullptr;
    TsuiImagePanel *suiImagePanel_System = nullptr;
    TsuiComboBox *suiComboBox_Volume = nullptr;

    TsuiComboBox *suiComboBox_Profile = nullptr;
    TsuiComboBox *suiComboBox_VideoFormat = nullptr;
    TsuiComboBox *suiComboBox_AspectRatio = nullptr;
    TsuiComboBox *suiComboBox_Resolution = nullptr;
    TsuiComboBox *suiComboBox_VideoFrameRate = nullptr;
    TsuiSpinEdit *suiSpinEdit_VideoBitRate = nullptr;
    TsuiComboBox *suiComboBox_AudioBitRate = nullptr;
    TsuiComboBox *suiComboBox_AudioSampleRate = nullptr;
    TsuiEdit *suiEdit_ProfileName = nullptr;
    TsuiImageButton *suiImageButton_Add = nullptr;
    TsuiImageButton *suiImageButton_Del = nullptr;

    TsuiComboBox *suiComboBox_AudLang = nullptr;
    TsuiComboBox *suiComboBox_SubLang = nullptr;
    TsuiEdit *suiEdit_OutputFolder = nullptr;
    TsuiImageButton *suiImageButton_Browse = nullptr;

protected:
    void showEvent(QShowEvent *event) override;

private slots:
    void suiImageButton_TabClick(TsuiImageButton *tab);
    void suiComboBox_VideoFormatChange();
    void suiComboBox_ProfileChange();
    void suiEdit_ProfileNameExit();
    void suiImageButton_AddClick();
    void suiImageButton_DelClick();
    void suiImageButton_BrowseClick();
    void suiImageButton_OKClick();

private:
    void FormCreate();
    void FormShow();
    void buildWindow();
    void buildOutputPage();
    void buildInputPage();

    ProfileFiles profileFiles_;
    OptionsFile optionsFile_;
    std::unique_ptr<ProfileControls> controls_;
    LanguageChoices languages_;  // as stored
};
