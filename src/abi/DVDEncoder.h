/* The conversion engine's C ABI: the single definition shared by the program, the engine library
 * DVDEncoder.so and the scripted stand-in engine used by the tests. */
#ifndef POCKETREEL_DVDENCODER_H
#define POCKETREEL_DVDENCODER_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define DVDENCODER_API __attribute__((visibility("default")))

typedef struct MessageTarget MessageTarget;          /* a "window handle" */
struct MessageTarget {                                 /* post: thread-safe, never blocks */
    void (*post)(MessageTarget *self, uint32_t msg, intptr_t wparam, intptr_t lparam);
};

typedef struct EngineFileInfo {                        /* 40 bytes, in this order */
    int32_t duration;        /* whole seconds */
    float   frameRate;
    float   videoBitRate;    /* kbit/s */
    int32_t width, height;
    int32_t aspectCode;      /* 1 = 1:1, 2 = 4:3, 3 = 16:9, 4 = 2.21:1, 0 = none of these */
    int32_t sampleRate;      /* Hz */
    int32_t reserved;        /* not read */
    float   audioBitRate;    /* kbit/s */
    int32_t flag;            /* 0 = the display aspect differs from width/height and aspectCode applies */
} EngineFileInfo;

DVDENCODER_API int32_t X_GetFileinfo_GetPic(char *path, int32_t spare, EngineFileInfo *info);
DVDENCODER_API int32_t X_Get_Frame(int32_t width, int32_t height, const char *fileName,
                                   const uint8_t **pixels, int32_t *frameTime);
DVDENCODER_API int32_t X_GetFrame_Init(MessageTarget *window, int32_t mode, const char *path,
                                       const char *extra, const char *second);
DVDENCODER_API int32_t X_Set_NextFrame_Time(int32_t second);
DVDENCODER_API int32_t X_GetFrame_UnInit(void);
DVDENCODER_API int32_t X_SetPar_D2PSP(MessageTarget *window, int32_t mode,
    const char *sourcePath, const char *titleNumber, const char *startSecond,
    const char *sampleRate, const char *aspect, const char *videoFormat,
    const char *videoBitRate, const char *audioBitRate, const char *frameSize,
    const char *resolution, const char *title, const char *frameRate,
    const char *audioStream, const char *subtitleStream, const char *outputPath,
    const char *volume, const char *length, int32_t stamp);
DVDENCODER_API int32_t X_Get_Info(int32_t info[4]);   /* seconds done since the clip start, fps, frame number */
DVDENCODER_API int32_t X_StopConvert(void);
DVDENCODER_API int32_t X_Get_Frame_JPEG(MessageTarget *window, int32_t mode, const char *sourcePath,
                                        const char *titleNumber, const char *second, const char *size,
                                        const char *outputPath, int32_t stamp);

/* Optional entry points. An engine may lack any of them: the program binds each only where
 * present, and a missing one means the feature is absent, never a failure to load. */

/* Why the calling thread's last engine call failed (a probe, picture, grabber start, conversion or
 * thumbnail that returned -1), as a short text in the user's terms, UTF-8, without a path, e.g.
 * "no video picture, only sound and a cover image" or "nothing could be read for 30 s". "" when
 * that call did not fail or gave no reason. Owned by the engine, valid on the calling thread until
 * its next engine call. */
DVDENCODER_API const char *X_Get_Last_Error(void);

/* The sound and subtitle streams of the file at `path`, and the subtitle files beside it that share
 * its base name (name.srt, name.ass, name.ssa, name.vtt, name.LANG.srt, name.LANG.forced.srt, and
 * name.mkv.srt for name.mkv; extensions in any case; the words between the dots are letters, as
 * in en, eng or pt-BR, so name.part1.srt is not one). Writes a UTF-8 text into buffer, `capacity`
 * bytes with the final '\0', one line per entry ending in '\n', six fields separated by tabs (tabs
 * and line breaks inside a field are written as blanks):
 *   kind      "audio", "subtitle" (a stream in the file) or "file" (a subtitle file beside it)
 *   language  the stream's language tag as written, or for a file the LANG part of its name; ""
 *             when unknown
 *   codec     FFmpeg's codec name: "aac", "ac3", "ass", "subrip", "dvd_subtitle",
 *             "hdmv_pgs_subtitle", ...; for a file the one its extension stands for: "subrip",
 *             "ass" (also .ssa), "webvtt"
 *   channels  the sound's channel count in decimal; "0" for subtitles
 *   flags     letters in any order: d = flagged default, f = forced, b = bitmap subtitles; "" for
 *             none; a file is flagged by the words "default" and "forced" in its name
 *   title     the stream's title tag, "" when none; for a file, its absolute path
 * Order: every sound stream in file order, then every subtitle stream in file order, then the files
 * sorted by name. An entry's id is its position in this list: for a clip with these lists the
 * conversion's audio stream text is the id of a sound entry ("000", "001", ...; "0" is the first
 * sound stream either way), and its subtitle text the id of a subtitle or file entry, "-1" for
 * none, or the absolute path of a subtitle file.
 * Returns the length of the whole text without the '\0'; when that is not below capacity the
 * buffer holds no usable text and the caller asks again with a larger one. -1 when the file cannot
 * be read; X_Get_Last_Error then says why. */
DVDENCODER_API int32_t X_Get_Stream_List(const char *path, char *buffer, int32_t capacity);

/* Every entry point, in the order above: the lists that binders, stand-in engines and their builds
 * expand (X is called with each name). Each name stands alone on its line, so the build can read
 * the lists from this file too. */
#define DVDENCODER_ENTRY_POINTS(X) \
    X(X_GetFileinfo_GetPic)        \
    X(X_Get_Frame)                 \
    X(X_GetFrame_Init)             \
    X(X_Set_NextFrame_Time)        \
    X(X_GetFrame_UnInit)           \
    X(X_SetPar_D2PSP)              \
    X(X_Get_Info)                  \
    X(X_StopConvert)               \
    X(X_Get_Frame_JPEG)

#define DVDENCODER_OPTIONAL_ENTRY_POINTS(X) \
    X(X_Get_Last_Error)                     \
    X(X_Get_Stream_List)

/* Message numbers the engine posts. */
enum {
    DVDENCODER_MSG_READY = 2312,          /* grabber ready / conversion may be stopped */
    DVDENCODER_MSG_FRAME = 2412,          /* frame ready (wparam 1) or not (0) */
    DVDENCODER_MSG_GRABBER_CLOSED = 2512
};

#ifdef __cplusplus
}
#endif

#ifdef __cplusplus
static_assert(sizeof(EngineFileInfo) == 40, "EngineFileInfo is 40 bytes");
#endif

#endif
