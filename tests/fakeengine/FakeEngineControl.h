#pragma once

// Steering for the scripted stand-in engine (tests/fakeengine/FakeDVDEncoder.cpp). Its state
// lives in a shared library of its own, so every loaded copy of the fake DVDEncoder.so and the
// test itself see the same script and the same record of calls. Reset() between tests.

#include "abi/DVDEncoder.h"

#include <cstdint>
#include <string>
#include <vector>

namespace FakeEngine {

// How a message the engine posts reaches the window.
// The preview's close waits for 2312 and 2512 with no time-out, as the program must: a test that
// closes a grabber holds them (Held) and posts them, or posts to the window itself; Never is for
// messages nothing waits for.
enum class Delivery {
    Never,       // not posted at all
    DuringCall,  // posted from another thread before the entry point returns
    Held,        // kept until the test calls PostHeldMessages()
};

struct ProbeAnswer {
    int32_t result = 0;          // -1: unusable file
    EngineFileInfo info{};
};

struct Call {
    std::string entry;                   // "X_Get_Frame", ...
    std::vector<std::string> texts;      // text arguments in order (null pointers as "<null>")
    std::vector<int64_t> numbers;        // integer arguments in order (mode, width, stamp, ...)
};

struct Colour {
    uint8_t red = 0, green = 0, blue = 0;
};

void Reset();

// X_GetFileinfo_GetPic: answer per path, else the default (by default -1, unusable).
void SetProbeAnswer(const std::string &path, const ProbeAnswer &answer);
void SetDefaultProbeAnswer(const ProbeAnswer &answer);

// X_GetFileinfo_GetPic: when blocking is on, each probe waits until ReleaseProbe() before it
// answers, at most 10 s (a caller that waits on the probe's own thread then fails, not hangs).
void SetBlockProbe(bool block);
void ReleaseProbe();

// X_Get_Frame: fills width x height BGR pixels of one colour: the colour of the named file, or
// of the last probed file when the name is null, or the default colour (mid grey).
void SetFrameColour(const std::string &path, Colour colour);
void SetDefaultFrameColour(Colour colour);
// After X_Set_NextFrame_Time(second), frames take this colour (before the file's colour).
void SetFrameColourAtSecond(int32_t second, Colour colour);
void SetFrameResult(int32_t result, int32_t frameTime = 0);   // default 0, 0

// Frame grabber messages: 2312 after X_GetFrame_Init, 2412 after X_Set_NextFrame_Time (with
// the WParam given), 2512 after X_GetFrame_UnInit. Default: DuringCall, WParam 1.
void SetGrabberReadyDelivery(Delivery delivery);
void SetFrameDelivery(Delivery delivery, intptr_t wparam = 1);
void SetGrabberClosedDelivery(Delivery delivery);
void SetGrabberResults(int32_t init, int32_t nextFrame, int32_t unInit); // default 0, 0, 0

// Conversion: X_SetPar_D2PSP returns `result` (default 0), posts 2312 as scripted (default
// DuringCall), writes a small file at the output path unless told not to, and when blocking is
// on waits until X_StopConvert or ReleaseConversion() before it returns.
void SetConversionResult(int32_t result);
void SetConversionReadyDelivery(Delivery delivery);
void SetConversionWritesOutput(bool writes);
void SetBlockConversion(bool block);
void ReleaseConversion();
bool WaitUntilConverting(int timeoutMs);  // true once a blocked X_SetPar_D2PSP is waiting
// X_StopConvert's result while a conversion runs (default 0); with none running it refuses with
// -1 and the stop is forgotten, as the engine's.
void SetStopResult(int32_t result);

// X_Get_Info: values written into info[0..3] and the result (default all 0).
void SetInfo(int32_t secondsDone, int32_t fps, int32_t frame, int32_t result = 0);
// X_Get_Info takes this long before it returns (default 0), so a release racing it would be seen.
void SetInfoDelay(int milliseconds);

// X_Get_Frame_JPEG: result (default 0); writes a small file at the output path unless told not to.
void SetThumbnailResult(int32_t result);
void SetThumbnailWritesOutput(bool writes);

// X_Get_Last_Error: after a probe, conversion or thumbnail of `path` that fails, the calling
// thread's reason is this text (default: none, ""); a call that succeeds clears it.
void SetFailureReason(const std::string &path, const std::string &reason);

// X_Get_Stream_List: the text (DVDEncoder.h's lines) for `path`; a path without one has no
// streams. A result of -1 makes the call fail instead.
void SetStreamList(const std::string &path, const std::string &text, int32_t result = 0);

// Posts every held message, in the order they were held, from the calling thread.
void PostHeldMessages();
int HeldMessageCount();

// What the engine was asked, in order, from every thread.
std::vector<Call> Calls();
std::vector<Call> CallsTo(const std::string &entry);

// How many times a copy of the fake library was loaded and unloaded.
int LoadCount();
int UnloadCount();

// The behaviour behind the fake library's entry points (it only forwards to these).
namespace Internal {
void LibraryLoaded();
void LibraryUnloaded();
int32_t GetFileinfoGetPic(char *path, int32_t spare, EngineFileInfo *info);
int32_t GetFrame(int32_t width, int32_t height, const char *fileName, const uint8_t **pixels,
                 int32_t *frameTime);
int32_t GetFrameInit(MessageTarget *window, int32_t mode, const char *path, const char *extra,
                     const char *second);
int32_t SetNextFrameTime(int32_t second);
int32_t GetFrameUnInit();
int32_t SetParD2PSP(MessageTarget *window, int32_t mode, const char *const texts[17], int32_t stamp);
int32_t GetInfo(int32_t info[4]);
int InfoDelayMs();
int32_t StopConvert();
int32_t GetFrameJPEG(MessageTarget *window, int32_t mode, const char *sourcePath,
                     const char *titleNumber, const char *second, const char *size,
                     const char *outputPath, int32_t stamp);
const char *GetLastError();
int32_t GetStreamList(const char *path, char *buffer, int32_t capacity);
}

} // namespace FakeEngine
