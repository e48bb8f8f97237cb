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

std::optional<SourceStreams> ProbeStreams(EngineLibrary &engine, const QString &path)
{
    if (!engine.X_Get_Stream_List)
        return std::nullopt;
    // A thousand entries with long paths stay far below this; a longer answer is not a list.
    constexpr int32_t MaxListLength = 16 << 20;
    const QByteArray encodedPath = QFile::encodeName(path);
    QByteArray buffer(4096, '\0');
    // A list longer than the buffer is asked for again at its length; it may still grow in
    // between (a subtitle file put beside the source), so not forever.
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int32_t length = engine.X_Get_Stream_List(encodedPath.constData(), buffer.data(), int32_t(buffer.size()));
        if (length < 0 || length >= MaxListLength)
            return std::nullopt;
        if (length < buffer.size())
            return ParseStreamList(QString::fromUtf8(buffer.constData(), length));
        buffer.resize(qsizetype(length) + 1);
    }
    return std::nullopt;
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
