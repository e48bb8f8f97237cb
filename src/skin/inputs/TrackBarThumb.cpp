#include "TrackBarThumb.h"

#include <QPainter>

TrackBarThumb::TrackBarThumb(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TrackBarThumb::setPicture(const SkinPicture &picture)
{
    picture_ = picture;
    resize(picture.size());
    update();
}

void TrackBarThumb::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    picture_.draw(painter, QPoint(0, 0));
}
