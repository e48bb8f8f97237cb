#include "ClipJobs.h"

#include "core/AppGlobals.h"
#include "core/ClipList.h"
#include "core/TVideoInfo.h"
#include "core/profiles/ProfileFiles.h"
#include "engine/EngineLibrary.h"

ClipJob ClipJobOf(const TVideoInfo &clip, int position)
{
    ClipJob job;
    job.sourcePath = clip.SourcePath();
    job.titleNumber = clip.TitleNumber();
    job.duration = clip.Duration();
    job.startTime = clip.StartTime();
    job.endTime = clip.EndTime();
    job.videoWidth = clip.VideoWidth();
    job.videoHeight = clip.VideoHeight();
    job.aspectIndex = clip.AspectIndex();
    job.displayAspect = clip.DisplayAspect();
    job.audioStreams = clip.AudioStreams();
    job.subtitleStreams = clip.SubtitleStreams();
    job.audioIndex = clip.AudioIndex();
    job.subtitleIndex = clip.SubtitleIndex();
    job.outputName = clip.OutputName();
    job.position = position;
    return job;
}

ConversionJob TakeConversionJob(const ClipList &clips, const EncodingChoices &choices)
{
    ConversionJob job;
    const QList<TVideoInfo *> all = clips.Clips();
    for (int position = 0; position < all.size(); ++position) {
        if (all[position]->Ticked())
            job.clips.append(ClipJobOf(*all[position], position));
    }
    job.settings = ResolveRunSettings(ProfileFiles::DefinitionPathIn(path_PNG), choices);
    job.outputFolder = g_s_OutputFolder;
    job.minDuration = i_MinDurationTime;
    job.enginePath = EngineLibrary::DefaultPath();
    return job;
}

QStringList TickedOutputNames(const ClipList &clips)
{
    QStringList names;
    for (const TVideoInfo *clip : clips.Clips()) {
        if (clip->Ticked())
            names.append(clip->OutputName());
    }
    return names;
}
