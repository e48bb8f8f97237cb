#include "optionform/TOptionForm.h"

#include "core/AppGlobals.h"
#include "core/profiles/Languages.h"
#include "platform/IniFile.h"
#include "platform/Prompts.h"
#include "profilecontrols/ProfileControls.h"
#include "skin/ImageButtons.h"
#include "skin/SkinFonts.h"
#include "skin/SkinLabels.h"
#include "skin/SkinPictures.h"
#include "skin/TsuiImageButton.h"
#include "skin/TsuiImagePanel.h"
#include "skin/TsuiSkinForm.h"
#include "skin/WindowSystem.h"
#include "skin/art/SkinLayout.h"
#include "skin/art/SkinPalette.h"
#include "skin/art/SkinPictureNames.h"
#include "skin/inputs/SkinnedFields.h"
#include "skin/inputs/TsuiComboBox.h"
#include "skin/inputs/TsuiEdit.h"
#include "skin/inputs/TsuiSpinEdit.h"

#include <QDir>
#include <QLabel>
#include <QShowEvent>

namespace L = OptionFormLayout;
namespace N = SkinPictureName;
using namespace SkinPalette;

namespace {

TsuiImagePanel *page(QWidget *parent, const QRect &at)
{
    auto *panel = new TsuiImagePanel(parent);
    panel->setGeometry(at);
    return panel;
}

} // namespace

TOptionForm::TOptionForm(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , profileFiles_(path_PNG, Prompts::Current())
    , optionsFile_(OptionsFile::UserPath(path_PNG), QDir::homePath())
{
    buildWindow();
    controls_ = std::make_unique<ProfileControls>(
        *suiComboBox_Profile, *suiComboBox_VideoFormat, *suiSpinEdit_VideoBitRate,
        std::initializer_list<ProfileControls::FamilyList>{{FormatFamily::VideoAspect, suiComboBox_AspectRatio},
                                                           {FormatFamily::VideoResolution, suiComboBox_Resolution},
                                                           {FormatFamily::VideoFrameRate, suiComboBox_VideoFrameRate},
                                                           {FormatFamily::AudioBitrate, suiComboBox_AudioBitRate},
                                                           {FormatFamily::AudioSampleRate, suiComboBox_AudioSampleRate},
                                                           {FormatFamily::AudioVolume, suiComboBox_Volume}});
    FormCreate();
}

TOptionForm::~TOptionForm() = default;

void TOptionForm::buildWindow()
{
    setModal(true);
    setFont(tahomaPoints(8));
    useSkinTextColour(*this);
    skin = new TsuiSkinForm(this);
    skin->setGlyph(skinPicture(QLatin1String(N::OptionForm)));

    suiImageButton_Close = newImageButton(this, N::OptionClose, L::Close);
    suiImageButton_OK = newImageButton(this, N::OptionOK, L::OK);
    suiImageButton_Cancel = newImageButton(this, N::OptionCancel, L::Cancel);
    suiImageButton_Output = newImageButton(this, N::TabOutput, L::TabOutput);
    suiImageButton_Input = newImageButton(this, N::TabInput, L::TabInput);
    suiImageButton_System = newImageButton(this, N::TabSystem, L::TabSystem);
    suiImageButton_System->hide();

    suiImagePanel_Output = page(this, L::PageOutput);
    suiImagePanel_Input = page(this, L::PageInput);
    suiImagePanel_System = page(this, L::PageSystem);

    suiComboBox_Volume = newDropDown(this, L::HiddenVolume, OptionField, DropDownButton);
    suiComboBox_Volume->hide();

    buildOutputPage();
    buildInputPage();
    suiImageButton_Add = newImageButton(suiImagePanel_Output, N::ProfileAdd, L::Add);
    suiImageButton_Del = newImageButton(suiImagePanel_Output, N::ProfileDel, L::Del);
    suiImageButton_Browse = newImageButton(suiImagePanel_Input, N::OptionBrowse, L::Browse);

    connect(suiImageButton_Close, &TsuiImageButton::clicked, this, &QDialog::reject);
    connect(suiImageButton_Cancel, &TsuiImageButton::clicked, this, &QDialog::reject);
    connect(suiImageButton_OK, &TsuiImageButton::clicked, this, &TOptionForm::suiImageButton_OKClick);
    for (TsuiImageButton *tab : {suiImageButton_Output, suiImageButton_Input, suiImageButton_System})
        connect(tab, &TsuiImageButton::clicked, this, [this, tab] { suiImageButton_TabClick(tab); });
    connect(suiComboBox_VideoFormat, &TsuiComboBox::OnChange, this, &TOptionForm::suiComboBox_VideoFormatChange);
    connect(suiComboBox_Profile, &TsuiComboBox::OnChange, this, &TOptionForm::suiComboBox_ProfileChange);
    connect(suiEdit_ProfileName, &TsuiEdit::OnExit, this, &TOptionForm::suiEdit_ProfileNameExit);
    connect(suiImageButton_Add, &TsuiImageButton::clicked, this, &TOptionForm::suiImageButton_AddClick);
    connect(suiImageButton_Del, &TsuiImageButton::clicked, this, &TOptionForm::suiImageButton_DelClick);
    connect(suiImageButton_Browse, &TsuiImageButton::clicked, this, &TOptionForm::suiImageButton_BrowseClick);
}

void TOptionForm::buildOutputPage()
{
    QWidget *p = suiImagePanel_Output;
    newCaption(p, QStringLiteral("Profile :"), L::LabelProfile);
    suiComboBox_Profile = newDropDown(p, L::Profile, OptionField, ProfileDropDownButton);
    newCaption(p, QStringLiteral("Output Video Format :"), L::LabelVideoFormat);
    suiComboBox_VideoFormat = newDropDown(p, L::VideoFormat, OptionField, DropDownButton);
    newCaption(p, QStringLiteral("Video Aspect Ratio :"), L::LabelAspectRatio);
    suiComboBox_AspectRatio = newDropDown(p, L::AspectRatio, OptionField, DropDownButton);
    newCaption(p, QStringLiteral("Video Resolution : (Width : Height)"), L::LabelResolution);
    suiComboBox_Resolution = newDropDown(p, L::Resolution, OptionField, DropDownButton);
    newCaption(p, QStringLiteral("Video Frame Rate :"), L::LabelFrameRate);
    suiComboBox_VideoFrameRate = newDropDown(p, L::FrameRate, OptionField, DropDownButton);
    newCaption(p, QStringLiteral("Video Quality :"), L::LabelVideoBitRate);
    suiSpinEdit_VideoBitRate = newVideoBitRateField(p, L::VideoBitRate, OptionField, 100, 1600);
    newCaption(p, QStringLiteral("Kbps"), L::LabelVideoKbps);
    newCaption(p, QStringLiteral("Audio Quality :"), L::LabelAudioBitRate);
    suiComboBox_AudioBitRate = newDropDown(p, L::AudioBitRate, OptionField, DropDownButton);
    newCaption(p, QStringLiteral("Kbps"), L::LabelAudioKbps);
    newCaption(p, QStringLiteral("Audio Sample Rate :"), L::LabelSampleRate);
    suiComboBox_AudioSampleRate = newDropDown(p, L::SampleRate, OptionField, DropDownButton);
    newCaption(p, QStringLiteral("KHzps"), L::LabelSampleUnit);
    newCaption(p, QStringLiteral("Profile Name :"), L::LabelProfileName);
    suiEdit_ProfileName = newTextField(p, L::ProfileName, OptionField);
}

void TOptionForm::buildInputPage()
{
    QWidget *p = suiImagePanel_Input;
    newCaption(p, QStringLiteral("Default Audio Language :"), L::LabelAudLang);
    suiComboBox_AudLang = newDropDown(p, L::AudLang, OptionField, DropDownButton);
    newCaption(p, QStringLiteral("Default Subtitle Language :"), L::LabelSubLang);
    suiComboBox_SubLang = newDropDown(p, L::SubLang, OptionField, DropDownButton);
    newCaption(p, QStringLiteral("Output Folder :"), L::LabelOutputFolder);
    suiEdit_OutputFolder = newTextField(p, L::OutputFolder, OptionField);
    suiEdit_OutputFolder->setReadOnly(true);
}

ChoiceList &TOptionForm::profileList()
{
    return controls_->profileList();
}

ChoiceList &TOptionForm::videoFormatList()
{
    return controls_->videoFormatList();
}

ChoiceList *TOptionForm::formatList(FormatFamily family)
{
    return controls_->formatList(family);
}

NumberField &TOptionForm::videoBitRateField()
{
    return controls_->videoBitRateField();
}

void TOptionForm::profileNameApplied(const QString &name)
{
    suiEdit_ProfileName->setText(name);
    // Show a long name from its start.
    suiEdit_ProfileName->setCursorPosition(0);
}

void TOptionForm::FormCreate()
{
    for (const LanguageRecord &language : DefaultLanguages) {
        const QString code = QString::fromLatin1(language.code);
        suiComboBox_AudLang->addItem(QString::fromLatin1(language.name), code);
        suiComboBox_SubLang->addItem(QString::fromLatin1(language.name), code);
    }
    LoadOptions();
}

void TOptionForm::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}

void TOptionForm::setVisible(bool visible)
{
    if (visible && !isVisible())
        WindowSystem::centreOnScreen(*this);
    QDialog::setVisible(visible);
}

void TOptionForm::FormShow()
{
    Changed = false;
    LoadOptions();
    suiImageButton_TabClick(suiImageButton_Output);
    profileFiles_.LoadVideoFormats(*this, QStringLiteral("PSP"));
    profileFiles_.LoadProfileList(*this);
}

void TOptionForm::LoadOptions()
{
    languages_ = optionsFile_.LoadOptions();
    const auto selectPosition = [](TsuiComboBox *list, int position) {
        list->setCurrentIndex(position >= 0 && position < list->count() ? position : -1);
    };
    selectPosition(suiComboBox_AudLang, languages_.audio);
    selectPosition(suiComboBox_SubLang, languages_.subtitle);
    suiEdit_OutputFolder->setText(g_s_OutputFolder);
}

TrackLanguages TOptionForm::DefaultTrackLanguages() const
{
    return TrackLanguagesOf(languages_);
}

bool TOptionForm::SaveOptions()
{
    try {
        optionsFile_.SaveOptions(languages_);
        return true;
    } catch (const IniWriteError &error) {
        Prompts::Current().Error(QString::fromLocal8Bit(error.what()));
        return false;
    }
}

bool TOptionForm::ChooseOutputFolder()
{
    const QString folder = Prompts::Current().ChooseFolder(QStringLiteral("Please select Output Folder:"),
                                                           FolderChooserStart(g_s_OutputFolder));
    if (folder.isEmpty())
        return false;
    g_s_OutputFolder = folder;
    SaveOptions();
    return true;
}

void TOptionForm::suiImageButton_TabClick(TsuiImageButton *tab)
{
    const std::pair<TsuiImageButton *, TsuiImagePanel *> pages[] = {
        {suiImageButton_Output, suiImagePanel_Output},
        {suiImageButton_Input, suiImagePanel_Input},
        {suiImageButton_System, suiImagePanel_System},
    };
    for (const auto &[button, panel] : pages) {
        panel->setVisible(button == tab);
        button->setEnabled(button != tab);
    }
}

void TOptionForm::suiComboBox_VideoFormatChange()
{
    profileFiles_.LoadFormatChoices(*this, suiComboBox_VideoFormat->currentIndex());
}

void TOptionForm::suiComboBox_ProfileChange()
{
    profileFiles_.ApplyProfile(*this, suiComboBox_Profile->currentIndex());
}

void TOptionForm::suiEdit_ProfileNameExit()
{
    if (suiEdit_ProfileName->text().isEmpty())
        suiEdit_ProfileName->setText(profileFiles_.ProfileNameAt(*this, suiComboBox_Profile->currentIndex()));
}

void TOptionForm::suiImageButton_AddClick()
{
    if (profileFiles_.SaveProfile(*this, suiEdit_ProfileName->text()))
        Changed = true;
}

void TOptionForm::suiImageButton_DelClick()
{
    if (profileFiles_.RemoveProfile(*this, suiEdit_ProfileName->text()))
        Changed = true;
}

void TOptionForm::suiImageButton_BrowseClick()
{
    if (ChooseOutputFolder())
        suiEdit_OutputFolder->setText(g_s_OutputFolder);
}

void TOptionForm::suiImageButton_OKClick()
{
    Changed = true;
    const LanguageChoices stored = languages_;
    languages_ = {suiComboBox_AudLang->currentIndex(), suiComboBox_SubLang->currentIndex()};
    if (SaveOptions())
        accept();
    else
        languages_ = stored;
}
