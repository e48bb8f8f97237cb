// The one conversion the engine runs at a time: its progress, read from another thread, and the
// stop request that ends it early.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>

class RunState {
public:
    static RunState &instance();

    // False when a conversion is already running.
    bool begin();
    void end();
    bool running() const { return running_; }

    void requestStop() { stop_ = true; }
    const std::atomic<bool> &stopFlag() const { return stop_; }
    bool stopRequested() const { return stop_; }

    // One more frame went to the encoder; `frameRate` converts frames into seconds done.
    void frameEncoded(double frameRate);
    // seconds done since the clip start, frames per second (0 while seeking), frame number.
    void read(int32_t info[4]) const;

private:
    std::atomic<bool> running_{false};
    std::atomic<bool> stop_{false};
    std::atomic<int32_t> frames_{0};
    std::atomic<int32_t> seconds_{0};
    std::atomic<int32_t> fps_{0};
    std::chrono::steady_clock::time_point firstFrame_{};
};
