#pragma once

#include "core/streams/TrackChoice.h"

#include <QObject>
#include <QStringList>
#include <functional>
#include <optional>

class AddProgressPanel;
class ClipList;

// Adds files to the list one after another through the engine, which reads each on a thread of
// its own while the window goes on painting: the progress panel while several are added, the
// window repainted after every file so each new row shows at once, and one message listing every
// file the engine could not read, each with the engine's reason.
class ClipAdder : public QObject {
    Q_OBJECT

public:
    static inline const QString RejectedMessage =
        QStringLiteral("Some UNSUPPORTED file(s) format can not add in. \n\n");

    // repaintWindow: repaints the main window at once. clipAdded: after each new clip.
    ClipAdder(ClipList &clips, AddProgressPanel &progress, std::function<void()> repaintWindow,
              std::function<void()> clipAdded, QObject *parent = nullptr);

    // Busy: files are being added; the list's commands and mouse handlers do nothing meanwhile.
    bool Busy() const { return busy_; }
    void SetBusy(bool busy) { busy_ = busy; }

    // Where the languages that choose a new clip's sound and subtitles come from (the options);
    // without it none is preferred.
    void SetTrackLanguages(std::function<TrackLanguages()> languages) { languages_ = std::move(languages); }

    // Adds the files in order and reports the rejected ones. Call with the frame grabber closed.
    void AddFiles(const QStringList &paths);

private:
    // Nothing when the clip was added, else why not (empty when the engine gave no reason).
    std::optional<QString> AddClipFromFile(const QString &path, const TrackLanguages &languages);

    ClipList &clips_;
    AddProgressPanel &progress_;
    std::function<void()> repaintWindow_;
    std::function<void()> clipAdded_;
    std::function<TrackLanguages()> languages_;
    bool busy_ = false;
    int addCount_ = 0;   // AddCount
};
