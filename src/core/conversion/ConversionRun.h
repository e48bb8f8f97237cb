#pragma once

#include "ClipParameters.h"
#include "ConversionJob.h"
#include "EngineSession.h"

#include "abi/DVDEncoder.h"

#include <atomic>
#include <mutex>
#include <optional>

// How a run ended; any other value is an engine result after a stop (0 when it returned normally).
namespace RunOutcome {
enum : int { AllDone = 1, EngineMissing = 2, Failed = -1, Stopped = 0 };
}

// What a run tells whoever shows it. Every call comes from the thread that runs it, in this order
// per clip: ClipStarting, then (when the engine loaded and no stop came meanwhile)
// EngineCallStarting and EngineCallEnded; RunFinished is the last call of the run.
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
    ConversionRun(const ConversionRun &) = delete;
    ConversionRun &operator=(const ConversionRun &) = delete;

    const ConversionJob &Job() const { return job_; }

    // Returns the outcome, which it also hands to observer.RunFinished as its last act.
    int Run(RunObserver &observer);

    // Progress of the clip being converted; nothing between clips.
    std::optional<EngineProgress> Poll() { return engine_.Poll(); }
    bool EngineLoaded() const { return engine_.IsLoaded(); }
    // Stops the clip being converted (it is finished properly and still gets its thumbnail when
    // the engine left a file) and takes no further clip. It holds for the rest of the run: a clip
    // whose engine is loading is not converted, and one whose conversion is only beginning (the
    // engine refuses a stop until then) is stopped once the engine says it may be.
    void RequestStop();
    bool StopRequested() const { return stopRequested_; }
    // On the run's thread, from EngineCallEnded until the next clip: why the engine failed the clip.
    QString EngineFailureReason() const { return engine_.FailureReason(); }

private:
    // The window handle the engine posts to during a conversion: passes every message on to the
    // observer's, and gives a stop that the engine refused again when it says it may be stopped.
    struct EngineWindow : MessageTarget {
        ConversionRun *run = nullptr;
        MessageTarget *observer = nullptr;
    };
    static void PostFromEngine(MessageTarget *self, uint32_t message, intptr_t wparam, intptr_t lparam);
    void StopEngine();
    bool ConversionStopped() const;

    // The outcome of one clip; none when a stop came before its conversion began.
    std::optional<int> ConvertClip(const ClipJob &clip, RunObserver &observer);

    const ConversionJob job_;
    EngineSession engine_;
    EngineWindow engineWindow_;
    std::atomic<bool> stopRequested_{false};
    // The engine took a stop during a conversion: that clip is shorter, whatever the engine returned.
    // Set together with the engine's stop under the mutex, since the conversion may return before
    // the stop call does, and read under it.
    mutable std::mutex stopMutex_;
    bool conversionStopped_ = false;
};
