#include "FrameGrabberSession.h"

#include "core/EnginePixels.h"

#include <QCoreApplication>
#include <QFile>
#include <QTimer>

namespace {
// The close's wait: at most 100 ms (less when an event comes), then every pending window event.
void WaitAndHandleEvents()
{
    QTimer tick;
    tick.setSingleShot(true);
    tick.start(100);
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}
}

FrameGrabberSession::FrameGrabberSession(MessageTarget *window)
    : window_(window)
{
}

FrameGrabberSession::State FrameGrabberSession::CurrentState() const
{
    if (closing_)
        return State::Closing;
    if (!IsOpen())
        return State::Closed;
    if (ready_)
        return requestPending_ ? State::Requesting : State::Showing;
    return initSent_ ? State::Opening : State::Closed;
}

bool FrameGrabberSession::Open()
{
    return library_.IsLoaded() || library_.Load(EngineLibrary::PreviewEntries);
}

void FrameGrabberSession::Init(TVideoInfo *clip, int second)
{
    clip_ = clip;
    initSent_ = true;
    requestPending_ = false;
    lastFrameTime_ = 0;
    const QByteArray path = QFile::encodeName(clip->SourcePath());
    library_.X_GetFrame_Init(window_, 2, path.constData(), "", QByteArray::number(second).constData());
}

void FrameGrabberSession::Request(int second)
{
    requestPending_ = true;
    library_.X_Set_NextFrame_Time(second);
}

QImage FrameGrabberSession::Grab(int width, int height)
{
    if (!IsOpen())
        return {};
    const uint8_t *pixels = nullptr;
    int32_t frameTime = 0;
    library_.X_Get_Frame(width, height, nullptr, &pixels, &frameTime);
    lastFrameTime_ = frameTime;
    if (width <= 0 || height <= 0)
        return {};
    return PictureFromEnginePixels(pixels, QSize(width, height));
}

bool FrameGrabberSession::ReadyArrived()
{
    if (!IsOpen())
        return false;
    ready_ = true;
    closed_ = false;
    initSent_ = false;
    return true;
}

void FrameGrabberSession::FrameArrived()
{
    requestPending_ = false;
}

void FrameGrabberSession::ClosedArrived()
{
    ready_ = false;
    closed_ = true;
    initSent_ = false;
    requestPending_ = false;
}

void FrameGrabberSession::Close()
{
    if (!IsOpen() || closeGuard_)
        return;
    closeGuard_ = true;
    while (initSent_ && !ready_)
        WaitAndHandleEvents();
    // A grabber the engine ended by itself has nothing left to answer an un-init.
    if (ready_) {
        closed_ = false;
        closing_ = true;
        library_.X_GetFrame_UnInit();
        while (!closed_)
            WaitAndHandleEvents();
        closing_ = false;
    }
    ready_ = false;
    initSent_ = false;
    requestPending_ = false;
    clip_ = nullptr;
    library_.Release();
    closeGuard_ = false;
}
