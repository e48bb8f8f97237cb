// libFuzzer target: whatever bytes a file holds, the frame grabber opened on it answers each
// message (2312, then 2412 for every request, 2512 after closing) in time, and never crashes,
// leaks or hangs.
#include "DVDEncoder.h"

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

// A window that counts what the grabber posts to it.
struct CountingWindow : MessageTarget {
    CountingWindow() { post = &CountingWindow::onPost; }

    static void onPost(MessageTarget *self, uint32_t msg, intptr_t, intptr_t)
    {
        auto *window = static_cast<CountingWindow *>(self);
        const std::lock_guard lock(window->mutex);
        window->received.push_back(msg);
        window->arrived.notify_all();
    }

    // Waits for the next message numbered `msg`; traps when it does not come (a hang).
    void expect(uint32_t msg)
    {
        std::unique_lock lock(mutex);
        if (!arrived.wait_for(lock, std::chrono::seconds(20), [&] {
                for (size_t i = taken; i < received.size(); ++i)
                    if (received[i] == msg) {
                        taken = i + 1;
                        return true;
                    }
                return false;
            }))
            __builtin_trap();
    }

    std::mutex mutex;
    std::condition_variable arrived;
    std::vector<uint32_t> received;
    size_t taken = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const std::string path = "/dev/shm/pocketreel-grabber-fuzz-" + std::to_string(::getpid());
    if (std::FILE *f = std::fopen(path.c_str(), "wb")) {
        std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
    CountingWindow window;
    if (X_GetFrame_Init(&window, 2, path.c_str(), "", "0") != 0)
        __builtin_trap();
    window.expect(DVDENCODER_MSG_READY);
    for (int32_t second : {1, 0, 3}) {
        if (X_Set_NextFrame_Time(second) != 0)
            __builtin_trap();
        window.expect(DVDENCODER_MSG_FRAME);
        const uint8_t *pixels = nullptr;
        int32_t frameTime = 0;
        X_Get_Frame(240, 180, nullptr, &pixels, &frameTime);
    }
    X_GetFrame_UnInit();
    window.expect(DVDENCODER_MSG_GRABBER_CLOSED);
    return 0;
}
