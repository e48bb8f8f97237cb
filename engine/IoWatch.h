// Lets FFmpeg give up a blocked or endless read or write: when the owner asks to stop, or when no
// progress was reported for longer than the stall limit.
#pragma once

extern "C" {
#include <libavformat/avio.h>
}

#include <atomic>
#include <chrono>
#include <cstdint>

class IoWatch {
public:
    explicit IoWatch(std::chrono::milliseconds stallLimit, const std::atomic<bool> *stop = nullptr);
    IoWatch(const IoWatch &) = delete;
    IoWatch &operator=(const IoWatch &) = delete;

    void touch();
    bool shouldAbort() const;
    bool stopRequested() const;
    AVIOInterruptCB callback();

private:
    static int onInterrupt(void *opaque);

    std::chrono::milliseconds stallLimit_;
    const std::atomic<bool> *stop_;
    std::atomic<int64_t> deadlineNs_{0};
};
