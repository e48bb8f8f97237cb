#pragma once

#include "skin/SkinPicture.h"

#include <QTimer>
#include <QWidget>

// A command drawn from one picture per state (normal, mouse over, pressed, disabled). It takes
// the size of its normal picture. A click needs the left button pressed on it and released over
// it, or Space/Enter pressed and released while it has the focus.
class TsuiImageButton : public QWidget {
    Q_OBJECT

    enum Slot { Normal, MouseOn, MouseDown, Disabled, SlotCount };

public:
    explicit TsuiImageButton(QWidget *parent = nullptr);

    // Empty pictures fall back to the normal one.
    void setPicNormal(const SkinPicture &picture);
    void setPicMouseOn(const SkinPicture &picture);
    void setPicMouseDown(const SkinPicture &picture);
    void setPicDisabled(const SkinPicture &picture);
    const SkinPicture &picNormal() const { return pictures_[Normal]; }

    // Transparent: the window shows through the button and through every pixel of its picture
    // that has the colour of the picture's top-left pixel.
    bool transparent() const { return transparent_; }
    void setTransparent(bool on);

    int mouseContinuouslyDownInterval() const { return holdTimer_.interval(); }
    void setMouseContinuouslyDownInterval(int milliseconds);

    bool isHovered() const { return hovered_; }
    bool isPressed() const { return pressed_; }
    // The picture the button shows in its present state.
    const SkinPicture &currentPicture() const;

signals:
    void clicked();
    void mouseEnter();
    void mouseExit();
    // Raised every mouseContinuouslyDownInterval ms while the left button is held on the button.
    void mouseContinuouslyDown();
    // The plain mouse notifications, for controls that drag the button around.
    void mouseDown(QMouseEvent *event);
    void mouseMove(QMouseEvent *event);
    void mouseUp(QMouseEvent *event);

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void setPicture(Slot slot, const SkinPicture &picture);
    void release();

    SkinPicture pictures_[SlotCount];
    SkinPicture keyed_[SlotCount];  // the pictures with their key colour made see-through
    bool transparent_ = false;
    bool hovered_ = false;
    bool pressed_ = false;
    bool mouseHeld_ = false;  // the left button went down on this button and is still down
    bool keyHeld_ = false;
    QTimer holdTimer_;
};
