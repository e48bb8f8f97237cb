#pragma once

#include "InputBeep.h"

#include <QApplication>
#include <QMetaObject>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>

// Counts the controls' beeps while alive.
class BeepCounter {
public:
    BeepCounter() : previous_(replaceInputBeep([this] { ++count_; })) {}
    ~BeepCounter() { replaceInputBeep(previous_); }
    int count() const { return count_; }

private:
    int count_ = 0;
    std::function<void()> previous_;
};

// Mouse events delivered straight to a widget, with the held buttons stated, so a test controls
// exactly what the widget sees.
inline void sendMouse(QWidget *widget, QEvent::Type type, QPoint at, Qt::MouseButton button,
                      Qt::MouseButtons held)
{
    QMouseEvent event(type, at, widget->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

inline void pressAt(QWidget *widget, QPoint at, Qt::MouseButton button = Qt::LeftButton)
{
    sendMouse(widget, QEvent::MouseButtonPress, at, button, button);
}

inline void moveTo(QWidget *widget, QPoint at, Qt::MouseButtons held = Qt::LeftButton)
{
    sendMouse(widget, QEvent::MouseMove, at, Qt::NoButton, held);
}

inline void releaseAt(QWidget *widget, QPoint at, Qt::MouseButton button = Qt::LeftButton)
{
    sendMouse(widget, QEvent::MouseButtonRelease, at, button, Qt::NoButton);
}

// One period of a control's repeat timer, fired by hand instead of waiting for it.
inline void fireTimer(QWidget *owner, const char *timerName)
{
    QTimer *timer = owner->findChild<QTimer *>(QString::fromLatin1(timerName));
    Q_ASSERT(timer);
    QMetaObject::invokeMethod(timer, "timeout");
}

inline bool timerRunning(QWidget *owner, const char *timerName)
{
    return owner->findChild<QTimer *>(QString::fromLatin1(timerName))->isActive();
}
