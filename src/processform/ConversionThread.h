#pragma once

#include "core/conversion/ConversionRun.h"

#include <functional>
#include <memory>
#include <thread>

class QObject;

// A run on a worker thread of its own. What the run reports is carried out on the thread of
// `context` (the conversion window) through its event queue, in the order reported; the end of
// the run arrives as the window message 2023 with the outcome, posted to `window`. The context
// must outlive this object.
class ConversionThread : private RunObserver {
public:
    struct Display {
        std::function<void(const ClipJob &clip, const ClipPlan &plan)> clipStarting;
        std::function<void()> engineCallStarting;
        std::function<void()> engineCallEnded;
    };

    static constexpr uint32_t RunFinishedMessage = 2023;

    // Starts the run at once.
    ConversionThread(ConversionJob job, QObject *context, MessageTarget *window, Display display);
    // Stops a run still going and waits for its thread.
    ~ConversionThread() override;
    ConversionThread(const ConversionThread &) = delete;
    ConversionThread &operator=(const ConversionThread &) = delete;

    ConversionRun &Run() { return run_; }
    // Waits for the thread; after message 2023 it has nothing left to do.
    void Join();

private:
    MessageTarget *EngineWindow() override { return window_; }
    void ClipStarting(const ClipJob &clip, const ClipPlan &plan) override;
    void EngineCallStarting() override;
    void EngineCallEnded() override;
    void RunFinished(int outcome) override;
    void Queue(std::function<void()> call);

    ConversionRun run_;
    QObject *context_;  // outlives this object
    MessageTarget *window_;
    Display display_;
    std::thread thread_;
};
