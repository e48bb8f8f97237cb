#include "TrackBarThumb.h"

#include <QPainter>

TrackBarThumb::TrackBarThumb(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TrackBarThumb::setPicture(const QImage &picture)
{
    picture_ = picture;
    resize(picture.size());
    update();
}

void TrackBarThumb::paintEvent(QPaintEvent *)
{
    QPainter(this).drawImage(0, 0, picture_);
}
