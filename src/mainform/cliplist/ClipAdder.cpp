#include "mainform/cliplist/ClipAdder.h"

#include "core/ClipList.h"
#include "mainform/cliplist/AddProgressPanel.h"
#include "mainform/cliplist/ClipFromFile.h"
#include "platform/Prompts.h"
#include "platform/WorkOffWindowThread.h"

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
    QStringList rejected; // each with the engine's reason after it, where it gave one
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
        const std::optional<QString> refusal = AddClipFromFile(paths.at(i), languages);
        if (refusal)
            rejected << (refusal->isEmpty() ? paths.at(i) : paths.at(i) + QStringLiteral(": ") + *refusal);
    }
    if (showProgress)
        progress_.ShowAddProgress(addCount_, addCount_);
    repaintWindow_();
    progress_.hide();
    busy_ = false;
    if (!rejected.isEmpty()) {
        QString text = RejectedMessage;
        for (const QString &line : rejected)
            text += line + u'\n';
        Prompts::Current().Information(text);
    }
}

std::optional<QString> ClipAdder::AddClipFromFile(const QString &path, const TrackLanguages &languages)
{
    // A file on a slow disk or share may take long to read: the window keeps painting meanwhile.
    SourceReading reading;
    WorkOffWindowThread([&] { reading = ReadClipSource(path); });
    if (!reading.info)
        return reading.failureReason;
    clips_.AppendClip(ClipFromReading(path, reading, languages));
    clipAdded_();
    return std::nullopt;
}
