#include "skin/TsuiSkinForm.h"

#include "skin/SkinShape.h"
#include "skin/art/SkinPalette.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

TsuiSkinForm::TsuiSkinForm(QWidget *window)
    : QWidget(window), transparentColor_(SkinPalette::KeyColour)
{
    window->setWindowFlag(Qt::FramelessWindowHint);
    setAttribute(Qt::WA_OpaquePaintEvent);
    move(0, 0);
    lower();
}

void TsuiSkinForm::setGlyph(const QImage &glyph)
{
    glyph_ = glyph.convertToFormat(QImage::Format_RGB32);
    applyShape();
    update();
}

void TsuiSkinForm::setTransparentColor(QRgb colour)
{
    transparentColor_ = colour;
    applyShape();
    update();
}

void TsuiSkinForm::applyShape()
{
    if (glyph_.isNull())
        return;
    QWidget *owner = window();
    owner->setMask(skinRegion(glyph_, transparentColor_));
    setGeometry(QRect(QPoint(0, 0), glyph_.size()));
    owner->setFixedSize(glyph_.size());
    emit regionChanged();
}

void TsuiSkinForm::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (glyph_.isNull()) {
        painter.fillRect(rect(), palette().window());
        painter.setPen(QColor::fromRgb(SkinPalette::NoSkinFrame));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        return;
    }
    painter.drawImage(0, 0, glyph_);
}

void TsuiSkinForm::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    if (QWindow *handle = window()->windowHandle())
        handle->startSystemMove();
}
