#include "EngineSession.h"

EngineSession::EngineSession(QString libraryPath)
    : library_(std::move(libraryPath))
{
}

bool EngineSession::Load()
{
    const std::lock_guard lock(mutex_);
    return library_.Load(EngineLibrary::ConversionEntries);
}

void EngineSession::Release()
{
    const std::lock_guard lock(mutex_);
    library_.Release();
}

bool EngineSession::IsLoaded() const
{
    const std::lock_guard lock(mutex_);
    return library_.IsLoaded();
}

int32_t EngineSession::Convert(MessageTarget *window, const std::array<QByteArray, 17> &t, int32_t stamp)
{
    decltype(library_.X_SetPar_D2PSP) convert;
    {
        const std::lock_guard lock(mutex_);
        convert = library_.X_SetPar_D2PSP;
    }
    // Called unlocked: it blocks for the whole clip while polls and a stop go on. Only this
    // thread releases the library, so it stays loaded until the call returns.
    if (!convert)
        return -1;
    return convert(window, 2, t[0].constData(), t[1].constData(), t[2].constData(), t[3].constData(),
                   t[4].constData(), t[5].constData(), t[6].constData(), t[7].constData(), t[8].constData(),
                   t[9].constData(), t[10].constData(), t[11].constData(), t[12].constData(), t[13].constData(),
                   t[14].constData(), t[15].constData(), t[16].constData(), stamp);
}

int32_t EngineSession::MakeThumbnail(MessageTarget *window, const QByteArray &sourcePath,
                                     const QByteArray &titleNumber, const QByteArray &second,
                                     const QByteArray &outputPath, int32_t stamp)
{
    decltype(library_.X_Get_Frame_JPEG) thumbnail;
    {
        const std::lock_guard lock(mutex_);
        thumbnail = library_.X_Get_Frame_JPEG;
    }
    if (!thumbnail)
        return -1;
    return thumbnail(window, 2, sourcePath.constData(), titleNumber.constData(), second.constData(), "160:120",
                     outputPath.constData(), stamp);
}

QString EngineSession::FailureReason() const
{
    // Thread-local in the engine: asked unlocked on the thread that called, like the call itself.
    return library_.FailureReason();
}

std::optional<EngineProgress> EngineSession::Poll()
{
    const std::lock_guard lock(mutex_);
    if (!library_.X_Get_Info)
        return std::nullopt;
    int32_t info[4] = {0, 0, 0, 0};
    library_.X_Get_Info(info);
    return EngineProgress{info[0], info[1], info[2]};
}

bool EngineSession::Stop()
{
    const std::lock_guard lock(mutex_);
    return library_.X_StopConvert && library_.X_StopConvert() == 0;
}
