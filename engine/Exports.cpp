// The entry points the program binds by name. Nothing escapes them: every failure becomes -1, and
// its reason in the user's words stays for X_Get_Last_Error on the calling thread.
#include "Conversion.h"
#include "EngineLog.h"
#include "FailureReason.h"
#include "FrameGrabber.h"
#include "PictureStore.h"
#include "Probe.h"
#include "RunState.h"
#include "StreamList.h"
#include "Thumbnail.h"

#include <cstring>
#include <new>

namespace {
[[gnu::constructor]] void filterLibraryLog()
{
    installLogFilter();
}

// Runs an entry point's body; a failure that noted no reason of its own gets `otherwise`.
template <typename F>
int32_t guarded(const char *otherwise, F &&body) noexcept
{
    clearFailureReason();
    int32_t result = -1;
    try {
        result = body();
    } catch (const std::bad_alloc &) {
        noteFailureReason(userReason(AVERROR(ENOMEM)));
    } catch (...) {
    }
    // A call that went on after a failure of its own (subtitles it could not burn in) succeeded.
    if (result >= 0)
        clearFailureReason();
    else if (!failureReasonNoted())
        noteFailureReason(otherwise);
    return result;
}
}

extern "C" {

int32_t X_GetFileinfo_GetPic(char *path, int32_t, EngineFileInfo *info)
{
    return guarded("no place for the file's facts was given", [&] {
        if (!info)
            return -1;
        FramePtr picture = makeFrame();
        int32_t second = 0;
        if (probeFile(path, *info, picture.get(), second) < 0) {
            PictureStore::instance().clear();
            return -1;
        }
        PictureStore::instance().replace(picture.get(), second);
        return 0;
    });
}

int32_t X_Get_Frame(int32_t width, int32_t height, const char *, const uint8_t **pixels, int32_t *frameTime)
{
    return guarded("no picture has been read, or not at that size",
                   [&] { return PictureStore::instance().scaled(width, height, pixels, frameTime); });
}

int32_t X_GetFrame_Init(MessageTarget *window, int32_t, const char *path, const char *, const char *)
{
    return guarded("the preview cannot be started", [&] { return FrameGrabber::instance().start(window, path); });
}

int32_t X_Set_NextFrame_Time(int32_t second)
{
    return guarded("the preview is not open", [&] { return FrameGrabber::instance().request(second); });
}

int32_t X_GetFrame_UnInit(void)
{
    return guarded("the preview is not open", [&] { return FrameGrabber::instance().stop(); });
}

int32_t X_SetPar_D2PSP(MessageTarget *window, int32_t, const char *sourcePath, const char *titleNumber,
                       const char *startSecond, const char *sampleRate, const char *aspect, const char *videoFormat,
                       const char *videoBitRate, const char *audioBitRate, const char *frameSize,
                       const char *resolution, const char *title, const char *frameRate, const char *audioStream,
                       const char *subtitleStream, const char *outputPath, const char *volume, const char *length,
                       int32_t)
{
    return guarded("the conversion failed", [&] {
        const auto settings = readConversionSettings(ConversionTexts{
            sourcePath, titleNumber, startSecond, sampleRate, aspect, videoFormat, videoBitRate, audioBitRate,
            frameSize, resolution, title, frameRate, audioStream, subtitleStream, outputPath, volume, length});
        const std::string source = sourcePath ? sourcePath : "";
        if (!settings) {
            logFailure("conversion", "reading the values for", source, EngineError::UnusableSetting);
            return -1;
        }
        RunState &state = RunState::instance();
        if (!state.begin()) {
            logFailure("conversion", "starting", source, AVERROR(EBUSY));
            return -1;
        }
        int32_t result = -1;
        try {
            result = Conversion(*settings, state, window).run();
        } catch (...) {
            logFailure("conversion", "preparing", source, AVERROR(ENOMEM));
            result = -1;
        }
        state.end();
        return result;
    });
}

int32_t X_Get_Info(int32_t info[4])
{
    return guarded("no place for the progress was given", [&] {
        if (!info)
            return -1;
        RunState::instance().read(info);
        return 0;
    });
}

int32_t X_StopConvert(void)
{
    return guarded("no conversion is running", [&] {
        RunState &state = RunState::instance();
        if (!state.running())
            return -1;
        state.requestStop();
        return 0;
    });
}

int32_t X_Get_Frame_JPEG(MessageTarget *, int32_t, const char *sourcePath, const char *, const char *second,
                         const char *size, const char *outputPath, int32_t)
{
    return guarded("the thumbnail failed", [&] { return writeThumbnail(sourcePath, second, size, outputPath); });
}

int32_t X_Get_Stream_List(const char *path, char *buffer, int32_t capacity)
{
    return guarded("the streams cannot be listed", [&] {
        std::string text;
        if (listStreams(path, text) < 0 || text.size() > INT32_MAX - 1)
            return -1;
        const auto length = static_cast<int32_t>(text.size());
        if (buffer && capacity > length)
            std::memcpy(buffer, text.c_str(), text.size() + 1);
        else if (buffer && capacity > 0)
            buffer[0] = '\0';
        return length;
    });
}

const char *X_Get_Last_Error(void)
{
    return failureReason();
}
}
