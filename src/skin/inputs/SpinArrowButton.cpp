#include "skin/inputs/SpinArrowButton.h"

#include "skin/art/SkinPalette.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>

SpinArrowButton::SpinArrowButton(Direction direction, QWidget *parent)
    : QWidget(parent)
    , direction_(direction)
    , holdTimer_(new QTimer(this))
{
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::ArrowCursor);
    holdTimer_->setObjectName(QStringLiteral("holdTimer"));
    holdTimer_->setInterval(kHoldInterval);
    connect(holdTimer_, &QTimer::timeout, this, &SpinArrowButton::stepRequested);
}

void SpinArrowButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    pressed_ = true;
    holdTimer_->start();
    update();
    emit pressStarted();
}

void SpinArrowButton::mouseMoveEvent(QMouseEvent *event)
{
    if (pressed_ && !rect().contains(event->position().toPoint()))
        release();
}

void SpinArrowButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const bool click = pressed_ && rect().contains(event->position().toPoint());
    release();
    if (click)
        emit stepRequested();
}

void SpinArrowButton::leaveEvent(QEvent *)
{
    release();
}

void SpinArrowButton::release()
{
    holdTimer_->stop();
    if (pressed_) {
        pressed_ = false;
        update();
    }
}

void SpinArrowButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect face = rect().adjusted(0, 0, -1, -1);
    QLinearGradient fill(0, 0, 0, height());
    using namespace SkinPalette;
    fill.setColorAt(0, QColor::fromRgb(pressed_ ? SpinPressedTop : SpinFaceTop));
    fill.setColorAt(1, QColor::fromRgb(pressed_ ? SpinPressedBottom : SpinFaceBottom));
    painter.fillRect(face, fill);
    painter.setPen(QColor::fromRgb(SpinEdge));
    painter.drawRect(face);

    const QColor arrow = QColor::fromRgb(isEnabled() ? SpinArrow : DisabledArrow);
    painter.setPen(arrow);
    painter.setBrush(arrow);
    const int x = width() / 2 - 2 + (pressed_ ? 1 : 0);
    const int y = (height() - 3) / 2 + (pressed_ ? 1 : 0);
    const QPolygon triangle = direction_ == Direction::Up
        ? QPolygon({QPoint(x + 2, y), QPoint(x, y + 2), QPoint(x + 4, y + 2)})
        : QPolygon({QPoint(x, y), QPoint(x + 4, y), QPoint(x + 2, y + 2)});
    painter.drawPolygon(triangle);
}
