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
}

void ConversionRun::RequestStop()
{
    stopRequested_ = true;
    engine_.Stop();
}

int ConversionRun::Run(RunObserver &observer)
{
    MaskFloatingPointExceptions();
    int outcome = RunOutcome::Failed;
    qsizetype next = 0;
    while (!stopRequested_) {
        // The folder is made before each clip, so one removed during the run comes back.
        if (!QFileInfo(job_.outputFolder).isDir())
            QDir().mkdir(job_.outputFolder);
        if (next >= job_.clips.size()) {
            outcome = RunOutcome::AllDone;
            break;
        }
        outcome = ConvertClip(job_.clips[next++], observer);
        if (endsRun(outcome))
            break;
    }
    observer.RunFinished(outcome);
    return outcome;
}

int ConversionRun::ConvertClip(const ClipJob &clip, RunObserver &observer)
{
    const ClipPlan plan = PlanClip(clip, job_.settings, job_.outputFolder, job_.minDuration);
    observer.ClipStarting(clip, plan);
    if (!engine_.Load()) {
        qCWarning(lcRun) << "no conversion engine to convert" << clip.sourcePath;
        return RunOutcome::EngineMissing;
    }
    qCDebug(lcRun) << "converting" << clip.sourcePath << "into" << plan.parameters[ClipParameter::OutputPath];

    std::array<QByteArray, ClipParameter::Count> texts;
    for (int i = 0; i < ClipParameter::Count; ++i)
        texts[size_t(i)] = engineText(plan.parameters[size_t(i)]);
    observer.EngineCallStarting();
    int outcome = engine_.Convert(observer.EngineWindow(), texts, job_.stamp);
    observer.EngineCallEnded();
    if (outcome == RunOutcome::Failed)
        qCWarning(lcRun) << "the engine could not convert" << clip.sourcePath << "with"
                         << QStringList(plan.parameters.begin(), plan.parameters.end()).join(u'|');

    if (outcome == 0 && !QFileInfo::exists(plan.thumbnailPath)) {
        outcome = engine_.MakeThumbnail(observer.EngineWindow(), texts[ClipParameter::SourcePath],
                                        engineText(plan.thumbnailTitleNumber), engineText(plan.thumbnailSecond),
                                        engineText(plan.thumbnailPath), job_.stamp);
        if (outcome != 0)
            qCWarning(lcRun) << "the engine could not make the thumbnail" << plan.thumbnailPath;
    }
    engine_.Release();
    return outcome;
}
