#include "ConversionRun.h"

#include "platform/FloatingPoint.h"
#include "platform/LogCategories.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QByteArray engineText(const QString &text)
{
    return QFile::encodeName(text);
}

bool endsRun(int outcome)
{
    return outcome == RunOutcome::AllDone || outcome == RunOutcome::EngineMissing || outcome == RunOutcome::Failed;
}

} // namespace

ConversionRun::ConversionRun(ConversionJob job)
    : job_(std::move(job))
    , engine_(job_.enginePath)
{
    engineWindow_.post = &ConversionRun::PostFromEngine;
    engineWindow_.run = this;
}

void ConversionRun::RequestStop()
{
    stopRequested_ = true;
    StopEngine();
}

void ConversionRun::StopEngine()
{
    const std::lock_guard lock(stopMutex_);
    if (engine_.Stop())
        conversionStopped_ = true;
}

bool ConversionRun::ConversionStopped() const
{
    const std::lock_guard lock(stopMutex_);
    return conversionStopped_;
}

void ConversionRun::PostFromEngine(MessageTarget *self, uint32_t message, intptr_t wparam, intptr_t lparam)
{
    auto *window = static_cast<EngineWindow *>(self);
    // The engine has begun and takes a stop from now on: one it refused while it was starting
    // is given again.
    if (message == DVDENCODER_MSG_READY && window->run->stopRequested_)
        window->run->StopEngine();
    if (window->observer)
        window->observer->post(window->observer, message, wparam, lparam);
}

int ConversionRun::Run(RunObserver &observer)
{
    MaskFloatingPointExceptions();
    engineWindow_.observer = observer.EngineWindow();
    int outcome = RunOutcome::Failed;
    for (qsizetype next = 0;; ++next) {
        // The folder is made before each clip, so one removed during the run comes back.
        if (!QFileInfo(job_.outputFolder).isDir())
            QDir().mkdir(job_.outputFolder);
        if (next >= job_.clips.size()) {
            outcome = RunOutcome::AllDone;
            break;
        }
        // A stop that came once the engine had returned (during a thumbnail) ends the run here only
        // when clips are left; after the last one the run is complete.
        const std::optional<int> clipOutcome =
            stopRequested_ ? std::nullopt : ConvertClip(job_.clips[next], observer);
        if (!clipOutcome) {
            outcome = RunOutcome::Stopped;
            break;
        }
        outcome = *clipOutcome;
        if (endsRun(outcome) || ConversionStopped())
            break;
    }
    observer.RunFinished(outcome);
    return outcome;
}

std::optional<int> ConversionRun::ConvertClip(const ClipJob &clip, RunObserver &observer)
{
    const ClipPlan plan = PlanClip(clip, job_.settings, job_.outputFolder, job_.minDuration);
    observer.ClipStarting(clip, plan);
    if (!engine_.Load()) {
        qCWarning(lcRun) << "no conversion engine to convert" << clip.sourcePath;
        return RunOutcome::EngineMissing;
    }
    // The engine refuses a stop while nothing runs, as while it was loading.
    if (stopRequested_) {
        engine_.Release();
        return std::nullopt;
    }
    const QString &outputPath = plan.parameters[ClipParameter::OutputPath];
    qCDebug(lcRun) << "converting" << clip.sourcePath << "into" << outputPath;

    std::array<QByteArray, ClipParameter::Count> texts;
    for (int i = 0; i < ClipParameter::Count; ++i)
        texts[size_t(i)] = engineText(plan.parameters[size_t(i)]);
    observer.EngineCallStarting();
    int outcome = engine_.Convert(&engineWindow_, texts, job_.stamp);
    observer.EngineCallEnded();
    if (outcome == RunOutcome::Failed)
        qCWarning(lcRun) << "the engine could not convert" << clip.sourcePath << "with"
                         << QStringList(plan.parameters.begin(), plan.parameters.end()).join(u'|');

    // A stop before the first picture leaves no file, and a thumbnail would go with nothing.
    if (outcome == 0 && QFileInfo::exists(outputPath) && !QFileInfo::exists(plan.thumbnailPath)) {
        outcome = engine_.MakeThumbnail(observer.EngineWindow(), texts[ClipParameter::SourcePath],
                                        engineText(plan.thumbnailTitleNumber), engineText(plan.thumbnailSecond),
                                        engineText(plan.thumbnailPath), job_.stamp);
        if (outcome != 0)
            qCWarning(lcRun) << "the engine could not make the thumbnail" << plan.thumbnailPath;
    }
    engine_.Release();
    return outcome;
}
