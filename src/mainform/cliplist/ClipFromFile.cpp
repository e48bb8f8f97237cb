#include "mainform/cliplist/ClipFromFile.h"

#include "core/DisplayAspect.h"
#include "core/EnginePixels.h"
#include "core/conversion/SourceProbe.h"
#include "core/streams/ClipStreams.h"
#include "mainform/cliplist/ClipTexts.h"
#include "mainform/cliplist/PictureFit.h"
#include "skin/SkinPictures.h"
#include "skin/art/SkinPictureNames.h"

#include <QFileInfo>

std::unique_ptr<TVideoInfo> ClipFromFile(const QString &path, const TrackLanguages &languages, const QString &enginePath)
{
    EngineLibrary engine(enginePath);
    if (!engine.Load(EngineLibrary::AddingEntries))
        return nullptr;
    const std::optional<EngineFileInfo> info = ProbeSource(engine, path);
    if (!info)
        return nullptr;

    const QString name = QFileInfo(path).fileName();
    std::unique_ptr<TVideoInfo> clip = ClipOfSource(path, *info);
    clip->SetClipName(RowNameText(name));
    clip->SetInfoText(ClipInfoText(name, *info));
    if (const std::optional<SourceStreams> streams = ProbeStreams(engine, path))
        ApplySourceStreams(*clip, *streams, languages);

    const QSize size = FitPicture(info->width, info->height, clip->DisplayAspect(),
                                  DisplayAspectOf(clip->AspectIndex(), info->width, info->height));
    if (info->width <= 0 || info->height <= 0) {
        // FitPicture gives such a file the whole box, the size the stand-in picture is drawn at.
        const QImage soundOnly = skinPicture(QLatin1String(SkinPictureName::SoundOnly)).image();
        clip->SetPicture(soundOnly.scaled(size).convertToFormat(QImage::Format_RGB888));
        return clip;
    }
    const uint8_t *pixels = nullptr;
    int32_t frameTime = 0;
    engine.X_Get_Frame(size.width(), size.height(), "2.bmp", &pixels, &frameTime);
    clip->SetPicture(PictureFromEnginePixels(pixels, size));
    return clip;
}
