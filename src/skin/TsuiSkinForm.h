#pragma once

#include "skin/SkinPicture.h"

#include <QWidget>

// The skin of a frameless window: paints its picture as the window's background, cuts the
// key-coloured and the transparent pixels out of the window's shape (by its mask, and on Wayland
// by a translucent window), and hands a press on the bare skin to the window system's interactive
// move. Create it first on the window so every other control lies above it.
class TsuiSkinForm : public QWidget {
    Q_OBJECT

public:
    explicit TsuiSkinForm(QWidget *window);

    const SkinPicture &glyph() const { return glyph_; }
    // Sets the skin; the window takes its size and shape from it.
    void setGlyph(const SkinPicture &glyph);
    QRgb transparentColor() const { return transparentColor_; }
    void setTransparentColor(QRgb colour);

signals:
    void regionChanged();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void applyShape();

    SkinPicture glyph_;
    QRgb transparentColor_;
};
