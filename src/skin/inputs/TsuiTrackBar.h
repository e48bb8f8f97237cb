#pragma once

#include "UIStyle.h"

#include <QColor>
#include "skin/SkinPicture.h"

#include <QPoint>
#include <QWidget>

class QTimer;
class TrackBarThumb;

enum class TsuiOrientation { suiHorizontal, suiVertical };

// A bitmap slider: a bar picture spread along the control and a thumb showing the slider picture.
// Invariants: min() <= position() <= max(); pageSize() and lineSize() lie within 0..max().
//
// OnChange: raised whenever position() differs from the last reported one, after a set, a key,
// a press on the track, a repeat tick or a drag; never for a set to the current position.
//
// Mouse: a press (any button) on the thumb drags it; a left press on the track moves one page
// toward the press, then a 100 ms repeat moves 3 pages (horizontal) or 1 page (vertical) per tick
// toward the pointer, never past it, until the release or until the pointer leaves the control.
// Keys: Page Up/Down a page, Home/End the ends, Left/Up and Right/Down a line.
class TsuiTrackBar : public QWidget {
    Q_OBJECT
public:
    static constexpr int kRepeatInterval = 100;

    explicit TsuiTrackBar(QWidget *parent = nullptr);

    UIStyle uiStyle() const { return uiStyle_; }
    // Loads the style's bar and slider pictures.
    void setUIStyle(UIStyle style);

    TsuiOrientation orientation() const { return orientation_; }
    void setOrientation(TsuiOrientation orientation);

    int min() const { return min_; }
    void setMin(int value);
    int max() const { return max_; }
    void setMax(int value);
    int position() const { return position_; }
    void setPosition(int value);
    int pageSize() const { return pageSize_; }
    void setPageSize(int value);
    int lineSize() const { return lineSize_; }
    void setLineSize(int value);

    bool showTick() const { return showTick_; }
    void setShowTick(bool show);
    int frequency() const { return frequency_; }
    void setFrequency(int value);
    // Transparent: the parent shows through; otherwise color() fills the background.
    bool isTransparent() const { return transparent_; }
    void setTransparent(bool transparent);
    QColor color() const { return color_; }
    void setColor(const QColor &color);

    const SkinPicture &barImage() const { return barImage_; }
    void setBarImage(const SkinPicture &image);
    const SkinPicture &sliderImage() const;
    void setSliderImage(const SkinPicture &image);

    bool isDragging() const { return dragging_; }
    // Where the thumb sits, in the control's coordinates.
    QRect thumbRect() const;

signals:
    void OnChange(int position);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    bool horizontal() const { return orientation_ == TsuiOrientation::suiHorizontal; }
    int along(QPoint p) const { return horizontal() ? p.x() : p.y(); }
    int length() const { return horizontal() ? width() : height(); }
    int thumbLength() const;
    int positionAt(QPoint p) const;
    void repeatTick();
    void placeThumb();
    void fitSize();
    void applyPosition(int value);
    void paintTicks(QPainter &painter) const;

    UIStyle uiStyle_ = UIStyle::BlueGlass;
    TsuiOrientation orientation_ = TsuiOrientation::suiHorizontal;
    int min_ = 0;
    int max_ = 10;
    int position_ = 0;
    int pageSize_ = 2;
    int lineSize_ = 1;
    bool showTick_ = false;
    int frequency_ = 1;
    bool transparent_ = false;
    QColor color_;
    SkinPicture barImage_;
    TrackBarThumb *thumb_;
    int lastReported_ = 0;
    bool dragging_ = false;
    QPoint pointer_;
    QTimer *repeatTimer_;
};
