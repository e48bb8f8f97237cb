// How long the window thread takes to get to an event: a thread of its own posts a stamped event
// every few milliseconds to an object living on the window thread, which notes the delay.
#pragma once

#include "BenchStats.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QObject>
#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

class EventLatencyProbe : public QObject {
public:
    explicit EventLatencyProbe(int intervalMs = 5) : intervalMs_(intervalMs) { clock_.start(); }
    ~EventLatencyProbe() override { Stop(); }

    void Start()
    {
        latenciesMs_.clear();
        running_ = true;
        poster_ = std::thread([this] {
            while (running_) {
                QCoreApplication::postEvent(this, new Stamp(clock_.nsecsElapsed()));
                std::this_thread::sleep_for(std::chrono::milliseconds(intervalMs_));
            }
        });
    }

    void Stop()
    {
        running_ = false;
        if (poster_.joinable())
            poster_.join();
        QCoreApplication::removePostedEvents(this);
    }

    // The p-th fraction of the delays seen since Start(), in ms.
    double Percentile(double p) const { return ::Percentile(latenciesMs_, p); }
    size_t Count() const { return latenciesMs_.size(); }

protected:
    bool event(QEvent *event) override
    {
        if (event->type() != StampType())
            return QObject::event(event);
        latenciesMs_.push_back(double(clock_.nsecsElapsed() - static_cast<Stamp *>(event)->posted) / 1e6);
        return true;
    }

private:
    static QEvent::Type StampType()
    {
        static const auto type = QEvent::Type(QEvent::registerEventType());
        return type;
    }
    struct Stamp : QEvent {
        explicit Stamp(qint64 at) : QEvent(StampType()), posted(at) {}
        qint64 posted;
    };

    int intervalMs_;
    QElapsedTimer clock_;
    std::atomic<bool> running_{false};
    std::thread poster_;
    std::vector<double> latenciesMs_;
};
