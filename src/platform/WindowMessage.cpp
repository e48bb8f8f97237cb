#include "WindowMessage.h"

#include <QCoreApplication>
#include <QMutexLocker>

// The receiver as the posting threads see it: cleared under the lock the moment the receiver
// starts to die, so no event is ever posted to a destroyed object.
struct WindowMessageTarget::Receiver {
    QMutex mutex;
    QObject *object = nullptr;
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
    : receiver_(std::make_shared<Receiver>())
{
    handle_.target.post = &WindowMessageTarget::PostThroughHandle;
    handle_.owner = this;
    receiver_->object = receiver;
    if (receiver) {
        QObject::connect(receiver, &QObject::destroyed, receiver,
                         [state = receiver_] {
                             QMutexLocker lock(&state->mutex);
                             state->object = nullptr;
                         },
                         Qt::DirectConnection);
    }
}

WindowMessageTarget::~WindowMessageTarget()
{
    QMutexLocker lock(&receiver_->mutex);
    receiver_->object = nullptr;
}

void WindowMessageTarget::Post(uint32_t number, intptr_t wparam, intptr_t lparam)
{
    QMutexLocker lock(&receiver_->mutex);
    if (receiver_->object)
        QCoreApplication::postEvent(receiver_->object, new WindowMessageEvent(number, wparam, lparam));
}

void WindowMessageTarget::PostThroughHandle(MessageTarget *self, uint32_t msg, intptr_t wparam, intptr_t lparam)
{
    if (!self)
        return;
    reinterpret_cast<HandleBlock *>(self)->owner->Post(msg, wparam, lparam);
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
