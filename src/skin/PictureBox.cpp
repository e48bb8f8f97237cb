#include "PictureBox.h"

#include <QPainter>

PictureBox::PictureBox(const QImage &picture, QWidget *parent) : QWidget(parent)
{
    setPicture(picture);
}

void PictureBox::setPicture(const QImage &picture)
{
    picture_ = picture;
    if (!stretch_)
        resize(picture_.size());
    update();
}

void PictureBox::setStretch(bool on)
{
    stretch_ = on;
    update();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (stretch_)
        painter.drawImage(rect(), picture_);
    else
        painter.drawImage(0, 0, picture_);
}
