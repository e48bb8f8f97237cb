#include "TsuiTrackBar.h"

#include "StylePictures.h"
#include "TrackBarGeometry.h"
#include "TrackBarThumb.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QTransform>
#include <algorithm>

namespace {
constexpr int kDefaultLength = 150;
const QColor kFocusColor(180, 188, 200);

SkinPicture turned(const SkinPicture &picture)
{
    return picture.mapped([](const QImage &image) { return image.transformed(QTransform().rotate(90)); });
}
}

TsuiTrackBar::TsuiTrackBar(QWidget *parent)
    : QWidget(parent)
    , color_(palette().color(QPalette::Window))
    , thumb_(new TrackBarThumb(this))
    , repeatTimer_(new QTimer(this))
{
    setFocusPolicy(Qt::StrongFocus);
    repeatTimer_->setObjectName(QStringLiteral("repeatTimer"));
    repeatTimer_->setInterval(kRepeatInterval);
    connect(repeatTimer_, &QTimer::timeout, this, &TsuiTrackBar::repeatTick);
    resize(kDefaultLength, height());
    setUIStyle(UIStyle::BlueGlass);
}

void TsuiTrackBar::setUIStyle(UIStyle style)
{
    uiStyle_ = style;
    barImage_ = trackBarBarPicture(style);
    const SkinPicture slider = trackBarThumbPicture(style);
    setSliderImage(horizontal() ? slider : turned(slider));
}

void TsuiTrackBar::setOrientation(TsuiOrientation orientation)
{
    if (orientation == orientation_)
        return;
    orientation_ = orientation;
    resize(height(), width());
    setUIStyle(uiStyle_);
}

void TsuiTrackBar::setMin(int value)
{
    min_ = std::min(value, max_);
    applyPosition(position_);
}

void TsuiTrackBar::setMax(int value)
{
    max_ = std::max(value, min_);
    pageSize_ = trackClamp(pageSize_, 0, std::max(max_, 0));
    lineSize_ = trackClamp(lineSize_, 0, std::max(max_, 0));
    applyPosition(position_);
}

void TsuiTrackBar::setPosition(int value)
{
    applyPosition(value);
}

void TsuiTrackBar::setPageSize(int value)
{
    pageSize_ = trackClamp(value, 0, std::max(max_, 0));
}

void TsuiTrackBar::setLineSize(int value)
{
    lineSize_ = trackClamp(value, 0, std::max(max_, 0));
}

void TsuiTrackBar::setShowTick(bool show)
{
    showTick_ = show;
    update();
}

void TsuiTrackBar::setFrequency(int value)
{
    frequency_ = std::max(value, 1);
    update();
}

void TsuiTrackBar::setTransparent(bool transparent)
{
    transparent_ = transparent;
    update();
}

void TsuiTrackBar::setColor(const QColor &color)
{
    color_ = color;
    update();
}

void TsuiTrackBar::setBarImage(const SkinPicture &image)
{
    barImage_ = image;
    fitSize();
    update();
}

const SkinPicture &TsuiTrackBar::sliderImage() const
{
    return thumb_->picture();
}

void TsuiTrackBar::setSliderImage(const SkinPicture &image)
{
    thumb_->setPicture(image);
    fitSize();
    placeThumb();
}

QRect TsuiTrackBar::thumbRect() const
{
    return thumb_->geometry();
}

int TsuiTrackBar::thumbLength() const
{
    return horizontal() ? thumb_->width() : thumb_->height();
}

int TsuiTrackBar::positionAt(QPoint p) const
{
    return trackPositionAt(along(p), min_, max_, length(), thumbLength());
}

void TsuiTrackBar::applyPosition(int value)
{
    position_ = trackClamp(value, min_, max_);
    placeThumb();
    if (position_ != lastReported_) {
        lastReported_ = position_;
        emit OnChange(position_);
    }
}

void TsuiTrackBar::placeThumb()
{
    const int offset = trackThumbOffset(position_, min_, max_, length(), thumbLength());
    if (horizontal())
        thumb_->move(offset, trackThumbCross(height(), thumb_->height()));
    else
        thumb_->move(trackThumbCross(width(), thumb_->width()), offset);
}

void TsuiTrackBar::fitSize()
{
    const QSize bar = horizontal() ? barImage_.size() : turned(barImage_).size();
    if (horizontal())
        resize(width(), std::max(bar.height(), thumb_->height()));
    else
        resize(std::max(bar.width(), thumb_->width()), height());
    placeThumb();  // a hidden control gets its resize event only when shown
}

void TsuiTrackBar::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    placeThumb();
}

void TsuiTrackBar::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_PageUp:
        applyPosition(position_ - pageSize_);
        break;
    case Qt::Key_PageDown:
        applyPosition(position_ + pageSize_);
        break;
    case Qt::Key_End:
        applyPosition(max_);
        break;
    case Qt::Key_Home:
        applyPosition(min_);
        break;
    case Qt::Key_Left:
    case Qt::Key_Up:
        applyPosition(position_ - lineSize_);
        break;
    case Qt::Key_Right:
    case Qt::Key_Down:
        applyPosition(position_ + lineSize_);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void TsuiTrackBar::mousePressEvent(QMouseEvent *event)
{
    pointer_ = event->position().toPoint();
    if (thumbRect().contains(pointer_)) {
        dragging_ = true;
        setFocus(Qt::MouseFocusReason);
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    applyPosition(trackStepToward(position_, pageSize_, along(pointer_), along(thumbRect().topLeft()),
                                  positionAt(pointer_)));
    if (!repeatTimer_->isActive())
        repeatTimer_->start();
    setFocus(Qt::MouseFocusReason);
}

void TsuiTrackBar::repeatTick()
{
    const int step = horizontal() ? 3 * pageSize_ : pageSize_;
    applyPosition(trackStepToward(position_, step, along(pointer_), along(thumbRect().topLeft()),
                                  positionAt(pointer_)));
}

void TsuiTrackBar::mouseMoveEvent(QMouseEvent *event)
{
    pointer_ = event->position().toPoint();
    if (dragging_)
        applyPosition(positionAt(pointer_));
    else if (!rect().contains(pointer_))
        repeatTimer_->stop();
}

void TsuiTrackBar::mouseReleaseEvent(QMouseEvent *)
{
    dragging_ = false;
    repeatTimer_->stop();
}

void TsuiTrackBar::leaveEvent(QEvent *)
{
    if (!dragging_)
        repeatTimer_->stop();
}

void TsuiTrackBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (!transparent_)
        painter.fillRect(rect(), color_);
    if (horizontal()) {
        barImage_.draw(painter, QRect(0, (height() - barImage_.height()) / 2, width(), barImage_.height()));
    } else {
        const SkinPicture bar = turned(barImage_);
        bar.draw(painter, QRect((width() - bar.width()) / 2, 0, bar.width(), height()));
    }
    if (hasFocus() && (focusPolicy() & Qt::TabFocus)) {
        painter.setPen(QPen(kFocusColor, 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    if (showTick_)
        paintTicks(painter);
}

void TsuiTrackBar::paintTicks(QPainter &painter) const
{
    painter.setPen(palette().color(QPalette::WindowText));
    const int across = horizontal() ? height() : width();
    for (qint64 value = min_; value <= max_; value += frequency_) {
        const int at = trackThumbOffset(int(value), min_, max_, length(), thumbLength()) + thumbLength() / 2;
        if (horizontal())
            painter.drawLine(at, across - 3, at, across - 1);
        else
            painter.drawLine(across - 3, at, across - 1, at);
    }
}
