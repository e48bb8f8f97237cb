#include "mainform/TMainForm.h"

#include "core/AppGlobals.h"
#include "mainform/AppWindows.h"
#include "mainform/ConversionStart.h"
#include "mainform/HelpMenuComponent.h"
#include "mainform/cliplist/ClipListComponent.h"
#include "mainform/preview/PreviewComponent.h"
#include "mainform/settings/SettingsPanel.h"
#include "platform/FloatingPoint.h"
#include "platform/Prompts.h"
#include "skin/ImageButtons.h"
#include "skin/PictureBox.h"
#include "skin/ScreenCursors.h"
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
#include "skin/inputs/TsuiMaskEdit.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>

namespace L = MainFormLayout;
namespace N = SkinPictureName;

namespace {

PictureBox *pictureBox(QWidget *parent, const char *picture, const QPoint &place)
{
    auto *box = new PictureBox(skinPicture(QLatin1String(picture)), parent);
    box->move(place);
    return box;
}

} // namespace

TMainForm::TMainForm(QWidget *parent)
    : QWidget(parent), messageTarget_(this)
{
    MaskFloatingPointExceptions();
    setWindowTitle(DisplayProductName);
    setFont(tahomaPixels(11));
    useSkinTextColour(*this);

    skin_ = new TsuiSkinForm(this);
    skin_->setGlyph(skinPicture(QLatin1String(N::MainForm)));

    CreateTitleAndToolBar();
    CreatePreview();
    CreateTimesAndOutputFolder();
    CreateStreamSelectors();
    suiImageButton_StartConvert = newImageButton(this, N::StartConvert, L::StartConvert);
    CreateIntro();
    CreateClipList();

    i_OutputPSPSerialNumber = 1;
    CreateSettingsPanel();
    CreateConversionStart();
    LoadCursors();
    CreatePreviewPart();
    RaiseOverlays(clipListPart_->ProgressPanel());
}

TMainForm::~TMainForm() = default;

void TMainForm::CreateTitleAndToolBar()
{
    suiImageButton_Help = newImageButton(this, N::Help, L::Help);
    suiImageButton_Min = newImageButton(this, N::Min, L::Min);
    suiImageButton_Close = newImageButton(this, N::Close, L::Close);
    suiImageButton_OpenDir = newImageButton(this, N::OpenDir, L::OpenDir);
    suiImageButton_OpenFile = newImageButton(this, N::OpenFile, L::OpenFile);
    suiImageButton_Clear = newImageButton(this, N::Clear, L::Clear);
    suiImageButton_Option = newImageButton(this, N::Option, L::Option);
    connect(suiImageButton_Min, &TsuiImageButton::clicked, this, &TMainForm::suiImageButton_MinClick);
    connect(suiImageButton_Close, &TsuiImageButton::clicked, this, &TMainForm::suiImageButton_CloseClick);
    helpPart_ = new HelpMenuComponent(this, suiImageButton_Help);
}

void TMainForm::CreatePreview()
{
    Panel_Preview = new QWidget(this);
    Panel_Preview->setGeometry(L::Panel_Preview);
    Panel_Preview->setAutoFillBackground(true);
    QPalette black = Panel_Preview->palette();
    black.setColor(QPalette::Window, QColor::fromRgb(SkinPalette::PreviewPane));
    Panel_Preview->setPalette(black);
    Image_Preview = new QLabel(Panel_Preview);
    Image_Preview->setGeometry(Panel_Preview->rect());
    Image_Preview->setAlignment(Qt::AlignCenter);
    Label_Info = new QLabel(QStringLiteral("Seeking please wait..."), Panel_Preview);
    QFont bold = font();
    bold.setBold(true);
    Label_Info->setFont(bold);
    QPalette lime = Label_Info->palette();
    lime.setColor(QPalette::WindowText, QColor::fromRgb(SkinPalette::Lime));
    Label_Info->setPalette(lime);
    Label_Info->adjustSize();
    Label_Info->move(L::Label_Info);
    Label_Info->hide();

    Panel_Progress = new QWidget(this);
    Panel_Progress->setGeometry(L::Panel_Progress);
    Image_ProgressBack = pictureBox(Panel_Progress, N::ProgressBack, L::Image_ProgressBack.topLeft());
    Image_Stretch = pictureBox(Panel_Progress, N::Stretch, QPoint(0, L::StretchTop));
    Image_Stretch->setStretch(true);
    Image_Left = newImageButton(Panel_Progress, N::MarkerLeft, QRect(QPoint(0, L::MarkerTop), L::Marker));
    Image_Right = newImageButton(Panel_Progress, N::MarkerRight,
                              QRect(QPoint(L::Panel_Progress.width() - L::Marker.width(), L::MarkerTop), L::Marker));

    suiImageButton_Snapshoot = newImageButton(this, N::Snapshoot, L::Snapshoot);
}

void TMainForm::CreateTimesAndOutputFolder()
{
    Label_Start = newLabel(this, QStringLiteral("Start Time :"), L::Label_Start);
    suiEdit_Start = new TsuiMaskEdit(this);
    suiEdit_Start->setGeometry(L::suiEdit_Start);
    Label_Stop = newLabel(this, QStringLiteral("End Time :"), L::Label_Stop);
    suiEdit_Stop = new TsuiMaskEdit(this);
    suiEdit_Stop->setGeometry(L::suiEdit_Stop);
    const QColor fieldColour = QColor::fromRgb(SkinPalette::MainField);
    for (TsuiMaskEdit *field : {suiEdit_Start, suiEdit_Stop}) {
        field->setEditMask(QStringLiteral("!90:00:00;1;_"));
        field->setMaxLength(8);
        field->setBorderColor(QColor::fromRgb(SkinPalette::FieldBorder));
        field->setColor(fieldColour);
        field->setEnabled(false);
    }

    Label_OutputFolder = newLabel(this, QStringLiteral("Output Folder :"), L::Label_OutputFolder);
    suiEdit_OutputFolder = new TsuiEdit(this);
    suiEdit_OutputFolder->setGeometry(L::suiEdit_OutputFolder);
    suiEdit_OutputFolder->setReadOnly(true);
    suiEdit_OutputFolder->setBorderColor(QColor::fromRgb(SkinPalette::FieldBorder));
    suiEdit_OutputFolder->setColor(fieldColour);
    suiImageButton_Browse = newImageButton(this, N::Browse, L::Browse);
    suiImageButton_Browse->setTransparent(true);
    connect(suiImageButton_Browse, &TsuiImageButton::clicked, this, &TMainForm::suiImageButton_BrowseClick);
}

void TMainForm::CreateStreamSelectors()
{
    Label_Audio = newLabel(this, QStringLiteral("Audio :"), L::Label_Audio);
    suiComboBox_Audio = newDropDown(this, L::suiComboBox_Audio, SkinPalette::MainField, SkinPalette::DropDownButton);
    Label_Subtitle = newLabel(this, QStringLiteral("Subtitle :"), L::Label_Subtitle);
    suiComboBox_Subtitle = newDropDown(this, L::suiComboBox_Subtitle, SkinPalette::MainField, SkinPalette::DropDownButton);
}

void TMainForm::CreateIntro()
{
    Panel_Intro = new TsuiImagePanel(this);
    Panel_Intro->setGeometry(L::Panel_Intro);
    Image = pictureBox(Panel_Intro, N::Intro, QPoint(0, 0));
    Image->installEventFilter(this);
}

void TMainForm::CreateClipList()
{
    ClipListComponent::Controls controls;
    controls.window = this;
    controls.introPanel = Panel_Intro;
    controls.current = {suiEdit_Start, suiEdit_Stop, suiComboBox_Audio, suiComboBox_Subtitle,
                        suiImageButton_Snapshoot, Panel_Progress};
    // The output folder's colour is the time fields' normal one.
    controls.resetTimeFieldColours = [this] {
        for (TsuiMaskEdit *field : {suiEdit_Start, suiEdit_Stop})
            field->setColor(suiEdit_OutputFolder->color());
    };
    clipListPart_ = new ClipListComponent(clips_, volumes_, controls);
    connect(suiImageButton_OpenDir, &TsuiImageButton::clicked, clipListPart_,
            &ClipListComponent::suiImageButton_OpenDirClick);
    connect(suiImageButton_OpenFile, &TsuiImageButton::clicked, clipListPart_,
            &ClipListComponent::suiImageButton_OpenFileClick);
    connect(suiImageButton_Clear, &TsuiImageButton::clicked, clipListPart_,
            &ClipListComponent::suiImageButton_ClearClick);
    connect(this, &TMainForm::FirstShown, clipListPart_, [this] { clipListPart_->SetBusy(false); });
    messages_.On(DeviceChangeMessage, [this](intptr_t wparam, intptr_t lparam) {
        clipListPart_->DeviceChanged(wparam, lparam);
    });
    volumes_.watch(Handle());
}

void TMainForm::CreateSettingsPanel()
{
    settings_ = new SettingsPanel({this, suiImageButton_Option, suiEdit_OutputFolder, &clips_, [] { return OptionForm; }});
    connect(clipListPart_, &ClipListComponent::DvdTitleFound, settings_->suiEdit_DVDName, &QLineEdit::setText);
    settings_->InitSettingsPanel();
}

void TMainForm::CreatePreviewPart()
{
    PreviewComponent::Controls controls;
    controls.window = this;
    controls.pane = {Panel_Preview, Image_Preview, Label_Info, Panel_Progress, suiImageButton_Snapshoot};
    controls.slider = {Panel_Progress, Image_ProgressBack, Image_Stretch, Image_Left, Image_Right};
    controls.times = {suiEdit_Start, suiEdit_Stop, suiEdit_OutputFolder, settings_->suiEdit_DVDName};
    previewPart_ = new PreviewComponent(clips_, Handle(), messages_, controls);
    clipListPart_->SetPreview(previewPart_->Pane());
}

void TMainForm::CreateConversionStart()
{
    ConversionStart::Links links;
    links.clips = &clips_;
    links.volumes = &volumes_;
    links.seekingLabel = Label_Info;
    links.preview = [this] { return clipListPart_->Preview(); };
    links.choices = [this] { return settings_->Choices(); };
    links.processForm = [] { return ProcessForm; };
    conversionStart_ = new ConversionStart(std::move(links), this);
    connect(suiImageButton_StartConvert, &TsuiImageButton::clicked, conversionStart_,
            &ConversionStart::suiImageButton_StartConvertClick);
}

void TMainForm::LoadCursors()
{
    const struct { int id; const char *file; } cursors[] = {{crDragWE, "DragWE.cur"}, {crPress, "Press.cur"}};
    for (const auto &entry : cursors)
        if (const auto cursor = loadCursorFile(path_PNG + QStringLiteral("Cursor/") + QLatin1String(entry.file),
                                               qGuiApp->devicePixelRatio()))
            installScreenCursor(entry.id, *cursor);
    Image_Left->setCursor(screenCursor(crDragWE));
    Image_Right->setCursor(screenCursor(crDragWE));
}

void TMainForm::RaiseOverlays(QWidget *addProgressPanel)
{
    if (addProgressPanel)
        addProgressPanel->raise();
    Panel_Intro->raise();
}

bool TMainForm::event(QEvent *event)
{
    if (messages_.Dispatch(event))
        return true;
    return QWidget::event(event);
}

void TMainForm::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (shownOnce_)
        return;
    shownOnce_ = true;
    suiEdit_OutputFolder->setText(g_s_OutputFolder);
    Label_Info->hide();
    Panel_Intro->show();
    emit FirstShown();
    repaint();
}

// Placed before it is mapped: moved once it is, a window manager puts it where it likes while Qt
// still takes it to be where it was, so drop-down lists and message boxes open away from it and
// the first drag by the skin jumps.
void TMainForm::setVisible(bool visible)
{
    if (visible && !shownOnce_)
        WindowSystem::centreOnScreen(*this);
    QWidget::setVisible(visible);
}

void TMainForm::suiImageButton_CloseClick()
{
    if (!Label_Info->isHidden()) {
        Prompts::Current().Information(QStringLiteral("Seeking file, please waiting."));
        return;
    }
    // A failed save has been reported; staying open lets the user retry instead of losing it.
    if (SaveOptions())
        close();
}

void TMainForm::suiImageButton_MinClick()
{
    showMinimized();
}

void TMainForm::suiImageButton_BrowseClick()
{
    const QString folder = Prompts::Current().ChooseFolder(QStringLiteral("Please select Output Folder:"),
                                                           FolderChooserStart(g_s_OutputFolder));
    if (folder.isEmpty())
        return;
    repaint();
    g_s_OutputFolder = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
    SaveOptions();
    suiEdit_OutputFolder->setText(g_s_OutputFolder);
}

void TMainForm::SetTrackLanguages(std::function<TrackLanguages()> languages)
{
    clipListPart_->SetTrackLanguages(std::move(languages));
}

bool TMainForm::SaveOptions()
{
    return !optionsSaver_ || optionsSaver_();
}

bool TMainForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Image) {
        switch (event->type()) {
        case QEvent::MouseButtonPress: ImageMouseDown(static_cast<QMouseEvent &>(*event)); return true;
        case QEvent::MouseMove: ImageMouseMove(static_cast<QMouseEvent &>(*event)); return true;
        case QEvent::MouseButtonRelease: ImageMouseUp(static_cast<QMouseEvent &>(*event)); return true;
        default: break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TMainForm::ImageMouseDown(const QMouseEvent &event)
{
    IntroDragging = event.button() == Qt::LeftButton;
    if (!IntroDragging)
        return;
    IntroDownCursor = event.globalPosition().toPoint();
    IntroDownLeft = x();
    IntroDownTop = y();
}

void TMainForm::ImageMouseMove(const QMouseEvent &event)
{
    if (!IntroDragging || !(event.buttons() & Qt::LeftButton))
        return;
    const QPoint cursor = event.globalPosition().toPoint();
    const QPoint target(IntroDownLeft + cursor.x() - IntroDownCursor.x(), IntroDownTop + cursor.y() - IntroDownCursor.y());
    if (target != pos())
        move(target);
}

void TMainForm::ImageMouseUp(const QMouseEvent &event)
{
    if (event.button() == Qt::LeftButton)
        IntroDragging = false;
}
