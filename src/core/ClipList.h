#pragma once

#include "TVideoInfo.h"

#include <QList>
#include <QMutex>
#include <QObject>
#include <functional>
#include <memory>
#include <vector>

// The main window's clips in display order. It owns them: a clip is freed when it is removed,
// when the list is cleared and with the list. The list view adds widgets around it and follows
// it through the signals below. Changes happen on the window thread only; Count and ClipAt may
// also be called by the conversion worker while the list is left alone.
class ClipList : public QObject {
    Q_OBJECT

public:
    // Output name of a list position; the owner installs one that knows the chosen video format.
    using OutputNamer = std::function<QString(int position)>;

    explicit ClipList(QObject *parent = nullptr);
    ~ClipList() override;

    // Default: OutputNameOf(position, i_OutputPSPSerialNumber, true).
    void SetOutputNamer(OutputNamer namer);

    QList<TVideoInfo *> Clips() const;
    int Count() const;
    TVideoInfo *ClipAt(int index) const;       // nullptr outside the list
    int IndexOf(const TVideoInfo *clip) const; // -1 when not in the list

    const QList<TVideoInfo *> &SelectedClips() const { return selectedClips_; }
    void CollectSelected();

    TVideoInfo *CurrentClip() const { return currentClip_; }
    // Data side only: clip must be nullptr or in the list (anything else is taken as nullptr).
    void SetCurrent(TVideoInfo *clip);

    // Takes the clip to the end of the list and names it after its position. Returns it.
    TVideoInfo *AppendClip(std::unique_ptr<TVideoInfo> clip);

    // Removes and frees every listed clip that is in `doomed`; the others keep their order.
    // `doomed` is emptied. Names are left as they were (RenameAllClips gives new ones).
    void RemoveClips(QList<TVideoInfo *> &doomed);

    // The Remove command: no current clip, collect the selection, free it, rename the rest.
    void RemoveSelectedClips();

    // No current clip; frees every clip.
    void ClearClips();

    // Every clip gets the output name of its position, in list order.
    void RenameAllClips();

signals:
    void ClipAppended(TVideoInfo *clip, int position);
    void ClipAboutToBeRemoved(TVideoInfo *clip); // just before it is freed (also on clear)
    void ClipsRemoved();                         // after a removal or a clear, at least one clip gone
    void CurrentClipChanged(TVideoInfo *clip);

private:
    void FreeAllClips();

    mutable QMutex mutex_;
    std::vector<std::unique_ptr<TVideoInfo>> clips_;
    QList<TVideoInfo *> selectedClips_;
    TVideoInfo *currentClip_ = nullptr;
    OutputNamer namer_;
};
