#include "IoWatch.h"

#include <cstdlib>

namespace {
int64_t nowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}
}

std::chrono::seconds IoWatch::stallLimit()
{
    static const std::chrono::seconds limit = [] {
        constexpr int kLongest = 30;
        const char *text = std::getenv("POCKETREEL_ENGINE_STALL_SECONDS");
        const int asked = text ? std::atoi(text) : 0;
        return std::chrono::seconds(asked >= 1 && asked < kLongest ? asked : kLongest);
    }();
    return limit;
}

IoWatch::IoWatch(const std::atomic<bool> *stop)
    : limitNs_(std::chrono::duration_cast<std::chrono::nanoseconds>(stallLimit()).count()), stop_(stop)
{
    touch();
}

void IoWatch::touch()
{
    deadlineNs_.store(nowNs() + limitNs_, std::memory_order_relaxed);
}

void IoWatch::watchReads(const AVIOContext *source)
{
    source_ = source;
    bytesSeen_ = source ? source->bytes_read : 0;
}

bool IoWatch::stopRequested() const
{
    return stop_ && stop_->load(std::memory_order_relaxed);
}

// Called on the thread that reads through the watched source, between its reads.
bool IoWatch::shouldAbort()
{
    if (stopRequested() || stalled())
        return true;
    if (source_ && source_->bytes_read != bytesSeen_) {
        bytesSeen_ = source_->bytes_read;
        touch();
        return false;
    }
    if (nowNs() <= deadlineNs_.load(std::memory_order_relaxed))
        return false;
    stalled_.store(true, std::memory_order_relaxed);
    return true;
}

AVIOInterruptCB IoWatch::callback()
{
    return AVIOInterruptCB{&IoWatch::onInterrupt, this};
}

int IoWatch::onInterrupt(void *opaque)
{
    return static_cast<IoWatch *>(opaque)->shouldAbort() ? 1 : 0;
}
