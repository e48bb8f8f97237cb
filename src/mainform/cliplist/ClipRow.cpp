#include "mainform/cliplist/ClipRow.h"

#include "core/TVideoInfo.h"
#include "core/streams/ClipStreams.h"
#include "mainform/cliplist/TLabelInfo.h"
#include "skin/PictureBox.h"
#include "skin/ScreenCursors.h"
#include "skin/art/SkinLayout.h"
#include "skin/art/SkinPalette.h"

#include <QMouseEvent>

namespace L = MainFormLayout;

ClipRow::ClipRow(TVideoInfo *clip, const SkinPicture &ticked, const SkinPicture &unticked, QWidget *parent)
    : TsuiImagePanel(parent), clip_(clip), ticked_(ticked), unticked_(unticked)
{
    setObjectName(QStringLiteral("ClipRow"));
    resize(L::Row);
    tickImage_ = new PictureBox(unticked, this);
    tickImage_->setObjectName(QStringLiteral("TickImage"));
    tickImage_->setGeometry(L::TickImage);
    tickImage_->setCursor(screenCursor(crPress));
    // A picture takes no press of its own: a press on the tick is a press on the row.
    connect(clip, &TVideoInfo::Changed, this, &ClipRow::followClip);
    followClip();
}

void ClipRow::detach()
{
    if (clip_)
        disconnect(clip_, nullptr, this, nullptr);
    clip_ = nullptr;
}

void ClipRow::EnsureTickCell()
{
    if (!tickCell_) {
        tickCell_ = new TLabelInfo(L::TickCell, this);
        tickCell_->setObjectName(QStringLiteral("TickCell"));
        tickCell_->show();
    }
    tickImage_->raise();
}

TLabelInfo *ClipRow::label(const char *name) const
{
    return findChild<TLabelInfo *>(QLatin1StringView(name), Qt::FindDirectChildrenOnly);
}

void ClipRow::showText(const char *name, const QRect &place, const QString &text)
{
    if (text.isNull())
        return;
    TLabelInfo *shown = label(name);
    if (!shown) {
        shown = new TLabelInfo(place, this);
        shown->setObjectName(QLatin1StringView(name));
        shown->show();
        tickImage_->raise();
    }
    QPalette palette = shown->palette();
    palette.setColor(QPalette::WindowText,
                     QColor::fromRgb(isHighlighted() ? SkinPalette::TextOnSelectedRow : SkinPalette::Text));
    shown->setPalette(palette);
    if (shown->text() != text)
        shown->setText(text);
}

void ClipRow::followClip()
{
    if (!clip_)
        return;
    if (clip_->Selected() == transparent())
        setTransparent(!clip_->Selected());
    // Order of first appearance decides stacking: a later label lies above an earlier one.
    showText("NameLabel", L::NameLabel, clip_->ClipName());
    showText("LengthLabel", L::LengthLabel, clip_->LengthText());
    showText("StartLabel", L::StartLabel, clip_->StartText());
    showText("EndLabel", L::EndLabel, clip_->EndText());
    showText("SizeLabel", L::SizeLabel, clip_->SizeText());
    showText("OutputLabel", L::OutputLabel, clip_->OutputName().isEmpty() ? QString() : clip_->OutputName());
    tickImage_->setPicture(clip_->Ticked() ? ticked_ : unticked_);
    // The whole clip name lives here, its label shows as much of it as fits; and the chosen
    // sound and subtitles, which the row has no column for.
    const QString info = clip_->InfoText().isNull() ? QString() : clip_->InfoText() + ChosenTracksText(*clip_);
    if (toolTip() != info)
        setToolTip(info);
}

void ClipRow::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    emit pressed(this);
}

void ClipRow::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    emit released(this, event->button(), event->globalPosition().toPoint());
}
