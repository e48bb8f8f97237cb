#include "skin/inputs/TsuiEdit.h"

#include "skin/inputs/FieldBorder.h"

#include <QFocusEvent>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

namespace {
constexpr int kBorderArea = 2;
constexpr int kLineEditMargin = 2;  // QLineEdit's own room on each side of its text

// Focus moving to another window or a popup leaves the field where it is.
bool leavesField(Qt::FocusReason reason)
{
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}
}

TsuiEdit::TsuiEdit(QWidget *parent)
    : QLineEdit(parent)
{
    setFrame(false);
    setTextMargins(kBorderArea, kBorderArea, kBorderArea, kBorderArea);
    setUIStyle(UIStyle::BlueGlass);
    connect(this, &QLineEdit::textChanged, this, &TsuiEdit::OnChange);
}

void TsuiEdit::setUIStyle(UIStyle style)
{
    uiStyle_ = style;
    setBorderColor(uiStyleColors(style).border);
}

void TsuiEdit::setBorderColor(const QColor &color)
{
    borderColor_ = color;
    update();
}

QColor TsuiEdit::color() const
{
    return palette().color(QPalette::Base);
}

void TsuiEdit::setColor(const QColor &color)
{
    QPalette colors = palette();
    colors.setColor(QPalette::Base, color);
    setPalette(colors);
    update();
}

void TsuiEdit::setRightReserve(int pixels)
{
    setTextMargins(kBorderArea, kBorderArea, kBorderArea + pixels, kBorderArea);
}

QRect TsuiEdit::shownTextArea() const
{
    const QMargins margins = textMargins();
    return rect().adjusted(margins.left() + kLineEditMargin, margins.top(), -margins.right() - kLineEditMargin,
                           -margins.bottom());
}

QString TsuiEdit::shownText() const
{
    if (!isReadOnly() || hasFocus())
        return text();
    return fontMetrics().elidedText(text(), Qt::ElideMiddle, shownTextArea().width());
}

bool TsuiEdit::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip && toolTip().isEmpty()) {
        if (shownText() != text())
            QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(), text(), this);
        else
            QToolTip::hideText();
        return true;
    }
    return QLineEdit::event(event);
}

void TsuiEdit::paintEvent(QPaintEvent *event)
{
    {
        QPainter background(this);
        background.fillRect(rect(), color());
    }
    const QString shown = shownText();
    if (shown == text()) {
        QLineEdit::paintEvent(event);
    } else {
        QPainter painter(this);
        painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Text));
        painter.drawText(shownTextArea(), Qt::AlignLeft | Qt::AlignVCenter, shown);
    }
    QPainter painter(this);
    paintFieldBorder(painter, rect(), borderColor_, color());
}

void TsuiEdit::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    if (!entered_) {
        entered_ = true;
        fieldEntered();
    }
}

void TsuiEdit::focusOutEvent(QFocusEvent *event)
{
    const bool leaving = entered_ && leavesField(event->reason());
    if (leaving && !fieldLeaving())
        return;
    QLineEdit::focusOutEvent(event);
    if (leaving) {
        entered_ = false;
        emit OnExit();
    }
}
