// The preview's frame grabber: a thread of its own that opens a file, then delivers the frame at
// each requested second into the picture store and tells the window through posted messages.
#pragma once

#include "DVDEncoder.h"

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

class FrameGrabber {
public:
    static FrameGrabber &instance();
    ~FrameGrabber();

    // Returns at once; posts 2312 when requests can be made (also when the file cannot be read:
    // each request then answers 2412 with 0).
    int start(MessageTarget *window, const char *path);
    // Posts 2412 with 1 once the frame shown at that second is in the picture store, 0 if none came.
    int request(int32_t second);
    // Returns at once. The thread lets go of the file and posts 2512 as its last act; nothing
    // comes from it after that.
    int stop();

private:
    void run(MessageTarget *window, std::string path);
    void serve(MessageTarget *window, const std::string &path);
    // Ends the thread without a message and waits for it (a new start, the process's end).
    void end();

    std::mutex mutex_;
    std::condition_variable wake_;
    std::optional<int32_t> pending_;
    bool quit_ = false;
    bool announceClose_ = false;
    std::atomic<bool> quitFlag_{false};
    std::thread thread_;
};
