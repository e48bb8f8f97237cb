#include "skin/TsuiSkinForm.h"

#include "skin/SkinShape.h"
#include "skin/WindowSystem.h"
#include "skin/art/SkinPalette.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

TsuiSkinForm::TsuiSkinForm(QWidget *window)
    : QWidget(window), transparentColor_(SkinPalette::KeyColour)
{
    window->setWindowFlag(Qt::FramelessWindowHint);
    // Where a mask does not shape the window, its transparent pixels must.
    if (WindowSystem::shapesByTransparency())
        window->setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_OpaquePaintEvent);
    move(0, 0);
    lower();
}

void TsuiSkinForm::setGlyph(const SkinPicture &glyph)
{
    glyph_ = glyph;
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
    owner->setMask(skinRegion(glyph_.image(), transparentColor_));
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
    // A mask cuts whole window pixels: along the outline, screen pixels inside it that the sharp
    // copy leaves out would show whatever lay there, so the plain picture is laid beneath.
    const bool sharp = &glyph_.forRatio(devicePixelRatio()) != &glyph_.image();
    if (sharp && !window()->testAttribute(Qt::WA_TranslucentBackground))
        painter.drawImage(rect(), glyph_.image());
    glyph_.draw(painter, QPoint(0, 0));
}

void TsuiSkinForm::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    if (QWindow *handle = window()->windowHandle())
        handle->startSystemMove();
}
