#include "skin/inputs/TsuiComboBox.h"

#include "skin/art/SkinPalette.h"
#include "skin/inputs/ComboButtonGeometry.h"
#include "skin/inputs/FieldBorder.h"
#include "skin/inputs/StylePictures.h"

#include <QAbstractItemView>
#include <QPaintEvent>
#include <QPainter>

namespace {
constexpr int kTextIndent = 4;
const QColor kDisabledArrow = QColor::fromRgb(SkinPalette::DisabledArrow);
}

TsuiComboBox::TsuiComboBox(QWidget *parent)
    : QComboBox(parent)
{
    setEditable(false);
    setUIStyle(UIStyle::BlueGlass);
    connect(this, &QComboBox::activated, this, &TsuiComboBox::OnChange);
}

void TsuiComboBox::setUIStyle(UIStyle style)
{
    uiStyle_ = style;
    const UIStyleColors colors = uiStyleColors(style);
    borderColor_ = colors.border;
    buttonColor_ = colors.button;
    arrowColor_ = colors.arrow;
    update();
}

void TsuiComboBox::setBorderColor(const QColor &color)
{
    borderColor_ = color;
    update();
}

void TsuiComboBox::setArrowColor(const QColor &color)
{
    arrowColor_ = color;
    update();
}

void TsuiComboBox::setButtonColor(const QColor &color)
{
    buttonColor_ = color;
    update();
}

QColor TsuiComboBox::color() const
{
    return palette().color(QPalette::Base);
}

void TsuiComboBox::setColor(const QColor &color)
{
    QPalette colors = palette();
    colors.setColor(QPalette::Base, color);
    setPalette(colors);
    view()->setPalette(colors);
    update();
}

void TsuiComboBox::showPopup()
{
    QWidget *popup = view()->window();
    if (popup != framedPopup_) {
        popup->installEventFilter(this);
        framedPopup_ = popup;
    }
    QComboBox::showPopup();
}

void TsuiComboBox::hidePopup()
{
    QComboBox::hidePopup();
    if (parentWidget())
        parentWidget()->update();
}

bool TsuiComboBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != framedPopup_ || event->type() != QEvent::Paint)
        return QComboBox::eventFilter(watched, event);
    // Let the list window paint itself first, then frame it.
    watched->event(event);
    QPainter painter(framedPopup_);
    painter.setPen(borderColor_);
    painter.drawRect(framedPopup_->rect().adjusted(0, 0, -1, -1));
    return true;
}

void TsuiComboBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), color());

    const QRect button = comboButtonRect(size());
    const QRect textArea(3, 3, button.left() - 4, height() - 6);
    QColor textColor = palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Text);
    if (hasFocus() && !view()->isVisible()) {
        painter.fillRect(textArea, palette().color(QPalette::Highlight));
        textColor = palette().color(QPalette::HighlightedText);
    }
    painter.setPen(textColor);
    const QRect textRect = textArea.adjusted(kTextIndent - 3, 0, -1, 0);
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter,
                     fontMetrics().elidedText(currentText(), Qt::ElideRight, textRect.width()));

    paintFieldBorder(painter, rect(), borderColor_, color());
    paintButton(painter, button);
}

void TsuiComboBox::paintButton(QPainter &painter, const QRect &button) const
{
    if (uiStyle_ == UIStyle::WinXP) {
        comboXPButtonPicture().draw(painter, button);
        return;
    }
    painter.fillRect(button, buttonColor_);
    painter.setPen(borderColor_);
    painter.drawLine(comboButtonEdge(button));
    paintArrow(painter, button);
}

void TsuiComboBox::paintArrow(QPainter &painter, const QRect &button) const
{
    const QPoint origin = comboArrowOrigin(button);
    auto triangle = [&painter](QPoint at, const QColor &color) {
        painter.setPen(color);
        painter.setBrush(color);
        painter.drawPolygon(comboArrow(at));
    };
    if (isEnabled()) {
        triangle(origin, arrowColor_);
    } else {
        triangle(origin + QPoint(1, 1), QColor::fromRgb(SkinPalette::DisabledArrowShadow));
        triangle(origin, kDisabledArrow);
    }
}
