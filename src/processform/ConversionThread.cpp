#include "ConversionThread.h"

#include <QMetaObject>
#include <QObject>

ConversionThread::ConversionThread(ConversionJob job, QObject *context, MessageTarget *window, Display display)
    : run_(std::move(job))
    , context_(context)
    , window_(window)
    , display_(std::move(display))
{
    thread_ = std::thread([this] { run_.Run(*this); });
}

ConversionThread::~ConversionThread()
{
    if (thread_.joinable()) {
        run_.RequestStop();
        thread_.join();
    }
}

void ConversionThread::Join()
{
    if (thread_.joinable())
        thread_.join();
}

void ConversionThread::Queue(std::function<void()> call)
{
    // Calls still queued when the context goes are dropped with it.
    QMetaObject::invokeMethod(context_, std::move(call), Qt::QueuedConnection);
}

void ConversionThread::ClipStarting(const ClipJob &clip, const ClipPlan &plan)
{
    Queue([show = display_.clipStarting, clip, plan] { show(clip, plan); });
}

void ConversionThread::EngineCallStarting()
{
    Queue(display_.engineCallStarting);
}

void ConversionThread::EngineCallEnded()
{
    Queue(display_.engineCallEnded);
}

void ConversionThread::RunFinished(int outcome)
{
    if (window_)
        window_->post(window_, RunFinishedMessage, outcome, 0);
}
