#include "mainform/settings/SettingsPanel.h"

#include "core/AppGlobals.h"
#include "core/ClipList.h"
#include "core/OutputNames.h"
#include "core/profiles/VolumeSlider.h"
#include "optionform/TOptionForm.h"
#include "platform/Prompts.h"
#include "profilecontrols/ProfileControls.h"
#include "skin/SkinLabels.h"
#include "skin/TsuiImageButton.h"
#include "skin/art/SkinLayout.h"
#include "skin/art/SkinPalette.h"
#include "skin/inputs/SkinnedFields.h"
#include "skin/inputs/TsuiComboBox.h"
#include "skin/inputs/TsuiEdit.h"
#include "skin/inputs/TsuiSpinEdit.h"
#include "skin/inputs/TsuiTrackBar.h"

#include <QLabel>
#include <QLineEdit>
#include <algorithm>

namespace L = MainFormLayout;
using namespace SkinPalette;

SettingsPanel::SettingsPanel(const Links &links)
    : QObject(links.window)
    , links_(links)
    , profileFiles_(path_PNG, Prompts::Current())
{
    CreateControls();
    controls_ = std::make_unique<ProfileControls>(
        *suiComboBox_Profile, *suiComboBox_VideoFormat, *suiSpinEdit_VideoBitRate,
        std::initializer_list<ProfileControls::FamilyList>{{FormatFamily::VideoResolution, suiComboBox_Resolution},
                                                           {FormatFamily::VideoFrameRate, suiComboBox_VideoFrameRate},
                                                           {FormatFamily::AudioBitrate, suiComboBox_AudioBitRate},
                                                           {FormatFamily::AudioVolume, suiComboBox_Volume}});
    if (links_.clips) {
        links_.clips->SetOutputNamer([this](int position) {
            return OutputNameOf(position, i_OutputPSPSerialNumber, FirstVideoFormatSelected());
        });
    }
}

SettingsPanel::~SettingsPanel() = default;

void SettingsPanel::CreateControls()
{
    QWidget *w = links_.window;
    Label1 = newCaption(w, QStringLiteral("Profile :"), L::Label1);
    suiComboBox_Profile = newDropDown(w, L::suiComboBox_Profile, MainField, DropDownButton);
    Label9 = newCaption(w, QStringLiteral("File Title :"), L::Label9);
    suiEdit_DVDName = newTextField(w, L::suiEdit_DVDName, MainField);

    Label12 = newCaption(w, QStringLiteral("Video Format :"), L::Label12);
    suiComboBox_VideoFormat = newDropDown(w, L::suiComboBox_VideoFormat, MainField, DropDownButton);
    Label3 = newCaption(w, QStringLiteral("Video Resolution :"), L::Label3);
    suiComboBox_Resolution = newDropDown(w, L::suiComboBox_Resolution, MainField, DropDownButton);
    Label4 = newCaption(w, QStringLiteral("Video Frame Rate :"), L::Label4);
    suiComboBox_VideoFrameRate = newDropDown(w, L::suiComboBox_VideoFrameRate, MainField, DropDownButton);

    Label5 = newCaption(w, QStringLiteral("Video Quality :"), L::Label5);
    suiSpinEdit_VideoBitRate = newVideoBitRateField(w, L::suiSpinEdit_VideoBitRate, MainField, 0, 0);
    Label10 = newCaption(w, QStringLiteral("Kbps"), L::Label10);
    Label6 = newCaption(w, QStringLiteral("Audio Quality :"), L::Label6);
    suiComboBox_AudioBitRate = newDropDown(w, L::suiComboBox_AudioBitRate, MainField, DropDownButton);
    Label2 = newCaption(w, QStringLiteral("Kbps"), L::Label2);

    Label8 = newCaption(w, QStringLiteral("Volume :"), L::Label8);
    suiTrackBar_Volume = new TsuiTrackBar(w);
    suiTrackBar_Volume->setUIStyle(UIStyle::BlueGlass);
    suiTrackBar_Volume->setTransparent(true);
    suiTrackBar_Volume->setShowTick(false);
    suiTrackBar_Volume->setFrequency(1);
    suiTrackBar_Volume->setGeometry(L::suiTrackBar_Volume);
    suiTrackBar_Volume->setMin(0);
    suiTrackBar_Volume->setMax(10);
    suiTrackBar_Volume->setPosition(0);
    suiTrackBar_Volume->setPageSize(2);
    suiTrackBar_Volume->setLineSize(1);
    Label_DB = newCaption(w, QStringLiteral("db."), L::Label_DB);
    suiComboBox_Volume = newDropDown(w, L::suiComboBox_Volume, MainField, DropDownButton);
    suiComboBox_Volume->hide();

    connect(suiComboBox_VideoFormat, &TsuiComboBox::OnChange, this, &SettingsPanel::suiComboBox_VideoFormatChange);
    connect(suiComboBox_Profile, &TsuiComboBox::OnChange, this, &SettingsPanel::suiComboBox_ProfileChange);
    connect(suiTrackBar_Volume, &TsuiTrackBar::OnChange, this, &SettingsPanel::suiTrackBar_VolumeChange);
    if (links_.optionButton)
        connect(links_.optionButton, &TsuiImageButton::clicked, this, &SettingsPanel::suiImageButton_OptionClick);
}

void SettingsPanel::InitSettingsPanel()
{
    profileFiles_.LoadVideoFormats(*this, QStringLiteral("PSP"));
    profileFiles_.LoadProfileList(*this);
}

EncodingChoices SettingsPanel::Choices() const
{
    EncodingChoices choices;
    choices.videoFormat = suiComboBox_VideoFormat->currentIndex();
    choices.videoFormatText = suiComboBox_VideoFormat->currentText();
    choices.resolution = suiComboBox_Resolution->currentIndex();
    choices.frameRate = suiComboBox_VideoFrameRate->currentIndex();
    choices.audioBitRate = suiComboBox_AudioBitRate->currentIndex();
    choices.videoBitRateText = suiSpinEdit_VideoBitRate->text().trimmed();
    choices.volume = suiTrackBar_Volume->position();
    return choices;
}

bool SettingsPanel::FirstVideoFormatSelected() const
{
    return suiComboBox_VideoFormat->currentIndex() == 0;
}

ChoiceList &SettingsPanel::profileList()
{
    return controls_->profileList();
}

ChoiceList &SettingsPanel::videoFormatList()
{
    return controls_->videoFormatList();
}

ChoiceList *SettingsPanel::formatList(FormatFamily family)
{
    return controls_->formatList(family);
}

NumberField &SettingsPanel::videoBitRateField()
{
    return controls_->videoBitRateField();
}

void SettingsPanel::formatListsEnabled(bool enabled)
{
    suiTrackBar_Volume->setEnabled(enabled);
}

void SettingsPanel::profileVolumeApplied()
{
    suiTrackBar_Volume->setPosition(suiComboBox_Volume->currentIndex());
    ShowVolume(suiTrackBar_Volume->position());
}

void SettingsPanel::SetupVolumeSlider()
{
    QStringList entries;
    for (int i = 0; i < suiComboBox_Volume->count(); ++i)
        entries.append(suiComboBox_Volume->itemText(i));
    const VolumeSliderSetting setting = VolumeSliderFrom(entries, suiComboBox_Volume->currentIndex());
    // Widen first so neither bound is pulled across the other on the way.
    suiTrackBar_Volume->setMax(std::max(suiTrackBar_Volume->max(), setting.maximum));
    suiTrackBar_Volume->setMin(setting.minimum);
    suiTrackBar_Volume->setMax(setting.maximum);
    suiTrackBar_Volume->setPosition(setting.position);
    ShowVolume(suiTrackBar_Volume->position());
}

void SettingsPanel::ShowVolume(int position)
{
    Label_DB->setText(VolumeLabelText(position));
    Label_DB->adjustSize();
}

void SettingsPanel::suiComboBox_VideoFormatChange()
{
    profileFiles_.LoadFormatChoices(*this, suiComboBox_VideoFormat->currentIndex());
    if (links_.clips)
        links_.clips->RenameAllClips();
}

void SettingsPanel::suiComboBox_ProfileChange()
{
    profileFiles_.ApplyProfile(*this, suiComboBox_Profile->currentIndex());
}

void SettingsPanel::suiTrackBar_VolumeChange()
{
    ShowVolume(suiTrackBar_Volume->position());
    // Follow the thumb while it is dragged.
    Label_DB->repaint();
}

void SettingsPanel::suiImageButton_OptionClick()
{
    TOptionForm *dialog = links_.optionForm ? links_.optionForm() : nullptr;
    if (!dialog)
        return;
    const QString folderBefore = g_s_OutputFolder;
    dialog->exec();
    // The dialog's Browse stores a folder at once, also when the dialog is then cancelled.
    if (links_.outputFolderField && (dialog->Changed || g_s_OutputFolder != folderBefore))
        links_.outputFolderField->setText(g_s_OutputFolder);
    if (dialog->Changed)
        profileFiles_.LoadProfileList(*this);
}
