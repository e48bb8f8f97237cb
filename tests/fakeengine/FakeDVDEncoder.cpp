// The stand-in DVDEncoder.so: every entry point forwards to the scripted behaviour in the shared
// control library. Built once complete and once per entry point with that one symbol left out
// (FAKE_ENGINE_WITHOUT_<entry point>), for the tests of a library that lacks it.

#include "FakeEngineControl.h"

#include <chrono>
#include <thread>

namespace {

__attribute__((constructor)) void Loaded()
{
    FakeEngine::Internal::LibraryLoaded();
}

__attribute__((destructor)) void Unloaded()
{
    FakeEngine::Internal::LibraryUnloaded();
}

} // namespace

using namespace FakeEngine::Internal;

extern "C" {

#ifndef FAKE_ENGINE_WITHOUT_X_GetFileinfo_GetPic
int32_t X_GetFileinfo_GetPic(char *path, int32_t spare, EngineFileInfo *info)
{
    return GetFileinfoGetPic(path, spare, info);
}
#endif

#ifndef FAKE_ENGINE_WITHOUT_X_Get_Frame
int32_t X_Get_Frame(int32_t width, int32_t height, const char *fileName, const uint8_t **pixels,
                    int32_t *frameTime)
{
    return GetFrame(width, height, fileName, pixels, frameTime);
}
#endif

#ifndef FAKE_ENGINE_WITHOUT_X_GetFrame_Init
int32_t X_GetFrame_Init(MessageTarget *window, int32_t mode, const char *path, const char *extra,
                        const char *second)
{
    return GetFrameInit(window, mode, path, extra, second);
}
#endif

#ifndef FAKE_ENGINE_WITHOUT_X_Set_NextFrame_Time
int32_t X_Set_NextFrame_Time(int32_t second)
{
    return SetNextFrameTime(second);
}
#endif

#ifndef FAKE_ENGINE_WITHOUT_X_GetFrame_UnInit
int32_t X_GetFrame_UnInit(void)
{
    return GetFrameUnInit();
}
#endif

#ifndef FAKE_ENGINE_WITHOUT_X_SetPar_D2PSP
int32_t X_SetPar_D2PSP(MessageTarget *window, int32_t mode, const char *sourcePath,
                       const char *titleNumber, const char *startSecond, const char *sampleRate,
                       const char *aspect, const char *videoFormat, const char *videoBitRate,
                       const char *audioBitRate, const char *frameSize, const char *resolution,
                       const char *title, const char *frameRate, const char *audioStream,
                       const char *subtitleStream, const char *outputPath, const char *volume,
                       const char *length, int32_t stamp)
{
    const char *const texts[17] = {sourcePath, titleNumber, startSecond, sampleRate, aspect,
                                   videoFormat, videoBitRate, audioBitRate, frameSize, resolution,
                                   title, frameRate, audioStream, subtitleStream, outputPath,
                                   volume, length};
    return SetParD2PSP(window, mode, texts, stamp);
}
#endif

#ifndef FAKE_ENGINE_WITHOUT_X_Get_Info
int32_t X_Get_Info(int32_t info[4])
{
    // The scripted wait runs in this library's own code: releasing the library meanwhile would
    // pull that code from under the caller.
    std::this_thread::sleep_for(std::chrono::milliseconds(InfoDelayMs()));
    return GetInfo(info);
}
#endif

#ifndef FAKE_ENGINE_WITHOUT_X_StopConvert
int32_t X_StopConvert(void)
{
    return StopConvert();
}
#endif

#ifndef FAKE_ENGINE_WITHOUT_X_Get_Frame_JPEG
int32_t X_Get_Frame_JPEG(MessageTarget *window, int32_t mode, const char *sourcePath,
                         const char *titleNumber, const char *second, const char *size,
                         const char *outputPath, int32_t stamp)
{
    return GetFrameJPEG(window, mode, sourcePath, titleNumber, second, size, outputPath, stamp);
}
#endif

#ifndef FAKE_ENGINE_WITHOUT_X_Get_Last_Error
const char *X_Get_Last_Error(void)
{
    return GetLastError();
}
#endif

#ifndef FAKE_ENGINE_WITHOUT_X_Get_Stream_List
int32_t X_Get_Stream_List(const char *path, char *buffer, int32_t capacity)
{
    return GetStreamList(path, buffer, capacity);
}
#endif

} // extern "C"
