#include "FrameQueue.h"

bool FrameQueue::push(FramePtr frame)
{
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return aborted_ || items_.size() < capacity_; });
    if (aborted_)
        return false;
    items_.push_back(std::move(frame));
    changed_.notify_all();
    return true;
}

bool FrameQueue::pop(FramePtr &frame)
{
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return aborted_ || !items_.empty(); });
    if (aborted_)
        return false;
    frame = std::move(items_.front());
    items_.pop_front();
    changed_.notify_all();
    return true;
}

bool FrameQueue::tryPop(FramePtr &frame)
{
    std::lock_guard lock(mutex_);
    if (aborted_ || items_.empty())
        return false;
    frame = std::move(items_.front());
    items_.pop_front();
    changed_.notify_all();
    return true;
}

void FrameQueue::abort()
{
    std::lock_guard lock(mutex_);
    aborted_ = true;
    items_.clear();
    changed_.notify_all();
}
