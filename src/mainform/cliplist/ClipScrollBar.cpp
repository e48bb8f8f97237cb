#include "ClipScrollBar.h"

#include "ClipListPictures.h"

#include <QLabel>
#include <QMouseEvent>

namespace {
int Clamp(int v, int lo, int hi)
{
    if (hi < lo || v < lo)
        return lo;
    return v > hi ? hi : v;
}
}

ClipScrollBar::ClipScrollBar(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Panel_Bar"));
    resize(Width, Height);
    track_ = new QLabel(this);
    track_->setObjectName(QStringLiteral("Image_BarBack"));
    track_->setGeometry(0, 0, 19, 146);
    track_->setPixmap(QPixmap::fromImage(ScrollTrackPicture()));
    thumb_ = new QLabel(this);
    thumb_->setObjectName(QStringLiteral("Image_Bar"));
    thumb_->setGeometry(ThumbMin, ThumbMin, 17, 20);
    thumb_->setPixmap(QPixmap::fromImage(ScrollThumbPicture()));
    thumb_->installEventFilter(this);
}

int ClipScrollBar::ThumbTop() const
{
    return thumb_->y();
}

void ClipScrollBar::SetThumbTop(int top)
{
    thumb_->move(thumb_->x(), Clamp(top, ThumbMin, ThumbMax));
}

bool ClipScrollBar::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != thumb_)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        dragging_ = mouse->button() == Qt::LeftButton;
        downCursor_ = mouse->globalPosition().toPoint();
        downTop_ = thumb_->y();
        return true;
    }
    case QEvent::MouseMove: {
        if (!dragging_)
            return true;
        auto *mouse = static_cast<QMouseEvent *>(event);
        SetThumbTop(downTop_ + mouse->globalPosition().toPoint().y() - downCursor_.y());
        emit ThumbMoved();
        return true;
    }
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            dragging_ = false;
        return true;
    default:
        return false;
    }
}

void ClipScrollBar::mousePressEvent(QMouseEvent *event)
{
    event->accept();
}

void ClipScrollBar::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
}
