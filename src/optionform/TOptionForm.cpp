#include "TOptionForm.h"

#include "OptionFormLayout.h"
#include "OptionFormSkin.h"
#include "WidgetChoiceLists.h"

#include "SkinArt.h"
#include "SkinFonts.h"
#include "TsuiComboBox.h"
#include "TsuiEdit.h"
#include "TsuiImageButton.h"
#include "TsuiImagePanel.h"
#include "TsuiSkinForm.h"
#include "TsuiSpinEdit.h"

#include "core/AppGlobals.h"
#include "core/profiles/Languages.h"
#include "platform/IniFile.h"
#include "platform/Prompts.h"

#include <QDir>
#include <QScreen>
#include <QLabel>
#include <QShowEvent>

namespace L = OptionFormLayout;

namespace {

const QColor FieldColour(215, 215, 215);

QLabel *caption(QWidget *parent, QPoint at, const QString &text)
{
    auto *label = new QLabel(text, parent);
    label->setAttribute(Qt::WA_TranslucentBackground);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor::fromRgb(SkinArt::Colour::Text));
    label->setPalette(palette);
    label->adjustSize();
    label->move(at);
    return label;
}

TsuiComboBox *dropDown(QWidget *parent, const QRect &at, const QColor &buttonColour = FieldColour)
{
    auto *combo = new TsuiComboBox(parent);
    combo->setGeometry(at);
    combo->setBorderColor(Qt::black);
    combo->setArrowColor(Qt::black);
    combo->setButtonColor(buttonColour);
    combo->setColor(FieldColour);
    return combo;
}

TsuiEdit *field(QWidget *parent, const QRect &at)
{
    auto *edit = new TsuiEdit(parent);
    edit->setGeometry(at);
    edit->setBorderColor(Qt::black);
    edit->setColor(FieldColour);
    return edit;
}

TsuiImagePanel *page(QWidget *parent, const QRect &at)
{
    auto *panel = new TsuiImagePanel(parent);
    panel->setGeometry(at);
    return panel;
}

} // namespace

struct TOptionForm::Adapters {
    explicit Adapters(TOptionForm &form)
        : profile(*form.suiComboBox_Profile)
        , videoFormat(*form.suiComboBox_VideoFormat)
        , aspect(*form.suiComboBox_AspectRatio)
        , resolution(*form.suiComboBox_Resolution)
        , frameRate(*form.suiComboBox_VideoFrameRate)
        , audioBitRate(*form.suiComboBox_AudioBitRate)
        , sampleRate(*form.suiComboBox_AudioSampleRate)
        , volume(*form.suiComboBox_Volume)
        , videoBitRate(*form.suiSpinEdit_VideoBitRate)
    {
    }

    ComboChoiceList profile, videoFormat, aspect, resolution, frameRate, audioBitRate, sampleRate, volume;
    SpinNumberField videoBitRate;
};

TOptionForm::TOptionForm(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , profileFiles_(path_PNG, Prompts::Current())
    , optionsFile_(OptionsFile::UserPath(path_PNG), QDir::homePath())
{
    buildWindow();
    adapters_ = std::make_unique<Adapters>(*this);
    FormCreate();
}

TOptionForm::~TOptionForm() = default;

void TOptionForm::buildWindow()
{
    setModal(true);
    setFont(tahomaPoints(8));
    const QImage skinPicture = OptionFormSkin();
    skin = new TsuiSkinForm(this);
    skin->setTransparentColor(SkinArt::KeyColour);
    skin->setGlyph(skinPicture);

    const auto button = [&](const QRect &at, OptionButtonLook look, const QString &text, QWidget *parent = nullptr,
                            QPoint origin = {}) {
        auto *b = new TsuiImageButton(parent ? parent : this);
        DressOptionButton(*b, skinPicture, at.translated(origin), look, text);
        b->move(at.topLeft());
        return b;
    };
    suiImageButton_Close = button(L::Close, OptionButtonLook::Title, {});
    suiImageButton_OK = button(L::OK, OptionButtonLook::Command, QStringLiteral("OK"));
    suiImageButton_Cancel = button(L::Cancel, OptionButtonLook::Command, QStringLiteral("Cancel"));
    suiImageButton_Output = button(L::TabOutput, OptionButtonLook::Tab, QStringLiteral("Output"));
    suiImageButton_Input = button(L::TabInput, OptionButtonLook::Tab, QStringLiteral("Input"));
    suiImageButton_System = button(L::TabSystem, OptionButtonLook::Tab, QStringLiteral("System"));
    suiImageButton_Input->hide();
    suiImageButton_System->hide();

    suiImagePanel_Output = page(this, L::PageOutput);
    suiImagePanel_Input = page(this, L::PageInput);
    suiImagePanel_System = page(this, L::PageSystem);

    suiComboBox_Volume = dropDown(this, L::HiddenVolume);
    suiComboBox_Volume->hide();

    buildOutputPage();
    buildInputPage();
    suiImageButton_Add = button(L::Add, OptionButtonLook::Command, QStringLiteral("Add"), suiImagePanel_Output,
                                L::PageOutput.topLeft());
    suiImageButton_Del = button(L::Del, OptionButtonLook::Command, QStringLiteral("Del"), suiImagePanel_Output,
                                L::PageOutput.topLeft());
    suiImageButton_Browse = button(L::Browse, OptionButtonLook::Command, QStringLiteral("Browse"), suiImagePanel_Input,
                                   L::PageInput.topLeft());

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
    caption(p, L::LabelProfile, QStringLiteral("Profile :"));
    suiComboBox_Profile = dropDown(p, L::Profile, QColor(231, 231, 231));
    caption(p, L::LabelVideoFormat, QStringLiteral("Output Video Format :"));
    suiComboBox_VideoFormat = dropDown(p, L::VideoFormat);
    caption(p, L::LabelAspectRatio, QStringLiteral("Video Aspect Ratio :"));
    suiComboBox_AspectRatio = dropDown(p, L::AspectRatio);
    caption(p, L::LabelResolution, QStringLiteral("Video Resolution : (Width : Height)"));
    suiComboBox_Resolution = dropDown(p, L::Resolution);
    caption(p, L::LabelFrameRate, QStringLiteral("Video Frame Rate :"));
    suiComboBox_VideoFrameRate = dropDown(p, L::FrameRate);
    caption(p, L::LabelVideoBitRate, QStringLiteral("Video Quality :"));
    suiSpinEdit_VideoBitRate = new TsuiSpinEdit(p);
    suiSpinEdit_VideoBitRate->setGeometry(L::VideoBitRate);
    suiSpinEdit_VideoBitRate->setUIStyle(UIStyle::WinXP);
    suiSpinEdit_VideoBitRate->setBorderColor(Qt::black);
    suiSpinEdit_VideoBitRate->setColor(FieldColour);
    suiSpinEdit_VideoBitRate->setIncrement(1);
    suiSpinEdit_VideoBitRate->setMinValue(100);
    suiSpinEdit_VideoBitRate->setMaxValue(1600);
    suiSpinEdit_VideoBitRate->setValue(812);
    caption(p, L::LabelVideoKbps, QStringLiteral("Kbps"));
    caption(p, L::LabelAudioBitRate, QStringLiteral("Audio Quality :"));
    suiComboBox_AudioBitRate = dropDown(p, L::AudioBitRate);
    caption(p, L::LabelAudioKbps, QStringLiteral("Kbps"));
    caption(p, L::LabelSampleRate, QStringLiteral("Audio Sample Rate :"));
    suiComboBox_AudioSampleRate = dropDown(p, L::SampleRate);
    caption(p, L::LabelSampleUnit, QStringLiteral("KHzps"));
    caption(p, L::LabelProfileName, QStringLiteral("Profile Name :"));
    suiEdit_ProfileName = field(p, L::ProfileName);
}

void TOptionForm::buildInputPage()
{
    QWidget *p = suiImagePanel_Input;
    caption(p, L::LabelAudLang, QStringLiteral("Default Audio Language :"));
    suiComboBox_AudLang = dropDown(p, L::AudLang);
    caption(p, L::LabelSubLang, QStringLiteral("Default Subtitle Language :"));
    suiComboBox_SubLang = dropDown(p, L::SubLang);
    caption(p, L::LabelOutputFolder, QStringLiteral("Output Folder :"));
    suiEdit_OutputFolder = field(p, L::OutputFolder);
    suiEdit_OutputFolder->setReadOnly(true);
}

ChoiceList &TOptionForm::profileList()
{
    return adapters_->profile;
}

ChoiceList &TOptionForm::videoFormatList()
{
    return adapters_->videoFormat;
}

ChoiceList *TOptionForm::formatList(FormatFamily family)
{
    switch (family) {
    case FormatFamily::VideoAspect:
        return &adapters_->aspect;
    case FormatFamily::VideoResolution:
        return &adapters_->resolution;
    case FormatFamily::VideoFrameRate:
        return &adapters_->frameRate;
    case FormatFamily::AudioBitrate:
        return &adapters_->audioBitRate;
    case FormatFamily::AudioSampleRate:
        return &adapters_->sampleRate;
    case FormatFamily::AudioVolume:
        return &adapters_->volume;
    }
    return nullptr;
}

NumberField &TOptionForm::videoBitRateField()
{
    return adapters_->videoBitRate;
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
    if (!event->spontaneous()) {
        if (const QScreen *where = screen())
            move(where->availableGeometry().center() - rect().center());
        FormShow();
    }
    QDialog::showEvent(event);
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
    const LanguageChoices languages = optionsFile_.LoadOptions();
    const auto selectPosition = [](TsuiComboBox *list, int position) {
        list->setCurrentIndex(position >= 0 && position < list->count() ? position : -1);
    };
    selectPosition(suiComboBox_AudLang, languages.audio);
    selectPosition(suiComboBox_SubLang, languages.subtitle);
    suiEdit_OutputFolder->setText(g_s_OutputFolder);
}

bool TOptionForm::SaveOptions()
{
    try {
        optionsFile_.SaveOptions({suiComboBox_AudLang->currentIndex(), suiComboBox_SubLang->currentIndex()});
        return true;
    } catch (const IniWriteError &error) {
        Prompts::Current().Error(QString::fromLocal8Bit(error.what()));
        return false;
    }
}

bool TOptionForm::ChooseOutputFolder()
{
    const QString folder = Prompts::Current().ChooseFolder(QStringLiteral("Please select Output Folder:"));
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
    if (SaveOptions())
        accept();
}
