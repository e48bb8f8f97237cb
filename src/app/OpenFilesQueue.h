#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>
#include <functional>

class QWidget;

// Files named on the command line or handed over by later starts, added to the list as the Add
// button adds them (same checks, one message for what cannot be read) once the main window takes
// input: never while files are being added, nor while a modal window is open (a run, whose clips
// must not change under it, a dialog, a message) or a menu is up.
class OpenFilesQueue : public QObject {
public:
    // busy: files are being added. add: adds files as the Add button does.
    OpenFilesQueue(QWidget &window, std::function<bool()> busy,
                   std::function<void(const QStringList &)> add, QObject *parent = nullptr);

    // Queues the files; they are added from the event loop, never within this call.
    void Open(const QStringList &paths);
    // As Open(), and the window comes to the front, as after "Open with" in a file manager.
    void OpenFromAnotherStart(const QStringList &paths);

private:
    bool WindowTakesInput() const;
    void AddWaiting();

    QWidget &window_;
    std::function<bool()> busy_;
    std::function<void(const QStringList &)> add_;
    QStringList waiting_;
    QTimer next_;
};
