#include "mainform/cliplist/ClipScrollBar.h"

#include "skin/PictureBox.h"
#include "skin/SkinPictures.h"
#include "skin/art/SkinPictureNames.h"

#include <QMouseEvent>

namespace {
int clamp(int v, int lo, int hi)
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
    namespace L = MainFormLayout;
    namespace N = SkinPictureName;
    resize(L::Panel_Bar.size());
    track_ = new PictureBox(skinPicture(QLatin1String(N::BarBack)), this);
    track_->setObjectName(QStringLiteral("Image_BarBack"));
    track_->setGeometry(QRect(QPoint(0, 0), L::Image_BarBack));
    thumb_ = new PictureBox(skinPicture(QLatin1String(N::Bar)), this);
    thumb_->setObjectName(QStringLiteral("Image_Bar"));
    thumb_->setGeometry(QRect(L::Image_BarStart, L::Image_Bar));
    thumb_->installEventFilter(this);
}

int ClipScrollBar::thumbTop() const
{
    return thumb_->y();
}

void ClipScrollBar::setThumbTop(int top)
{
    thumb_->move(thumb_->x(), clamp(top, ThumbMin, ThumbMax));
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
        setThumbTop(downTop_ + mouse->globalPosition().toPoint().y() - downCursor_.y());
        emit thumbMoved();
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
