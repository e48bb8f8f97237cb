#include "ClipRow.h"

#include "ScreenCursors.h"
#include "TLabelInfo.h"
#include "core/TVideoInfo.h"

#include <QMouseEvent>

namespace {
const QColor TextOnSkin(0xDC, 0xE1, 0xE8);
const QColor TextOnHighlight(0x10, 0x12, 0x16);
}

ClipRow::ClipRow(TVideoInfo *clip, const QImage &ticked, const QImage &unticked, QWidget *parent)
    : TsuiImagePanel(parent), clip_(clip), ticked_(ticked), unticked_(unticked)
{
    setObjectName(QStringLiteral("ClipRow"));
    resize(Width, Height);
    tickImage_ = new QLabel(this);
    tickImage_->setObjectName(QStringLiteral("TickImage"));
    tickImage_->setGeometry(1, 1, 15, 15);
    tickImage_->setCursor(screenCursor(crPress));
    // A label takes no press of its own: a press on the tick is a press on the row.
    connect(clip, &TVideoInfo::Changed, this, &ClipRow::FollowClip);
    FollowClip();
}

void ClipRow::Detach()
{
    if (clip_)
        disconnect(clip_, nullptr, this, nullptr);
    clip_ = nullptr;
}

void ClipRow::EnsureTickCell()
{
    if (!tickCell_) {
        tickCell_ = new TLabelInfo(1, 20, this);
        tickCell_->setObjectName(QStringLiteral("TickCell"));
        tickCell_->show();
    }
    tickImage_->raise();
}

TLabelInfo *ClipRow::Label(const char *name) const
{
    return findChild<TLabelInfo *>(QLatin1StringView(name), Qt::FindDirectChildrenOnly);
}

void ClipRow::ShowText(const char *name, int left, int width, const QString &text)
{
    if (text.isNull())
        return;
    TLabelInfo *label = Label(name);
    if (!label) {
        label = new TLabelInfo(left, width, this);
        label->setObjectName(QLatin1StringView(name));
        label->show();
        tickImage_->raise();
    }
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, IsHighlighted() ? TextOnHighlight : TextOnSkin);
    label->setPalette(palette);
    if (label->text() != text)
        label->setText(text);
}

void ClipRow::FollowClip()
{
    if (!clip_)
        return;
    if (clip_->Selected() == transparent())
        setTransparent(!clip_->Selected());
    // Order of first appearance decides stacking: a later label lies above an earlier one.
    ShowText("NameLabel", 0, 120, clip_->ClipName());
    ShowText("LengthLabel", 128, Width, clip_->LengthText());
    ShowText("StartLabel", 358, Width, clip_->StartText());
    ShowText("EndLabel", 406, Width, clip_->EndText());
    ShowText("SizeLabel", 248, Width, clip_->SizeText());
    ShowText("AudioLabel", 228, Width, clip_->AudioText());
    ShowText("SubtitleLabel", 314, Width, clip_->SubtitleText());
    ShowText("OutputLabel", 456, Width, clip_->OutputName().isEmpty() ? QString() : clip_->OutputName());
    tickImage_->setPixmap(QPixmap::fromImage(clip_->Ticked() ? ticked_ : unticked_));
    const QString info = clip_->InfoText();
    if (toolTip() != info)
        setToolTip(info);
}

void ClipRow::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    emit Pressed(this);
}

void ClipRow::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    emit Released(this, event->button(), event->globalPosition().toPoint());
}
