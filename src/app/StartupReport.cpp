#include "StartupReport.h"

#include <QDateTime>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>

namespace {

class FirstPaintWatch : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // The paint in progress is flushed to the screen before the timer runs.
            QTimer::singleShot(0, this, [this] {
                std::printf("shown %lld\n", static_cast<long long>(QDateTime::currentMSecsSinceEpoch()));
                std::fflush(stdout);
                deleteLater();
            });
        }
        return false;
    }
};

} // namespace

void ReportWhenShown(QWidget *window)
{
    if (qEnvironmentVariableIsEmpty("POCKETREEL_REPORT_SHOWN"))
        return;
    window->installEventFilter(new FirstPaintWatch(window));
}
