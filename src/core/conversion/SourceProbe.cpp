#include "SourceProbe.h"

#include "core/TVideoInfo.h"
#include "engine/EngineLibrary.h"

#include <QByteArray>
#include <QFile>
#include <cstring>

std::optional<EngineFileInfo> ProbeSource(EngineLibrary &engine, const QString &path)
{
    // The engine may write into the path text: it gets a copy with room to spare.
    const QByteArray encodedPath = QFile::encodeName(path);
    QByteArray buffer(encodedPath.size() + 10, '\0');
    std::memcpy(buffer.data(), encodedPath.constData(), size_t(encodedPath.size()));
    EngineFileInfo info{};
    if (!engine.X_GetFileinfo_GetPic || engine.X_GetFileinfo_GetPic(buffer.data(), 10, &info) == -1)
        return std::nullopt;
    return info;
}

std::unique_ptr<TVideoInfo> ClipOfSource(const QString &path, const EngineFileInfo &info)
{
    auto clip = std::make_unique<TVideoInfo>();
    clip->SetSourcePath(path);
    clip->SetDuration(info.duration);
    clip->SetStartTime(0);
    clip->SetEndTime(info.duration);
    clip->SetTicked(true);
    clip->SetVideoSize(info.aspectCode, info.width, info.height);
    clip->SetDisplayAspect(info.flag == 0);
    return clip;
}
