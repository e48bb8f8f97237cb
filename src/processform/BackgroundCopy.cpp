#include "BackgroundCopy.h"

#include <QEventLoop>
#include <QMetaObject>

#include <thread>

std::optional<QString> CopyInBackground(const QString &source, const QString &destination,
                                        const CopyProgress &progress)
{
    QEventLoop loop;
    std::optional<QString> failure;
    std::thread copier([&] {
        const CopyProgress report = [&](qint64 copied, qint64 total) {
            if (progress)
                QMetaObject::invokeMethod(&loop, [&progress, copied, total] { progress(copied, total); },
                                          Qt::QueuedConnection);
        };
        failure = CopyFileSafely(source, destination, report);
        // Queued behind every progress report, so the loop ends after the last of them.
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    loop.exec();
    copier.join();
    return failure;
}
