#include "SettingsPanel.h"

#include "TOptionForm.h"
#include "TsuiComboBox.h"
#include "TsuiEdit.h"
#include "TsuiImageButton.h"
#include "TsuiSpinEdit.h"
#include "TsuiTrackBar.h"
#include "WidgetChoiceLists.h"

#include "core/AppGlobals.h"
#include "core/ClipList.h"
#include "core/OutputNames.h"
#include "core/profiles/VolumeSlider.h"
#include "platform/Prompts.h"
#include "skin/art/SkinLayout.h"

#include <QLabel>
#include <QLineEdit>
#include <algorithm>

namespace L = MainFormLayout;

namespace {

const QColor FieldColour(218, 218, 218);
const QColor ButtonColour(215, 215, 215);

QLabel *caption(QWidget *window, QPoint at, const QString &text)
{
    auto *label = new QLabel(text, window);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->adjustSize();
    label->move(at);
    return label;
}

TsuiComboBox *dropDown(QWidget *window, const QRect &at)
{
    auto *combo = new TsuiComboBox(window);
    combo->setGeometry(at);
    combo->setBorderColor(Qt::black);
    combo->setArrowColor(Qt::black);
    combo->setButtonColor(ButtonColour);
    combo->setColor(FieldColour);
    return combo;
}

} // namespace

struct SettingsPanel::Adapters {
    explicit Adapters(SettingsPanel &panel)
        : profile(*panel.suiComboBox_Profile)
        , videoFormat(*panel.suiComboBox_VideoFormat)
        , resolution(*panel.suiComboBox_Resolution)
        , frameRate(*panel.suiComboBox_VideoFrameRate)
        , audioBitRate(*panel.suiComboBox_AudioBitRate)
        , volume(*panel.suiComboBox_Volume)
        , videoBitRate(*panel.suiSpinEdit_VideoBitRate)
    {
    }

    ComboChoiceList profile, videoFormat, resolution, frameRate, audioBitRate, volume;
    SpinNumberField videoBitRate;
};

SettingsPanel::SettingsPanel(const Links &links)
    : QObject(links.window)
    , links_(links)
    , profileFiles_(path_PNG, Prompts::Current())
{
    CreateControls();
    adapters_ = std::make_unique<Adapters>(*this);
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
    Label1 = caption(w, L::Label1, QStringLiteral("Profile :"));
    suiComboBox_Profile = dropDown(w, L::suiComboBox_Profile);
    Label9 = caption(w, L::Label9, QStringLiteral("File Title :"));
    suiEdit_DVDName = new TsuiEdit(w);
    suiEdit_DVDName->setGeometry(L::suiEdit_DVDName);
    suiEdit_DVDName->setBorderColor(Qt::black);
    suiEdit_DVDName->setColor(FieldColour);

    Label12 = caption(w, L::Label12, QStringLiteral("Video Format :"));
    suiComboBox_VideoFormat = dropDown(w, L::suiComboBox_VideoFormat);
    Label3 = caption(w, L::Label3, QStringLiteral("Video Resolution :"));
    suiComboBox_Resolution = dropDown(w, L::suiComboBox_Resolution);
    Label4 = caption(w, L::Label4, QStringLiteral("Video Frame Rate :"));
    suiComboBox_VideoFrameRate = dropDown(w, L::suiComboBox_VideoFrameRate);

    Label5 = caption(w, L::Label5, QStringLiteral("Video Quality :"));
    suiSpinEdit_VideoBitRate = new TsuiSpinEdit(w);
    suiSpinEdit_VideoBitRate->setGeometry(L::suiSpinEdit_VideoBitRate);
    suiSpinEdit_VideoBitRate->setUIStyle(UIStyle::WinXP);
    suiSpinEdit_VideoBitRate->setBorderColor(Qt::black);
    suiSpinEdit_VideoBitRate->setColor(FieldColour);
    suiSpinEdit_VideoBitRate->setIncrement(1);
    suiSpinEdit_VideoBitRate->setValue(812);
    Label10 = caption(w, L::Label10, QStringLiteral("Kbps"));
    Label6 = caption(w, L::Label6, QStringLiteral("Audio Quality :"));
    suiComboBox_AudioBitRate = dropDown(w, L::suiComboBox_AudioBitRate);
    Label2 = caption(w, L::Label2, QStringLiteral("Kbps"));

    Label8 = caption(w, L::Label8, QStringLiteral("Volume :"));
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
    Label_DB = caption(w, L::Label_DB, QStringLiteral("db."));
    suiComboBox_Volume = dropDown(w, L::suiComboBox_Volume);
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
    return adapters_->profile;
}

ChoiceList &SettingsPanel::videoFormatList()
{
    return adapters_->videoFormat;
}

ChoiceList *SettingsPanel::formatList(FormatFamily family)
{
    switch (family) {
    case FormatFamily::VideoResolution:
        return &adapters_->resolution;
    case FormatFamily::VideoFrameRate:
        return &adapters_->frameRate;
    case FormatFamily::AudioBitrate:
        return &adapters_->audioBitRate;
    case FormatFamily::AudioVolume:
        return &adapters_->volume;
    case FormatFamily::VideoAspect:
    case FormatFamily::AudioSampleRate:
        break;
    }
    return nullptr;
}

NumberField &SettingsPanel::videoBitRateField()
{
    return adapters_->videoBitRate;
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
    dialog->exec();
    if (!dialog->Changed)
        return;
    if (links_.outputFolderField)
        links_.outputFolderField->setText(g_s_OutputFolder);
    profileFiles_.LoadProfileList(*this);
}
