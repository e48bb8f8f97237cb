#include "OpenFilesQueue.h"

#include <QApplication>
#include <QWidget>

namespace {

// How often files that wait look again whether the window takes input.
constexpr int RetryMs = 200;

} // namespace

OpenFilesQueue::OpenFilesQueue(QWidget &window, std::function<bool()> busy,
                               std::function<void(const QStringList &)> add, QObject *parent)
    : QObject(parent), window_(window), busy_(std::move(busy)), add_(std::move(add))
{
    next_.setSingleShot(true);
    connect(&next_, &QTimer::timeout, this, &OpenFilesQueue::AddWaiting);
}

void OpenFilesQueue::Open(const QStringList &paths)
{
    if (paths.isEmpty())
        return;
    waiting_ += paths;
    next_.start(0);
}

void OpenFilesQueue::OpenFromAnotherStart(const QStringList &paths)
{
    if (window_.isMinimized())
        window_.showNormal();
    window_.raise();
    window_.activateWindow();
    Open(paths);
}

bool OpenFilesQueue::WindowTakesInput() const
{
    return window_.isVisible() && !busy_() && !QApplication::activeModalWidget()
           && !QApplication::activePopupWidget();
}

void OpenFilesQueue::AddWaiting()
{
    if (waiting_.isEmpty())
        return;
    if (!WindowTakesInput()) {
        next_.start(RetryMs);
        return;
    }
    const QStringList paths = std::exchange(waiting_, {});
    add_(paths);
}
