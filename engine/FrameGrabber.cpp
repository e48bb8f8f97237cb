#include "FrameGrabber.h"

#include "InputFile.h"
#include "Orientation.h"
#include "PictureStore.h"
#include "VideoFrameReader.h"

extern "C" {
#include <libavutil/cpu.h>
}

#include <algorithm>

namespace {
void post(MessageTarget *window, uint32_t msg, intptr_t wparam)
{
    if (window && window->post)
        window->post(window, msg, wparam, 0);
}
}

FrameGrabber &FrameGrabber::instance()
{
    static FrameGrabber grabber;
    return grabber;
}

FrameGrabber::~FrameGrabber()
{
    end();
}

int FrameGrabber::start(MessageTarget *window, const char *path)
{
    end();
    std::lock_guard lock(mutex_);
    quit_ = false;
    announceClose_ = false;
    quitFlag_ = false;
    pending_.reset();
    thread_ = std::thread(&FrameGrabber::run, this, window, std::string(path ? path : ""));
    return 0;
}

int FrameGrabber::request(int32_t second)
{
    std::lock_guard lock(mutex_);
    if (!thread_.joinable() || quit_)
        return -1;
    pending_ = second;
    wake_.notify_one();
    return 0;
}

int FrameGrabber::stop()
{
    std::lock_guard lock(mutex_);
    if (!thread_.joinable() || quit_)
        return -1;
    quit_ = true;
    quitFlag_ = true;
    announceClose_ = true;
    wake_.notify_one();
    return 0;
}

void FrameGrabber::end()
{
    std::thread finishing;
    {
        std::lock_guard lock(mutex_);
        quit_ = true;
        quitFlag_ = true;
        wake_.notify_one();
        finishing = std::move(thread_);
    }
    if (finishing.joinable())
        finishing.join();
}

void FrameGrabber::run(MessageTarget *window, std::string path)
{
    serve(window, path);
    bool announce = false;
    {
        std::lock_guard lock(mutex_);
        announce = announceClose_;
    }
    // The file and the decoder are closed by now: the window may release the library at once.
    if (announce)
        post(window, DVDENCODER_MSG_GRABBER_CLOSED, 0);
}

void FrameGrabber::serve(MessageTarget *window, const std::string &path)
{
    IoWatch watch(&quitFlag_);
    InputFile input;
    VideoFrameReader reader(input);
    // A frame thread a core. libavcodec's own count adds one more, and every frame thread holds one
    // more frame to decode past the requested one before it comes out: measured slower here.
    const int threads = std::max(1, av_cpu_count());
    const bool usable = input.open(path.c_str(), watch) >= 0 && reader.open(threads) >= 0;
    const Orientation orientation = orientationOf(input.videoStream());
    post(window, DVDENCODER_MSG_READY, 0);

    FramePtr frame = makeFrame();
    for (;;) {
        int32_t second = 0;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return quit_ || pending_.has_value(); });
            if (quit_)
                return;
            second = *pending_;
            pending_.reset();
        }
        bool delivered = false;
        if (usable && reader.frameAt(second, frame.get()) >= 0 && orientFrame(frame.get(), orientation) >= 0) {
            // A grabber told to stop leaves the store alone: the program may be adding a file,
            // whose picture is in there.
            std::lock_guard lock(mutex_);
            if (quit_)
                return;
            PictureStore::instance().replace(frame.get(), second);
            delivered = true;
        }
        if (quitFlag_)
            return;
        post(window, DVDENCODER_MSG_FRAME, delivered ? 1 : 0);
    }
}
