#include "TProcessForm.h"

#include "PictureBox.h"
#include "SkinFonts.h"
#include "SkinPictures.h"
#include "TsuiImageButton.h"
#include "TsuiSkinForm.h"
#include "core/AppGlobals.h"
#include "platform/FloatingPoint.h"
#include "skin/art/SkinLayout.h"
#include "skin/art/SkinPictureNames.h"

#include <QLabel>

namespace L = ProcessFormLayout;
namespace N = SkinPictureName;

namespace {

QLabel *label(QWidget *parent, const QString &text, const QRect &place, Qt::Alignment align = Qt::AlignLeft)
{
    auto *l = new QLabel(text, parent);
    l->setGeometry(place);
    l->setAlignment(align | Qt::AlignVCenter);
    return l;
}

QRect row(const QRect &column, int index)
{
    return column.translated(0, L::FirstRowTop + index * L::RowPitch);
}

TsuiImageButton *imageButton(QWidget *parent, const char *pictures, const QRect &place)
{
    auto *button = new TsuiImageButton(parent);
    applyButtonPictures(*button, QLatin1String(pictures));
    button->move(place.topLeft());
    return button;
}

} // namespace

TProcessForm::TProcessForm(QWidget *parent)
    : QWidget(parent, Qt::Window), messageTarget_(this)
{
    MaskFloatingPointExceptions();
    setWindowTitle(DisplayProductName);
    setWindowModality(Qt::ApplicationModal);
    setFont(tahomaPoints(8));
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, QColor(0xE8, 0xED, 0xF3));
    setPalette(colours);

    skin_ = new TsuiSkinForm(this);
    skin_->setGlyph(skinPicture(QLatin1String(N::ProcessForm)));
    CreateInfoRows();
    CreateProgress();
    CreateButtons();
    Timer_Info.setInterval(500);
}

void TProcessForm::CreateInfoRows()
{
    label(this, QStringLiteral("Current Clip :"), row(L::LeftCaption, 0));
    Label_TitleName = label(this, {}, row(L::WideValue, 0));
    label(this, QStringLiteral("Destination Name :"), row(L::LeftCaption, 1));
    Label_DesName = label(this, {}, row(L::WideValue, 1));
    label(this, QStringLiteral("Start Time :"), row(L::LeftCaption, 2));
    Label_StartTime = label(this, QStringLiteral("00:00:00"), row(L::LeftValue, 2));
    label(this, QStringLiteral("Stop Time :"), row(L::RightCaption, 2));
    Label_StopTime = label(this, QStringLiteral("00:00:00"), row(L::RightValue, 2));
    label(this, QStringLiteral("Duration :"), row(L::LeftCaption, 3));
    Label_Length = label(this, QStringLiteral("00:00:00"), row(L::LeftValue, 3));
    label(this, QStringLiteral("Current Time :"), row(L::RightCaption, 3));
    Label_CurrentTime = label(this, QStringLiteral("00:00:00"), row(L::RightValue, 3));
    label(this, QStringLiteral("FPS :"), row(L::LeftCaption, 4));
    Label_FPS = label(this, QStringLiteral("0"), row(L::LeftValue, 4));
    label(this, QStringLiteral("Current Frame :"), row(L::RightCaption, 4));
    Label_CurrentFrame = label(this, QStringLiteral("0"), row(L::RightValue, 4));
}

void TProcessForm::CreateProgress()
{
    Panel_Progress = new QWidget(this);
    Panel_Progress->setGeometry(QRect(L::Panel_Progress.topLeft(), QSize(0, L::Panel_Progress.height())));
    Image_Progress = new PictureBox(skinPicture(QLatin1String(N::Progress)), Panel_Progress);
    Image_Progress->setStretch(true);
    Image_Progress->setGeometry(0, 0, L::Panel_Progress.width(), L::Panel_Progress.height());
    Label_Percent = label(this, QStringLiteral("0"), L::Label_Percent, Qt::AlignRight);
    label(this, QStringLiteral("%"), L::PercentSign);
    Label_CopyFile = label(this, {}, L::Label_CopyFile);
}

void TProcessForm::CreateButtons()
{
    suiImageButton_StopConvert = imageButton(this, N::StopConvert, L::StopConvert);
    suiImageButton_Copy = imageButton(this, N::Copy, L::Copy);
    suiImageButton_Copy->setToolTip(QStringLiteral("Upload to PSP"));
    suiImageButton_Copy->setEnabled(false);
    suiImageButton_Close = imageButton(this, N::ProcessClose, L::Close);
}

bool TProcessForm::event(QEvent *event)
{
    if (messages_.Dispatch(event))
        return true;
    return QWidget::event(event);
}
