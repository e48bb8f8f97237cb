#include "TsuiImageButton.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

QImage withoutKeyColour(const QImage &picture)
{
    if (picture.isNull())
        return picture;
    QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = image.pixel(0, 0) & RGB_MASK;
    for (int y = 0; y < image.height(); ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if ((line[x] & RGB_MASK) == key)
                line[x] = 0;
    }
    return image;
}

bool isActivationKey(int key)
{
    return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

TsuiImageButton::TsuiImageButton(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    holdTimer_.setInterval(100);
    connect(&holdTimer_, &QTimer::timeout, this, &TsuiImageButton::mouseContinuouslyDown);
}

void TsuiImageButton::setPicNormal(const SkinPicture &picture) { setPicture(Normal, picture); }
void TsuiImageButton::setPicMouseOn(const SkinPicture &picture) { setPicture(MouseOn, picture); }
void TsuiImageButton::setPicMouseDown(const SkinPicture &picture) { setPicture(MouseDown, picture); }
void TsuiImageButton::setPicDisabled(const SkinPicture &picture) { setPicture(Disabled, picture); }

void TsuiImageButton::setPicture(Slot slot, const SkinPicture &picture)
{
    pictures_[slot] = picture;
    keyed_[slot] = picture.mapped(withoutKeyColour);
    if (!pictures_[Normal].isNull())
        resize(pictures_[Normal].size());
    update();
}

void TsuiImageButton::setTransparent(bool on)
{
    transparent_ = on;
    setAttribute(Qt::WA_OpaquePaintEvent, !on);
    update();
}

void TsuiImageButton::setMouseContinuouslyDownInterval(int milliseconds)
{
    holdTimer_.setInterval(milliseconds);
}

const SkinPicture &TsuiImageButton::currentPicture() const
{
    Slot slot = Normal;
    if (!isEnabled())
        slot = Disabled;
    else if (pressed_)
        slot = MouseDown;
    else if (hovered_)
        slot = MouseOn;
    const SkinPicture *source = transparent_ ? keyed_ : pictures_;
    return source[slot].isNull() ? source[Normal] : source[slot];
}

void TsuiImageButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (!transparent_)
        painter.fillRect(rect(), palette().button());
    const SkinPicture &picture = currentPicture();
    if (!picture.isNull())
        picture.draw(painter, QPoint(0, 0));
    // Once the keyboard moves the focus in this window, the button that has it says so (Space
    // and Enter would otherwise press a button nobody sees): a dotted frame that inverts what it
    // crosses, so it shows on every picture.
    if (hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        painter.setPen(QPen(Qt::white, 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(1, 1, -2, -2));
    }
}

void TsuiImageButton::enterEvent(QEnterEvent *)
{
    hovered_ = true;
    update();
    emit mouseEnter();
}

void TsuiImageButton::leaveEvent(QEvent *)
{
    hovered_ = false;
    pressed_ = false;
    holdTimer_.stop();
    update();
    emit mouseExit();
}

void TsuiImageButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        pressed_ = true;
        mouseHeld_ = true;
        holdTimer_.start();
        if ((focusPolicy() & Qt::TabFocus) && isEnabled() && isVisible())
            setFocus(Qt::MouseFocusReason);
        update();
    }
    emit mouseDown(event);
}

void TsuiImageButton::mouseDoubleClickEvent(QMouseEvent *event)
{
    // A quick second click is just another click.
    mousePressEvent(event);
}

void TsuiImageButton::mouseMoveEvent(QMouseEvent *event)
{
    emit mouseMove(event);
    if (!rect().contains(event->position().toPoint()) && (hovered_ || pressed_)) {
        hovered_ = false;
        pressed_ = false;
        holdTimer_.stop();
        update();
    }
}

void TsuiImageButton::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = event->button() == Qt::LeftButton && mouseHeld_
                       && rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton) {
        mouseHeld_ = false;
        release();
    }
    emit mouseUp(event);
    if (click)
        emit clicked();
}

void TsuiImageButton::release()
{
    holdTimer_.stop();
    if (pressed_) {
        pressed_ = false;
        update();
    }
}

void TsuiImageButton::keyPressEvent(QKeyEvent *event)
{
    if (!isActivationKey(event->key())) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (!event->isAutoRepeat() && isEnabled()) {
        keyHeld_ = true;
        pressed_ = true;
        update();
    }
}

void TsuiImageButton::keyReleaseEvent(QKeyEvent *event)
{
    if (!isActivationKey(event->key())) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    if (event->isAutoRepeat() || !keyHeld_)
        return;
    keyHeld_ = false;
    release();
    emit clicked();
}

void TsuiImageButton::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::EnabledChange) {
        if (!isEnabled()) {
            mouseHeld_ = false;
            keyHeld_ = false;
            release();
        }
        update();
    }
    QWidget::changeEvent(event);
}

void TsuiImageButton::focusInEvent(QFocusEvent *event)
{
    update();
    QWidget::focusInEvent(event);
}

void TsuiImageButton::focusOutEvent(QFocusEvent *event)
{
    // A key press is not completed by a release that happens after the focus moved on.
    keyHeld_ = false;
    if (!mouseHeld_)
        release();
    QWidget::focusOutEvent(event);
}
