#pragma once

#include <QObject>
#include <QStringList>
#include <functional>

class QMimeData;
class QWidget;

// Lets files dragged from a file manager be dropped onto a window. The drop is taken at once and
// the files are handed over once the drag has ended, so the file manager is not kept waiting.
class ClipDropTarget : public QObject {
    Q_OBJECT

public:
    // accepting: whether files may be dropped now. dropped: gets the local paths, in order.
    ClipDropTarget(QWidget *window, std::function<bool()> accepting,
                   std::function<void(const QStringList &)> dropped, QObject *parent);

    // The local files among the dragged items.
    static QStringList LocalFiles(const QMimeData *data);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::function<bool()> accepting_;
    std::function<void(const QStringList &)> dropped_;
};
