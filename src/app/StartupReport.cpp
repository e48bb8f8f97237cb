#include "StartupReport.h"

#include <QApplication>
#include <QDateTime>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>

namespace {

// Watches every widget: the window itself may never be painted when its children cover it.
class FirstPaintWatch : public QObject {
public:
    explicit FirstPaintWatch(QWidget *window) : QObject(window), window_(window) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType()
            && static_cast<QWidget *>(watched)->window() == window_) {
            qApp->removeEventFilter(this);
            // The paint in progress is flushed to the screen before the timer runs.
            QTimer::singleShot(0, this, [this] {
                std::printf("shown %lld\n", static_cast<long long>(QDateTime::currentMSecsSinceEpoch()));
                std::fflush(stdout);
                deleteLater();
            });
        }
        return false;
    }

private:
    QWidget *window_;
};

} // namespace

void ReportWhenShown(QWidget *window)
{
    if (qEnvironmentVariableIsEmpty("POCKETREEL_REPORT_SHOWN"))
        return;
    qApp->installEventFilter(new FirstPaintWatch(window));
}
