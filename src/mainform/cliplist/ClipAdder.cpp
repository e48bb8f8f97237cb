#include "mainform/cliplist/ClipAdder.h"

#include "core/ClipList.h"
#include "mainform/cliplist/AddProgressPanel.h"
#include "mainform/cliplist/ClipFromFile.h"
#include "platform/Prompts.h"

ClipAdder::ClipAdder(ClipList &clips, AddProgressPanel &progress,
                     std::function<void()> repaintWindow, std::function<void()> clipAdded,
                     QObject *parent)
    : QObject(parent), clips_(clips), progress_(progress),
      repaintWindow_(std::move(repaintWindow)), clipAdded_(std::move(clipAdded))
{
}

void ClipAdder::AddFiles(const QStringList &paths)
{
    if (paths.isEmpty())
        return;
    repaintWindow_();
    QStringList rejected;
    const TrackLanguages languages = languages_ ? languages_() : TrackLanguages{};
    busy_ = true;
    const bool showProgress = paths.size() > 1;
    if (showProgress) {
        addCount_ = int(paths.size());
        progress_.ShowAddProgress(0, addCount_);
        progress_.show();
        progress_.raise();
    }
    for (int i = 0; i < paths.size(); ++i) {
        if (showProgress)
            progress_.ShowAddProgress(i, addCount_);
        if (!AddClipFromFile(paths.at(i), languages))
            rejected << paths.at(i);
    }
    if (showProgress)
        progress_.ShowAddProgress(addCount_, addCount_);
    repaintWindow_();
    progress_.hide();
    busy_ = false;
    if (!rejected.isEmpty()) {
        QString text = RejectedMessage;
        for (const QString &path : rejected)
            text += path + u'\n';
        Prompts::Current().Information(text);
    }
}

bool ClipAdder::AddClipFromFile(const QString &path, const TrackLanguages &languages)
{
    std::unique_ptr<TVideoInfo> clip = ClipFromFile(path, languages);
    if (!clip)
        return false;
    clips_.AppendClip(std::move(clip));
    clipAdded_();
    return true;
}
