// Lets FFmpeg give up a blocked or endless read or write: when the owner asks to stop, or when for
// longer than the stall limit no data came in (a watched source's reads) or no progress was reported.
// A slow disk or share that keeps delivering, however slowly, is waited for.
#pragma once

extern "C" {
#include <libavformat/avio.h>
}

#include <atomic>
#include <chrono>
#include <cstdint>

class IoWatch {
public:
    // 30 s; the environment variable POCKETREEL_ENGINE_STALL_SECONDS (1 to 30) shortens it, so the
    // tests of slow and stalled sources take seconds, not minutes.
    static std::chrono::seconds stallLimit();

    explicit IoWatch(const std::atomic<bool> *stop = nullptr);
    IoWatch(const IoWatch &) = delete;
    IoWatch &operator=(const IoWatch &) = delete;

    // Counts the stall limit from now: data or progress came, or the owner begins to wait for some.
    void touch();
    // Every byte read through `source` counts as data; nullptr stops watching it.
    void watchReads(const AVIOContext *source);
    bool shouldAbort();
    bool stopRequested() const;
    // The watch gave up because nothing came for the stall limit (not because of a stop). It stays
    // given up: every later read fails at once, so a stalled source fails once, not at every retry.
    bool stalled() const { return stalled_.load(std::memory_order_relaxed); }
    AVIOInterruptCB callback();

private:
    static int onInterrupt(void *opaque);

    const int64_t limitNs_;
    const std::atomic<bool> *stop_;
    std::atomic<int64_t> deadlineNs_{0};
    std::atomic<bool> stalled_{false};
    const AVIOContext *source_ = nullptr;
    int64_t bytesSeen_ = 0;
};
