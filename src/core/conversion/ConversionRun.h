#pragma once

#include "ClipParameters.h"
#include "ConversionJob.h"
#include "EngineSession.h"

#include <atomic>
#include <optional>

struct MessageTarget;

// How a run ended; any other value is an engine result after a stop (0 when it returned normally).
namespace RunOutcome {
enum : int { AllDone = 1, EngineMissing = 2, Failed = -1, Stopped = 0 };
}

// What a run tells whoever shows it. Every call comes from the thread that runs it, in this order
// per clip: ClipStarting, then (when the engine loaded) EngineCallStarting and EngineCallEnded;
// RunFinished is the last call of the run.
class RunObserver {
public:
    virtual ~RunObserver() = default;

    // The window handle the engine posts to during a conversion (2312: it may now be stopped).
    virtual MessageTarget *EngineWindow() = 0;
    virtual void ClipStarting(const ClipJob &clip, const ClipPlan &plan) = 0;
    // The engine is loaded and the conversion begins: it cannot be stopped until the engine says
    // so, and progress may be polled.
    virtual void EngineCallStarting() = 0;
    virtual void EngineCallEnded() = 0;
    virtual void RunFinished(int outcome) = 0;
};

// One run over a job: its clips converted one after another through the engine, each with its
// thumbnail. Run() works on the calling thread (the worker) and reads only the job; Poll() and
// RequestStop() may come from any other thread meanwhile.
class ConversionRun {
public:
    explicit ConversionRun(ConversionJob job);

    const ConversionJob &Job() const { return job_; }

    // Returns the outcome, which it also hands to observer.RunFinished as its last act.
    int Run(RunObserver &observer);

    // Progress of the clip being converted; nothing between clips.
    std::optional<EngineProgress> Poll() { return engine_.Poll(); }
    bool EngineLoaded() const { return engine_.IsLoaded(); }
    // Stops the clip being converted (it is finished properly and still gets its thumbnail) and
    // takes no further clip.
    void RequestStop();
    bool StopRequested() const { return stopRequested_; }

private:
    // The outcome of one clip.
    int ConvertClip(const ClipJob &clip, RunObserver &observer);

    const ConversionJob job_;
    EngineSession engine_;
    std::atomic<bool> stopRequested_{false};
};
