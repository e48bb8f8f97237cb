#include "ClipFromFile.h"

#include "ClipListPictures.h"
#include "ClipTexts.h"
#include "PictureFit.h"
#include "core/DisplayAspect.h"
#include "core/EnginePixels.h"
#include "core/conversion/SourceProbe.h"

#include <QFileInfo>

std::unique_ptr<TVideoInfo> ClipFromFile(const QString &path, const QString &enginePath)
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

    const QSize size = FitPicture(info->width, info->height, clip->DisplayAspect(),
                                  DisplayAspectOf(clip->AspectIndex(), info->width, info->height));
    if (info->width <= 0 || info->height <= 0) {
        clip->SetPicture(SoundOnlyPicture(size));
        return clip;
    }
    const uint8_t *pixels = nullptr;
    int32_t frameTime = 0;
    engine.X_Get_Frame(size.width(), size.height(), "2.bmp", &pixels, &frameTime);
    clip->SetPicture(PictureFromEnginePixels(pixels, size));
    return clip;
}
