#include "PictureBox.h"

#include <QPainter>

PictureBox::PictureBox(const SkinPicture &picture, QWidget *parent) : QWidget(parent)
{
    setPicture(picture);
}

void PictureBox::setPicture(const SkinPicture &picture)
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
        picture_.draw(painter, rect());
    else
        picture_.draw(painter, QPoint(0, 0));
}
