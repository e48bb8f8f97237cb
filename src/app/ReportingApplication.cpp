#include "ReportingApplication.h"

#include "core/ErrorReport.h"

#include <QThread>
#include <exception>

ReportingApplication::ReportingApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
}

bool ReportingApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &error) {
        report(QString::fromUtf8(error.what()));
    } catch (...) {
        report(QString());
    }
    return false;
}

void ReportingApplication::report(const QString &message)
{
    // The question is a modal box, which only the window thread may show.
    if (QThread::currentThread() == thread())
        ReportError(message);
    else
        QMetaObject::invokeMethod(this, [message] { ReportError(message); }, Qt::QueuedConnection);
}
