#include "platform/WorkOffWindowThread.h"

#include <QEventLoop>
#include <QMetaObject>

#include <exception>
#include <thread>

void WorkOffWindowThread(const std::function<void()> &work)
{
    QEventLoop loop;
    std::exception_ptr failure;
    std::thread worker([&] {
        try {
            work();
        } catch (...) {
            failure = std::current_exception();
        }
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    worker.join();
    if (failure)
        std::rethrow_exception(failure);
}
