#pragma once

#include <QTimer>
#include <QWidget>

// One of the numeric field's arrow buttons. A click (left press and release over the button)
// raises stepRequested once; holding the left button raises it again every 400 ms while held.
// Leaving the button or moving off it while pressed cancels both.
class SpinArrowButton : public QWidget {
    Q_OBJECT
public:
    enum class Direction { Up, Down };
    static constexpr int kHoldInterval = 400;

    SpinArrowButton(Direction direction, QWidget *parent);

    Direction direction() const { return direction_; }
    bool isPressed() const { return pressed_; }

signals:
    void stepRequested();
    void pressStarted();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void release();

    Direction direction_;
    bool pressed_ = false;
    QTimer *holdTimer_;
};
