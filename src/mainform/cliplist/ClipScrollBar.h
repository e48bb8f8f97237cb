#pragma once

#include "skin/art/SkinLayout.h"

#include <QPoint>
#include <QWidget>

class PictureBox;

// The list's own scroll bar (Panel_Bar): a track and a thumb dragged with the left button. Only
// the thumb's position on the track counts; it stays put when rows come and go.
class ClipScrollBar : public QWidget {
    Q_OBJECT

public:
    static constexpr int ThumbMin = MainFormLayout::Image_BarStart.y();
    static constexpr int ThumbMax = MainFormLayout::BarThumbMax;
    static constexpr int Travel = ThumbMax - ThumbMin;

    explicit ClipScrollBar(QWidget *parent);

    PictureBox *thumb() const { return thumb_; }   // Image_Bar
    int thumbTop() const;
    void setThumbTop(int top);   // kept on the track
    bool dragging() const { return dragging_; }
    void stopDragging() { dragging_ = false; }

signals:
    void thumbMoved();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    // Presses on the track stay with the bar: the list behind it would open its menu.
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    PictureBox *track_ = nullptr;
    PictureBox *thumb_ = nullptr;
    bool dragging_ = false;       // BarDragging
    QPoint downCursor_;           // BarDownCursor
    int downTop_ = ThumbMin;      // BarDownTop
};
