// Frames handed from one stage of a conversion to the next. A bounded queue makes a fast stage wait
// for a slow one instead of filling memory; a stage that fails aborts it, which wakes every waiter.
#pragma once

#include "FfmpegHandles.h"

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <mutex>

class FrameQueue {
public:
    explicit FrameQueue(size_t capacity) : capacity_(capacity) {}

    // Waits for room; a null frame marks the end. False once the queue was aborted.
    bool push(FramePtr frame);
    // Waits for a frame (null at the end). False once the queue was aborted.
    bool pop(FramePtr &frame);
    // A frame when one waits; false when none does (or the queue was aborted).
    bool tryPop(FramePtr &frame);
    void abort();

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<FramePtr> items_;
    const size_t capacity_;
    bool aborted_ = false;
};
