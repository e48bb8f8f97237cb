#include "WindowMessage.h"

#include <QCoreApplication>
#include <QMutex>
#include <QMutexLocker>
#include <forward_list>
#include <type_traits>

// What a handle points to: the receiver as the posting threads see it, cleared under the lock the
// moment the receiver starts to die or its target is destroyed, so no event is ever posted to a
// destroyed object.
struct WindowMessageTarget::HandleBlock {
    MessageTarget target{&PostThroughHandle}; // first member: the engine's pointer is the block's address
    QMutex mutex;
    QObject *receiver = nullptr;

    void Post(uint32_t number, intptr_t wparam, intptr_t lparam)
    {
        QMutexLocker lock(&mutex);
        if (receiver)
            QCoreApplication::postEvent(receiver, new WindowMessageEvent(number, wparam, lparam));
    }

    void Forget()
    {
        QMutexLocker lock(&mutex);
        receiver = nullptr;
    }

    static void PostThroughHandle(MessageTarget *self, uint32_t msg, intptr_t wparam, intptr_t lparam)
    {
        if (self)
            reinterpret_cast<HandleBlock *>(self)->Post(msg, wparam, lparam);
    }

    // The engine holds a handle as a bare pointer and may post through it from a thread that
    // outlives the window, so a block lives as long as the process. Windows are made once each,
    // which keeps these few bytes few; the list keeps them reachable for leak checkers.
    static HandleBlock *Make()
    {
        static_assert(std::is_standard_layout_v<HandleBlock>, "a handle must be its block's address");
        static QMutex listMutex;
        static auto *blocks = new std::forward_list<HandleBlock>;
        QMutexLocker lock(&listMutex);
        return &blocks->emplace_front();
    }
};

WindowMessageEvent::WindowMessageEvent(uint32_t number, intptr_t wparam, intptr_t lparam)
    : QEvent(EventType())
    , number_(number)
    , wparam_(wparam)
    , lparam_(lparam)
{
}

QEvent::Type WindowMessageEvent::EventType()
{
    static const QEvent::Type type = QEvent::Type(QEvent::registerEventType());
    return type;
}

WindowMessageTarget::WindowMessageTarget(QObject *receiver)
    : handle_(HandleBlock::Make())
{
    handle_->receiver = receiver;
    if (receiver) {
        QObject::connect(receiver, &QObject::destroyed, receiver, [block = handle_] { block->Forget(); },
                         Qt::DirectConnection);
    }
}

WindowMessageTarget::~WindowMessageTarget()
{
    handle_->Forget();
}

MessageTarget *WindowMessageTarget::Handle()
{
    return &handle_->target;
}

void WindowMessageTarget::Post(uint32_t number, intptr_t wparam, intptr_t lparam)
{
    handle_->Post(number, wparam, lparam);
}

void WindowMessageDispatcher::On(uint32_t number, Handler handler)
{
    handlers_.insert(number, std::move(handler));
}

bool WindowMessageDispatcher::Dispatch(QEvent *event) const
{
    if (!event || event->type() != WindowMessageEvent::EventType())
        return false;
    const auto *message = static_cast<WindowMessageEvent *>(event);
    const auto handler = handlers_.constFind(message->Number());
    if (handler == handlers_.constEnd())
        return false;
    (*handler)(message->WParam(), message->LParam());
    return true;
}
