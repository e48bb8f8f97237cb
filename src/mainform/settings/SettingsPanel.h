#pragma once

#include "core/profiles/EncodingChoices.h"
#include "core/profiles/ProfileFiles.h"
#include "core/profiles/ProfileWindow.h"

#include <QObject>
#include <functional>
#include <memory>

class ClipList;
class ProfileControls;
class QLabel;
class QLineEdit;
class QWidget;
class TOptionForm;
class TsuiComboBox;
class TsuiEdit;
class TsuiImageButton;
class TsuiSpinEdit;
class TsuiTrackBar;

// The encoding choices in the lower part of the main window: profile, video format, resolution,
// frame rate, video and audio bit rates and the volume slider, with the options button that
// opens the options dialog and reloads the profiles after a change. One set of choices applies to
// the whole batch; the conversion run reads them through Choices().
class SettingsPanel : public QObject, public ProfileWindow {
    Q_OBJECT

public:
    struct Links {
        QWidget *window = nullptr;                 // the main window; the controls become its children
        TsuiImageButton *optionButton = nullptr;   // suiImageButton_Option
        QLineEdit *outputFolderField = nullptr;    // the main window's suiEdit_OutputFolder
        ClipList *clips = nullptr;
        // The options dialog; it is made after the main window, so it is looked up on use.
        std::function<TOptionForm *()> optionForm;
    };

    explicit SettingsPanel(const Links &links);
    ~SettingsPanel() override;

    // Loads the video formats of the device "PSP" and the profile list, and applies the store's
    // default profile.
    void InitSettingsPanel();

    EncodingChoices Choices() const;
    // True when the first video format (h264) is selected: it decides the output names' prefix.
    bool FirstVideoFormatSelected() const;

    // ProfileWindow
    ChoiceList &profileList() override;
    ChoiceList &videoFormatList() override;
    ChoiceList *formatList(FormatFamily family) override;
    NumberField &videoBitRateField() override;
    void videoFormatChanged() override { suiComboBox_VideoFormatChange(); }
    void formatListsEnabled(bool enabled) override;
    void formatChoicesLoaded() override { SetupVolumeSlider(); }
    void profileVolumeApplied() override;

    QLabel *Label1 = nullptr;
    TsuiComboBox *suiComboBox_Profile = nullptr;
    QLabel *Label9 = nullptr;
    TsuiEdit *suiEdit_DVDName = nullptr;
    QLabel *Label12 = nullptr;
    TsuiComboBox *suiComboBox_VideoFormat = nullptr;
    QLabel *Label3 = nullptr;
    TsuiComboBox *suiComboBox_Resolution = nullptr;
    QLabel *Label4 = nullptr;
    TsuiComboBox *suiComboBox_VideoFrameRate = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label10 = nullptr;
    TsuiSpinEdit *suiSpinEdit_VideoBitRate = nullptr;
    QLabel *Label6 = nullptr;
    QLabel *Label2 = nullptr;
    TsuiComboBox *suiComboBox_AudioBitRate = nullptr;
    QLabel *Label8 = nullptr;
    TsuiTrackBar *suiTrackBar_Volume = nullptr;
    QLabel *Label_DB = nullptr;
    TsuiComboBox *suiComboBox_Volume = nullptr;

public slots:
    void suiComboBox_VideoFormatChange();
    void suiComboBox_ProfileChange();
    void suiTrackBar_VolumeChange();
    void suiImageButton_OptionClick();

private:
    void CreateControls();
    void SetupVolumeSlider();
    void ShowVolume(int position);

    Links links_;
    ProfileFiles profileFiles_;
    std::unique_ptr<ProfileControls> controls_;
};
