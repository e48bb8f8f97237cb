#include "EngineLibrary.h"

#include <dlfcn.h>
#include <stdexcept>
#include <string>

const EngineLibrary &EngineLibrary::get()
{
    static const EngineLibrary library = [] {
        void *handle = dlopen(ENGINE_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL);
        if (!handle)
            throw std::runtime_error(dlerror());
        EngineLibrary l;
        if (const char *missing = bindEngineEntries(handle, AllEngineEntries, l))
            throw std::runtime_error(std::string("missing entry point ") + missing);
        return l;
    }();
    return library;
}

RecordingWindow::RecordingWindow()
{
    post = &RecordingWindow::onPost;
}

void RecordingWindow::onPost(MessageTarget *self, uint32_t msg, intptr_t wparam, intptr_t)
{
    auto *w = static_cast<RecordingWindow *>(self);
    std::lock_guard lock(w->mutex_);
    w->messages_.push_back({msg, wparam});
    w->taken_.push_back(false);
    w->posted_.notify_all();
}

std::optional<PostedMessage> RecordingWindow::take(uint32_t msg, int timeoutMs)
{
    std::unique_lock lock(mutex_);
    std::optional<PostedMessage> found;
    posted_.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] {
        for (size_t i = 0; i < messages_.size(); ++i)
            if (!taken_[i] && messages_[i].msg == msg) {
                taken_[i] = true;
                found = messages_[i];
                return true;
            }
        return false;
    });
    return found;
}

std::vector<PostedMessage> RecordingWindow::all()
{
    std::lock_guard lock(mutex_);
    return messages_;
}
