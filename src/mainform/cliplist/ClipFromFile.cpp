#include "mainform/cliplist/ClipFromFile.h"

#include "core/DisplayAspect.h"
#include "core/EnginePixels.h"
#include "core/streams/ClipStreams.h"
#include "mainform/cliplist/ClipTexts.h"
#include "mainform/cliplist/PictureFit.h"
#include "platform/FloatingPoint.h"
#include "skin/SkinPictures.h"
#include "skin/art/SkinPictureNames.h"

#include <QFileInfo>

namespace {
QSize PictureSizeOf(const EngineFileInfo &info)
{
    return FitPicture(info.width, info.height, info.flag == 0,
                      DisplayAspectOf(AspectIndexOfCode(info.aspectCode), info.width, info.height));
}
} // namespace

SourceReading ReadClipSource(const QString &path, const QString &enginePath)
{
    MaskFloatingPointExceptions();
    SourceReading reading;
    EngineLibrary engine(enginePath);
    if (!engine.Load(EngineLibrary::AddingEntries))
        return reading;
    reading.info = ProbeSource(engine, path);
    if (!reading.info) {
        reading.failureReason = engine.FailureReason();
        return reading;
    }
    reading.streams = ProbeStreams(engine, path);
    if (reading.info->width <= 0 || reading.info->height <= 0)
        return reading;
    const QSize size = PictureSizeOf(*reading.info);
    const uint8_t *pixels = nullptr;
    int32_t frameTime = 0;
    engine.X_Get_Frame(size.width(), size.height(), "2.bmp", &pixels, &frameTime);
    // A copy: the engine's pixels go with the library.
    reading.picture = PictureFromEnginePixels(pixels, size);
    return reading;
}

std::unique_ptr<TVideoInfo> ClipFromReading(const QString &path, const SourceReading &reading,
                                            const TrackLanguages &languages)
{
    const EngineFileInfo &info = *reading.info;
    const QString name = QFileInfo(path).fileName();
    std::unique_ptr<TVideoInfo> clip = ClipOfSource(path, info);
    clip->SetClipName(RowNameText(name));
    clip->SetInfoText(ClipInfoText(name, info));
    if (reading.streams)
        ApplySourceStreams(*clip, *reading.streams, languages);
    if (!reading.picture.isNull()) {
        clip->SetPicture(reading.picture);
        return clip;
    }
    // FitPicture gives such a file the whole box, the size the stand-in picture is drawn at.
    const QImage soundOnly = skinPicture(QLatin1String(SkinPictureName::SoundOnly)).image();
    clip->SetPicture(soundOnly.scaled(PictureSizeOf(info)).convertToFormat(QImage::Format_RGB888));
    return clip;
}
