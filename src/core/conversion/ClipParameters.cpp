#include "ClipParameters.h"

#include "FrameSize.h"
#include "core/OutputNames.h"

#include <algorithm>

namespace {

constexpr int TitleLength = 30;
constexpr int EndSlack = 2;        // seconds before the source's end that count as its end
constexpr int ThumbnailOffset = 10;

// The id of an entry: the three characters after its first "#", its first three without one.
QString EntryId(const QString &entry)
{
    const qsizetype hash = entry.indexOf(u'#');
    return hash < 0 ? entry.left(3) : entry.mid(hash + 1, 3);
}

} // namespace

QString TitleOfSource(const QString &sourcePath)
{
    QString name = sourcePath.mid(sourcePath.lastIndexOf(u'/') + 1);
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot >= 0)
        name.truncate(dot);
    return name.left(TitleLength);
}

int EngineLength(int startTime, int endTime, int duration, int minDuration)
{
    int length = endTime - startTime;
    if (minDuration > 0 && length < minDuration)
        length = minDuration;
    // The engine reads 0 as "to the end": markers that touch select a second, not the whole source.
    if (length < 1)
        length = 1;
    if (endTime >= duration - EndSlack)
        length = 0;
    return length;
}

QString AudioStreamText(const std::optional<QStringList> &streams, int index)
{
    if (!streams || index < 0 || index >= streams->size())
        return QStringLiteral("0");
    return EntryId(streams->at(index));
}

QString SubtitleStreamText(const std::optional<QStringList> &streams, int index, const QString &file)
{
    if (!file.isEmpty())
        return file;
    if (!streams || index >= streams->size())
        return QStringLiteral("-1");
    return EntryId(streams->at(qMax(0, index)));
}

ClipPlan PlanClip(const ClipJob &clip, const RunSettings &settings, const QString &outputFolder, int minDuration)
{
    using namespace ClipParameter;
    ClipPlan plan;
    plan.clipStart = clip.startTime;
    // An empty selection converts one second (see EngineLength): that second is the whole bar.
    plan.progressTotal = std::max(clip.endTime - clip.startTime, 1);
    plan.length = EngineLength(clip.startTime, clip.endTime, clip.duration, minDuration);

    auto &p = plan.parameters;
    p[SourcePath] = clip.sourcePath;
    p[TitleNumber] = QString::number(clip.titleNumber);
    p[StartSecond] = QString::number(clip.startTime);
    p[SampleRate] = settings.sampleRate;
    p[Aspect] = QStringLiteral("1:1");
    p[VideoFormat] = settings.videoFormat;
    p[VideoBitRate] = settings.videoBitRate;
    p[AudioBitRate] = settings.audioBitRate;
    p[FrameSize] = FrameSizeText(settings.resolution, clip.videoWidth, clip.videoHeight, clip.displayAspect,
                                 clip.aspectIndex);
    p[Resolution] = settings.resolution;
    p[Title] = clip.title.isEmpty() ? TitleOfSource(clip.sourcePath) : clip.title.left(TitleLength);
    p[FrameRate] = settings.frameRate;
    p[AudioStream] = AudioStreamText(clip.audioStreams, clip.audioIndex);
    p[SubtitleStream] = SubtitleStreamText(clip.subtitleStreams, clip.subtitleIndex, clip.subtitleFile);
    p[OutputPath] = outputFolder + clip.outputName;
    p[Volume] = settings.volume;
    p[Length] = QString::number(plan.length);

    plan.thumbnailPath = outputFolder + ThumbnailNameOf(clip.outputName);
    plan.thumbnailTitleNumber = QString::number(clip.titleNumber);
    plan.thumbnailSecond = QString::number(clip.startTime + ThumbnailOffset);
    return plan;
}
