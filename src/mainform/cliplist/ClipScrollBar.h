#pragma once

#include <QPoint>
#include <QWidget>

class QLabel;

// The list's own scroll bar (Panel_Bar): a track and a thumb dragged with the left button. Only
// the thumb's position on the track counts; it stays put when rows come and go.
class ClipScrollBar : public QWidget {
    Q_OBJECT

public:
    static constexpr int Width = 19;
    static constexpr int Height = 144;
    static constexpr int ThumbMin = 2;
    static constexpr int ThumbMax = 124;
    static constexpr int Travel = ThumbMax - ThumbMin;

    explicit ClipScrollBar(QWidget *parent);

    QLabel *Thumb() const { return thumb_; }   // Image_Bar
    int ThumbTop() const;
    void SetThumbTop(int top);   // kept on the track
    bool Dragging() const { return dragging_; }
    void StopDragging() { dragging_ = false; }

signals:
    void ThumbMoved();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    // Presses on the track stay with the bar: the list behind it would open its menu.
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QLabel *track_ = nullptr;
    QLabel *thumb_ = nullptr;
    bool dragging_ = false;       // BarDragging
    QPoint downCursor_;           // BarDownCursor
    int downTop_ = ThumbMin;      // BarDownTop
};
