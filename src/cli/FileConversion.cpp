#include "FileConversion.h"

#include "Console.h"
#include "ProgressText.h"
#include "StopSignal.h"
#include "core/conversion/ConversionRun.h"

#include <QElapsedTimer>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace {

// Twice the window's rate: the line moves smoothly and a stop signal is passed on at once.
constexpr auto PollInterval = std::chrono::milliseconds(250);
// Without a terminal, a line at every tenth of the way.
constexpr int PlainStep = 10;

// What the worker reports, for the thread that shows it.
class RunWatch : public RunObserver {
public:
    explicit RunWatch(const ConversionRun &run) : run_(run) {}

    MessageTarget *EngineWindow() override { return nullptr; }  // stopping needs no message here

    void ClipStarting(const ClipJob &clip, const ClipPlan &plan) override
    {
        const std::lock_guard lock(mutex_);
        totalSeconds_ = plan.length > 0 ? plan.length : clip.duration - clip.startTime;
    }
    void EngineCallStarting() override
    {
        const std::lock_guard lock(mutex_);
        converting_ = true;
        clock_.start();
    }
    void EngineCallEnded() override
    {
        const QString reason = run_.EngineFailureReason();
        const std::lock_guard lock(mutex_);
        converting_ = false;
        failureReason_ = reason;
    }
    void RunFinished(int) override
    {
        {
            const std::lock_guard lock(mutex_);
            finished_ = true;
        }
        changed_.notify_all();
    }

    // True once the run has finished.
    bool WaitForEnd(std::chrono::milliseconds timeout)
    {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, timeout, [this] { return finished_; });
    }
    bool Converting() const
    {
        const std::lock_guard lock(mutex_);
        return converting_;
    }
    QString FailureReason() const
    {
        const std::lock_guard lock(mutex_);
        return failureReason_;
    }
    ConversionProgress Progress(const EngineProgress &engine) const
    {
        const std::lock_guard lock(mutex_);
        return {engine.secondsDone, engine.fps, engine.frame, clock_.elapsed(), totalSeconds_};
    }

private:
    const ConversionRun &run_;
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    bool finished_ = false;
    bool converting_ = false;
    int totalSeconds_ = 0;
    QElapsedTimer clock_;
    QString failureReason_;
};

} // namespace

FileOutcome ConvertWithProgress(const ConversionJob &job, const QString &label, Console &console)
{
    ConversionRun run(job);
    RunWatch watch(run);
    FileOutcome result;
    std::thread worker([&] { result.outcome = run.Run(watch); });

    bool stopAnnounced = false;
    int plainShown = -1;
    while (!watch.WaitForEnd(PollInterval)) {
        if (StopSignal::Received() != 0) {
            if (!stopAnnounced)
                console.Status(label, QStringLiteral("stopping: the engine finishes the file..."));
            stopAnnounced = true;
            // Repeated until the run ends: a stop that reaches the engine before its conversion
            // has begun would be lost.
            run.RequestStop();
            continue;
        }
        if (!watch.Converting())
            continue;
        const std::optional<EngineProgress> engine = run.Poll();
        if (!engine)
            continue;
        const ConversionProgress progress = watch.Progress(*engine);
        result.secondsDone = progress.secondsDone;
        if (!console.ErrorIsTerminal()) {
            const int step = PercentDone(progress) / PlainStep;
            if (progress.frame == 0 || step == plainShown)
                continue;
            plainShown = step;
        }
        console.Status(label, ProgressText(progress));
    }
    worker.join();
    result.failureReason = watch.FailureReason();
    return result;
}
