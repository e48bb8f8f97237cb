// The engine loaded the way the program loads it: dlopen of the application folder's library and
// every entry point bound by name.
#pragma once

#include "abi/EngineEntryPoints.h"

#include <condition_variable>
#include <mutex>
#include <optional>
#include <vector>

struct EngineLibrary : EngineEntryPoints {
    static const EngineLibrary &get();
};

struct PostedMessage {
    uint32_t msg;
    intptr_t wparam;
};

// A window handle that records what the engine posts, from whichever thread.
struct RecordingWindow : MessageTarget {
    RecordingWindow();
    // The first message numbered `msg` not taken yet; nothing if none came within the time limit.
    std::optional<PostedMessage> take(uint32_t msg, int timeoutMs = 60000);
    std::vector<PostedMessage> all();

private:
    static void onPost(MessageTarget *self, uint32_t msg, intptr_t wparam, intptr_t lparam);
    std::mutex mutex_;
    std::condition_variable posted_;
    std::vector<PostedMessage> messages_;
    std::vector<bool> taken_;
};
