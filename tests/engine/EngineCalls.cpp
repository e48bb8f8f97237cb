#include "EngineCalls.h"

int32_t probe(const QString &path, EngineFileInfo &info)
{
    QByteArray buffer = path.toUtf8();
    buffer.append(QByteArray(10, '\0'));
    return EngineLibrary::get().X_GetFileinfo_GetPic(buffer.data(), 10, &info);
}

std::vector<uint8_t> enginePicture(int width, int height)
{
    const uint8_t *pixels = nullptr;
    int32_t second = 0;
    EngineLibrary::get().X_Get_Frame(width, height, nullptr, &pixels, &second);
    return pixels ? std::vector<uint8_t>(pixels, pixels + size_t(width) * height * 3) : std::vector<uint8_t>();
}

std::vector<uint8_t> grabbedPicture(const QString &path, int second, int width, int height)
{
    const auto &engine = EngineLibrary::get();
    const QByteArray file = path.toUtf8();
    RecordingWindow window;
    std::vector<uint8_t> picture;
    if (engine.X_GetFrame_Init(&window, 2, file.constData(), "", "0") == 0 && window.take(DVDENCODER_MSG_READY)
        && engine.X_Set_NextFrame_Time(second) == 0) {
        const auto frame = window.take(DVDENCODER_MSG_FRAME);
        if (frame && frame->wparam == 1)
            picture = enginePicture(width, height);
    }
    engine.X_GetFrame_UnInit();
    window.take(DVDENCODER_MSG_GRABBER_CLOSED);
    return picture;
}

int32_t thumbnail(const QString &source, const char *second, const QString &output)
{
    const QByteArray s = source.toUtf8(), o = output.toUtf8();
    return EngineLibrary::get().X_Get_Frame_JPEG(nullptr, 2, s.constData(), "0", second, "160:120", o.constData(),
                                                 20261210);
}
