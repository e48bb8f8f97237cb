#include "RunState.h"

#include <algorithm>
#include <cmath>

RunState &RunState::instance()
{
    static RunState state;
    return state;
}

bool RunState::begin()
{
    bool expected = false;
    if (!running_.compare_exchange_strong(expected, true))
        return false;
    stop_ = false;
    frames_ = 0;
    seconds_ = 0;
    fps_ = 0;
    return true;
}

void RunState::end()
{
    running_ = false;
}

void RunState::frameEncoded(double frameRate)
{
    const auto now = std::chrono::steady_clock::now();
    const int32_t n = ++frames_;
    if (n == 1)
        firstFrame_ = now;
    seconds_ = static_cast<int32_t>(n / frameRate);
    const double elapsed = std::chrono::duration<double>(now - firstFrame_).count();
    if (n > 1 && elapsed > 0)
        fps_ = std::max(1, static_cast<int32_t>(std::lround((n - 1) / elapsed)));
}

void RunState::read(int32_t info[4]) const
{
    info[0] = seconds_;
    info[1] = fps_;
    info[2] = frames_;
    info[3] = 0;
}
