#pragma once

#include "skin/art/SkinPalette.h"

#include <QColor>
#include <QWidget>

// A container for other controls. Transparent, the window's skin shows through it; opaque, it is
// filled with its colour.
class TsuiImagePanel : public QWidget {
    Q_OBJECT

public:
    explicit TsuiImagePanel(QWidget *parent = nullptr);

    bool transparent() const { return transparent_; }
    void setTransparent(bool on);
    QColor color() const { return color_; }
    void setColor(const QColor &colour);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool transparent_ = true;
    QColor color_ = QColor::fromRgb(SkinPalette::PanelFill);
};
