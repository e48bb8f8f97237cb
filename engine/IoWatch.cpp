#include "IoWatch.h"

namespace {
int64_t nowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}
}

IoWatch::IoWatch(std::chrono::milliseconds stallLimit, const std::atomic<bool> *stop)
    : stallLimit_(stallLimit), stop_(stop)
{
    touch();
}

void IoWatch::touch()
{
    deadlineNs_.store(nowNs() + std::chrono::duration_cast<std::chrono::nanoseconds>(stallLimit_).count(),
                      std::memory_order_relaxed);
}

bool IoWatch::stopRequested() const
{
    return stop_ && stop_->load(std::memory_order_relaxed);
}

bool IoWatch::shouldAbort() const
{
    return stopRequested() || nowNs() > deadlineNs_.load(std::memory_order_relaxed);
}

AVIOInterruptCB IoWatch::callback()
{
    return AVIOInterruptCB{&IoWatch::onInterrupt, this};
}

int IoWatch::onInterrupt(void *opaque)
{
    return static_cast<IoWatch *>(opaque)->shouldAbort() ? 1 : 0;
}
