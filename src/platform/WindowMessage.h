#pragma once

#include "abi/DVDEncoder.h"

#include <QEvent>
#include <QHash>
#include <QObject>
#include <cstdint>
#include <functional>

// A numbered window message (number, WParam, LParam) delivered as a posted event.
class WindowMessageEvent : public QEvent {
public:
    WindowMessageEvent(uint32_t number, intptr_t wparam, intptr_t lparam);

    static QEvent::Type EventType();

    uint32_t Number() const { return number_; }
    intptr_t WParam() const { return wparam_; }
    intptr_t LParam() const { return lparam_; }

private:
    uint32_t number_;
    intptr_t wparam_;
    intptr_t lparam_;
};

// A window handle for the engine and the conversion worker: Post() (and the ABI's post) may be
// called from any thread, never blocks, and drops the message once the receiver or this object is
// gone. The handle stays valid for the life of the process, so an engine thread that posts after
// the window went (a grabber closing late) finds it and its message is dropped.
class WindowMessageTarget {
public:
    explicit WindowMessageTarget(QObject *receiver);
    ~WindowMessageTarget();
    WindowMessageTarget(const WindowMessageTarget &) = delete;
    WindowMessageTarget &operator=(const WindowMessageTarget &) = delete;

    MessageTarget *Handle();
    void Post(uint32_t number, intptr_t wparam = 0, intptr_t lparam = 0);

private:
    struct HandleBlock;
    HandleBlock *handle_; // never freed: see above
};

// A window's table of message handlers by number; call Dispatch from event().
class WindowMessageDispatcher {
public:
    using Handler = std::function<void(intptr_t wparam, intptr_t lparam)>;

    void On(uint32_t number, Handler handler);
    // True when the event is a window message with a handler (which has run).
    bool Dispatch(QEvent *event) const;

private:
    QHash<uint32_t, Handler> handlers_;
};
