#include "ClipDropTarget.h"

#include <QDropEvent>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWidget>

ClipDropTarget::ClipDropTarget(QWidget *window, std::function<bool()> accepting,
                               std::function<void(const QStringList &)> dropped,
                               QObject *parent)
    : QObject(parent), accepting_(std::move(accepting)), dropped_(std::move(dropped))
{
    window->setAcceptDrops(true);
    window->installEventFilter(this);
}

QStringList ClipDropTarget::LocalFiles(const QMimeData *data)
{
    QStringList files;
    if (!data || !data->hasUrls())
        return files;
    for (const QUrl &url : data->urls()) {
        if (url.isLocalFile())
            files << url.toLocalFile();
    }
    return files;
}

bool ClipDropTarget::eventFilter(QObject *, QEvent *event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *drag = static_cast<QDropEvent *>(event);
        if (accepting_() && !LocalFiles(drag->mimeData()).isEmpty())
            drag->acceptProposedAction();
        else
            drag->ignore();
        return true;
    }
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        const QStringList files = LocalFiles(drop->mimeData());
        if (!accepting_() || files.isEmpty()) {
            drop->ignore();
            return true;
        }
        drop->acceptProposedAction();
        QTimer::singleShot(0, this, [this, files] { dropped_(files); });
        return true;
    }
    default:
        return false;
    }
}
