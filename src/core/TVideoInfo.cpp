#include "TVideoInfo.h"

#include "DisplayAspect.h"
#include "TextHelpers.h"

#include <QMutexLocker>

namespace {

// An entry's name: what comes before its id.
QString StreamText(const std::optional<QStringList> &streams, int index)
{
    if (!streams || index < 0)
        return QStringLiteral("Unkonwn");
    if (index >= streams->size())
        return QStringLiteral("Disable");
    return streams->at(index).section(QLatin1Char('#'), 0, 0);
}

} // namespace

TVideoInfo::TVideoInfo(QObject *parent)
    : QObject(parent)
    , picture_(PictureWidth, PictureHeight, QImage::Format_RGB888)
{
    picture_.fill(Qt::black);
}

int TVideoInfo::Clamped(int seconds)
{
    return seconds < 0 || seconds > MaxSeconds ? 0 : seconds;
}

template <typename Update> void TVideoInfo::Modify(Update update)
{
    {
        QMutexLocker lock(&mutex_);
        update();
    }
    emit Changed();
}

void TVideoInfo::SetDuration(int seconds)
{
    Modify([&] {
        duration_ = Clamped(seconds);
        lengthText_ = QStringLiteral("Video Length : ") + SecondsToText(duration_);
    });
}

void TVideoInfo::SetStartTime(int seconds)
{
    Modify([&] {
        startTime_ = Clamped(seconds);
        startText_ = startTime_ == 0 ? QStringLiteral("Beginning") : SecondsToText(startTime_);
    });
}

void TVideoInfo::SetEndTime(int seconds)
{
    Modify([&] {
        endTime_ = Clamped(seconds);
        endText_ = endTime_ == duration_ ? QStringLiteral("Ending") : SecondsToText(endTime_);
    });
}

void TVideoInfo::SetVideoSize(int aspectCode, int width, int height)
{
    Modify([&] {
        QString size = QString::number(width) + QLatin1Char('X') + QString::number(height);
        aspectRatio_ = height > 0 ? double(width) / height : 1.0;
        videoWidth_ = width;
        videoHeight_ = height;
        aspectIndex_ = AspectIndexOfCode(aspectCode);
        if (aspectIndex_ == SourceAspectIndex && (width < 10 || height < 10))
            size = QStringLiteral("Unknown");
        sizeText_ = QStringLiteral("Video Size : ") + size;
    });
}

void TVideoInfo::SetTicked(bool ticked)
{
    Modify([&] { ticked_ = ticked; });
}

void TVideoInfo::SetSelected(bool selected)
{
    Modify([&] { selected_ = selected; });
}

void TVideoInfo::SetAudioIndex(int index)
{
    Modify([&] {
        audioIndex_ = index;
        audioText_ = StreamText(audioStreams_, index);
    });
}

void TVideoInfo::SetSubtitleIndex(int index)
{
    Modify([&] {
        subtitleIndex_ = index;
        subtitleText_ = StreamText(subtitleStreams_, index);
    });
}

void TVideoInfo::SetAudioStreams(std::optional<QStringList> streams)
{
    Modify([&] {
        audioStreams_ = std::move(streams);
        if (!audioText_.isNull())
            audioText_ = StreamText(audioStreams_, audioIndex_);
    });
}

void TVideoInfo::SetSubtitleStreams(std::optional<QStringList> streams)
{
    Modify([&] {
        subtitleStreams_ = std::move(streams);
        if (!subtitleText_.isNull())
            subtitleText_ = StreamText(subtitleStreams_, subtitleIndex_);
    });
}

void TVideoInfo::SetClipName(const QString &text)
{
    Modify([&] { clipName_ = text.isNull() ? QString(QLatin1String("")) : text; });
}

void TVideoInfo::SetOutputName(const QString &text)
{
    Modify([&] { outputName_ = text.isNull() ? QString(QLatin1String("")) : text; });
}

void TVideoInfo::SetSnapshotThumbnail(const QString &path)
{
    Modify([&] { snapshotThumbnail_ = path; });
}

void TVideoInfo::SetSourcePath(const QString &path)
{
    Modify([&] { sourcePath_ = path; });
}

void TVideoInfo::SetInfoText(const QString &text)
{
    Modify([&] { infoText_ = text.isNull() ? QString(QLatin1String("")) : text; });
}

void TVideoInfo::SetDisplayAspect(bool displayAspect)
{
    Modify([&] { displayAspect_ = displayAspect; });
}

void TVideoInfo::SetPicture(const QImage &picture)
{
    Modify([&] { picture_ = picture.convertToFormat(QImage::Format_RGB888); });
}

#define POCKETREEL_CLIP_GETTER(Type, Name, field) \
    Type TVideoInfo::Name() const                 \
    {                                             \
        QMutexLocker lock(&mutex_);               \
        return field;                             \
    }

POCKETREEL_CLIP_GETTER(int, Duration, duration_)
POCKETREEL_CLIP_GETTER(int, StartTime, startTime_)
POCKETREEL_CLIP_GETTER(int, EndTime, endTime_)
POCKETREEL_CLIP_GETTER(int, AspectIndex, aspectIndex_)
POCKETREEL_CLIP_GETTER(int, AudioIndex, audioIndex_)
POCKETREEL_CLIP_GETTER(int, SubtitleIndex, subtitleIndex_)
POCKETREEL_CLIP_GETTER(int, TitleNumber, titleNumber_)
POCKETREEL_CLIP_GETTER(bool, Ticked, ticked_)
POCKETREEL_CLIP_GETTER(bool, Selected, selected_)
POCKETREEL_CLIP_GETTER(bool, DisplayAspect, displayAspect_)
POCKETREEL_CLIP_GETTER(double, AspectRatio, aspectRatio_)
POCKETREEL_CLIP_GETTER(int, VideoWidth, videoWidth_)
POCKETREEL_CLIP_GETTER(int, VideoHeight, videoHeight_)
POCKETREEL_CLIP_GETTER(QString, SourcePath, sourcePath_)
POCKETREEL_CLIP_GETTER(QImage, Picture, picture_)
POCKETREEL_CLIP_GETTER(std::optional<QStringList>, AudioStreams, audioStreams_)
POCKETREEL_CLIP_GETTER(std::optional<QStringList>, SubtitleStreams, subtitleStreams_)
POCKETREEL_CLIP_GETTER(QString, ClipName, clipName_)
POCKETREEL_CLIP_GETTER(QString, LengthText, lengthText_)
POCKETREEL_CLIP_GETTER(QString, StartText, startText_)
POCKETREEL_CLIP_GETTER(QString, EndText, endText_)
POCKETREEL_CLIP_GETTER(QString, SizeText, sizeText_)
POCKETREEL_CLIP_GETTER(QString, AudioText, audioText_)
POCKETREEL_CLIP_GETTER(QString, SubtitleText, subtitleText_)
POCKETREEL_CLIP_GETTER(QString, InfoText, infoText_)

#undef POCKETREEL_CLIP_GETTER

QString TVideoInfo::SnapshotThumbnail() const
{
    QMutexLocker lock(&mutex_);
    return snapshotThumbnail_;
}

QString TVideoInfo::OutputName() const
{
    QMutexLocker lock(&mutex_);
    return outputName_.isNull() ? QString(QLatin1String("")) : outputName_;
}
