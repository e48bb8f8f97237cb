#include "mainform/cliplist/AddProgressPanel.h"

#include "skin/PictureBox.h"
#include "skin/SkinFonts.h"
#include "skin/SkinLabels.h"
#include "skin/SkinPictures.h"
#include "skin/art/SkinLayout.h"
#include "skin/art/SkinPictureNames.h"

#include <QLabel>

namespace L = MainFormLayout;
namespace N = SkinPictureName;

namespace {
QLabel *caption(const QString &name, const QString &text, const QRect &place, QWidget *parent)
{
    QLabel *label = newLabel(parent, text, place);
    label->setObjectName(name);
    QFont font = tahomaPixels(11);
    font.setBold(true);
    label->setFont(font);
    return label;
}
}

AddProgressPanel::AddProgressPanel(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Panel_AddProgress"));
    resize(L::Panel_AddProgress.size());
    auto *background = new PictureBox(skinPicture(QLatin1String(N::AddProgress)), this);
    background->setObjectName(QStringLiteral("Image1"));
    caption(QStringLiteral("Label22"), QStringLiteral("Adding clips, please wait..."), L::AddProgressCaption, this);
    auto *bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("Panel_Progress1"));
    bar->setGeometry(L::Panel_Progress1);
    fill_ = new PictureBox(skinPicture(QLatin1String(N::Progress)), bar);
    fill_->setObjectName(QStringLiteral("Image_Progress"));
    fill_->setStretch(true);
    fill_->setGeometry(0, 0, 0, L::Panel_Progress1.height());
    percent_ = caption(QStringLiteral("Label_Percent"), QStringLiteral("0"), L::AddProgressPercent, this);
    percent_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    caption(QStringLiteral("Label18"), QStringLiteral("%"), L::AddProgressPercentSign, this);
    hide();
}

void AddProgressPanel::ShowAddProgress(int done, int total)
{
    if (total > 0) {
        fill_->resize(done * L::ProgressTravel / total, fill_->height());
        percent_->setText(QString::number(done * 100 / total));
    } else {
        fill_->resize(0, fill_->height());
        percent_->setText(QStringLiteral("0"));
    }
}

int AddProgressPanel::percent() const
{
    return percent_->text().toInt();
}

int AddProgressPanel::barFill() const
{
    return fill_->width();
}
