#include "ClipList.h"

#include "AppGlobals.h"
#include "OutputNames.h"

#include <QMutexLocker>
#include <algorithm>

ClipList::ClipList(QObject *parent)
    : QObject(parent)
    , namer_([](int position) { return OutputNameOf(position, i_OutputPSPSerialNumber, true); })
{
}

ClipList::~ClipList()
{
    FreeAllClips();
}

void ClipList::SetOutputNamer(OutputNamer namer)
{
    namer_ = std::move(namer);
}

QList<TVideoInfo *> ClipList::Clips() const
{
    QMutexLocker lock(&mutex_);
    QList<TVideoInfo *> clips;
    clips.reserve(qsizetype(clips_.size()));
    for (const auto &clip : clips_)
        clips.append(clip.get());
    return clips;
}

int ClipList::Count() const
{
    QMutexLocker lock(&mutex_);
    return int(clips_.size());
}

TVideoInfo *ClipList::ClipAt(int index) const
{
    QMutexLocker lock(&mutex_);
    if (index < 0 || size_t(index) >= clips_.size())
        return nullptr;
    return clips_[size_t(index)].get();
}

int ClipList::IndexOf(const TVideoInfo *clip) const
{
    QMutexLocker lock(&mutex_);
    const auto found = std::find_if(clips_.begin(), clips_.end(),
                                    [clip](const auto &owned) { return owned.get() == clip; });
    return found == clips_.end() ? -1 : int(found - clips_.begin());
}

void ClipList::CollectSelected()
{
    selectedClips_.clear();
    for (TVideoInfo *clip : Clips()) {
        if (clip->Selected())
            selectedClips_.append(clip);
    }
}

void ClipList::SetCurrent(TVideoInfo *clip)
{
    if (clip && IndexOf(clip) < 0)
        clip = nullptr;
    if (clip == currentClip_)
        return;
    currentClip_ = clip;
    emit CurrentClipChanged(clip);
}

TVideoInfo *ClipList::AppendClip(std::unique_ptr<TVideoInfo> clip)
{
    if (!clip)
        return nullptr;
    TVideoInfo *appended = clip.get();
    int position;
    {
        QMutexLocker lock(&mutex_);
        position = int(clips_.size());
        clips_.push_back(std::move(clip));
    }
    appended->SetOutputName(namer_(position));
    emit ClipAppended(appended, position);
    return appended;
}

void ClipList::RemoveClips(QList<TVideoInfo *> &doomed)
{
    std::vector<std::unique_ptr<TVideoInfo>> removed;
    {
        QMutexLocker lock(&mutex_);
        const auto firstRemoved = std::stable_partition(
            clips_.begin(), clips_.end(),
            [&doomed](const auto &clip) { return !doomed.contains(clip.get()); });
        std::move(firstRemoved, clips_.end(), std::back_inserter(removed));
        clips_.erase(firstRemoved, clips_.end());
    }
    doomed.clear();
    if (removed.empty())
        return;
    for (const auto &clip : removed) {
        if (clip.get() == currentClip_)
            SetCurrent(nullptr);
        selectedClips_.removeAll(clip.get());
        emit ClipAboutToBeRemoved(clip.get());
    }
    removed.clear();
    emit ClipsRemoved();
}

void ClipList::RemoveSelectedClips()
{
    SetCurrent(nullptr);
    CollectSelected();
    QList<TVideoInfo *> doomed = selectedClips_;
    RemoveClips(doomed);
    selectedClips_.clear();
    RenameAllClips();
}

void ClipList::ClearClips()
{
    SetCurrent(nullptr);
    QList<TVideoInfo *> doomed = Clips();
    RemoveClips(doomed);
}

void ClipList::RenameAllClips()
{
    const QList<TVideoInfo *> clips = Clips();
    for (int position = 0; position < clips.size(); ++position)
        clips[position]->SetOutputName(namer_(position));
}

void ClipList::FreeAllClips()
{
    currentClip_ = nullptr;
    selectedClips_.clear();
    QMutexLocker lock(&mutex_);
    clips_.clear();
}
