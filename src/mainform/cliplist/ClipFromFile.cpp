#include "ClipFromFile.h"

#include "ClipListPictures.h"
#include "ClipTexts.h"
#include "core/DisplayAspect.h"
#include "core/EnginePixels.h"
#include "PictureFit.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <cstring>

std::unique_ptr<TVideoInfo> ClipFromFile(const QString &path, const QString &enginePath)
{
    EngineLibrary engine(enginePath);
    if (!engine.Load(EngineLibrary::AddingEntries))
        return nullptr;

    // The engine may write into the path text: it gets a copy with room to spare.
    const QByteArray encodedPath = QFile::encodeName(path);
    QByteArray buffer(encodedPath.size() + 10, '\0');
    std::memcpy(buffer.data(), encodedPath.constData(), size_t(encodedPath.size()));
    EngineFileInfo info{};
    if (engine.X_GetFileinfo_GetPic(buffer.data(), 10, &info) == -1)
        return nullptr;

    const QString name = QFileInfo(path).fileName();
    auto clip = std::make_unique<TVideoInfo>();
    clip->SetClipName(RowNameText(name));
    clip->SetSourcePath(path);
    clip->SetDuration(info.duration);
    clip->SetStartTime(0);
    clip->SetEndTime(info.duration);
    clip->SetTicked(true);
    clip->SetVideoSize(info.aspectCode, info.width, info.height);
    clip->SetInfoText(ClipInfoText(name, info));
    clip->SetDisplayAspect(info.flag == 0);

    const QSize size = FitPicture(info.width, info.height, clip->DisplayAspect(),
                                  DisplayAspectOf(clip->AspectIndex(), info.width, info.height));
    if (info.width <= 0 || info.height <= 0) {
        clip->SetPicture(SoundOnlyPicture(size));
        return clip;
    }
    const uint8_t *pixels = nullptr;
    int32_t frameTime = 0;
    engine.X_Get_Frame(size.width(), size.height(), "2.bmp", &pixels, &frameTime);
    clip->SetPicture(PictureFromEnginePixels(pixels, size));
    return clip;
}
