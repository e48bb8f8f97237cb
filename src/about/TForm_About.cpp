#include "about/TForm_About.h"

#include "core/AppGlobals.h"
#include "skin/ImageButtons.h"
#include "skin/SkinFonts.h"
#include "skin/SkinPictures.h"
#include "skin/TsuiImageButton.h"
#include "skin/TsuiSkinForm.h"
#include "skin/WindowSystem.h"
#include "skin/art/SkinLayout.h"
#include "skin/art/SkinPalette.h"
#include "skin/art/SkinPictureNames.h"

#include <QLabel>
#include <QShowEvent>

namespace L = AboutFormLayout;
namespace N = SkinPictureName;

TForm_About::TForm_About(QWidget *owner)
    : QDialog(owner, Qt::Dialog | Qt::FramelessWindowHint)
{
    setModal(true);
    setWindowTitle(QStringLiteral("About"));
    skin_ = new TsuiSkinForm(this);
    skin_->setGlyph(skinPicture(QLatin1String(N::AboutForm)));

    Label_Version = new QLabel(this);
    Label_Version->setGeometry(L::Label_Version);
    Label_Version->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label_Version->setFont(tahomaPixels(11));
    QPalette colours = Label_Version->palette();
    colours.setColor(QPalette::WindowText, QColor::fromRgb(SkinPalette::TextDim));
    Label_Version->setPalette(colours);

    suiButton2 = newImageButton(this, N::AboutClose, L::suiButton2);
    connect(suiButton2, &TsuiImageButton::clicked, this, &TForm_About::suiButton2Click);
}

void TForm_About::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TForm_About::FormShow()
{
    Label_Version->setText(g_s_Version);
}

void TForm_About::setVisible(bool visible)
{
    if (visible && !isVisible())
        WindowSystem::centreOnScreen(*this);
    QDialog::setVisible(visible);
}

void TForm_About::suiButton2Click()
{
    close();
}
