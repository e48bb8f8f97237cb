#include "TsuiImagePanel.h"

#include <QPainter>

TsuiImagePanel::TsuiImagePanel(QWidget *parent) : QWidget(parent) {}

void TsuiImagePanel::setTransparent(bool on)
{
    transparent_ = on;
    setAttribute(Qt::WA_OpaquePaintEvent, !on);
    update();
}

void TsuiImagePanel::setColor(const QColor &colour)
{
    color_ = colour;
    update();
}

void TsuiImagePanel::paintEvent(QPaintEvent *)
{
    if (transparent_)
        return;
    QPainter painter(this);
    painter.fillRect(rect(), color_);
}
