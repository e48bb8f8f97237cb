#include "FakeEngineControl.h"

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <deque>
#include <map>
#include <mutex>
#include <thread>

namespace FakeEngine {
namespace {

struct HeldMessage {
    MessageTarget *window;
    uint32_t number;
    intptr_t wparam;
    intptr_t lparam;
};

struct Script {
    std::map<std::string, ProbeAnswer> probeAnswers;
    ProbeAnswer defaultProbe{-1, {}};
    std::map<std::string, Colour> frameColours;
    std::map<int32_t, Colour> secondColours;
    Colour defaultColour{128, 128, 128};
    int32_t frameResult = 0;
    int32_t frameTime = 0;
    Delivery grabberReady = Delivery::DuringCall;
    Delivery frame = Delivery::DuringCall;
    intptr_t frameWParam = 1;
    Delivery grabberClosed = Delivery::DuringCall;
    int32_t initResult = 0, nextFrameResult = 0, unInitResult = 0;
    int32_t conversionResult = 0;
    Delivery conversionReady = Delivery::DuringCall;
    bool conversionWritesOutput = true;
    bool blockConversion = false;
    bool blockProbe = false;
    int32_t stopResult = 0;
    int32_t info[4] = {0, 0, 0, 0};
    int32_t infoResult = 0;
    int infoDelayMs = 0;
    int32_t thumbnailResult = 0;
    bool thumbnailWritesOutput = true;
    std::map<std::string, std::string> failureReasons;
    struct StreamList {
        std::string text;
        int32_t result = 0;
    };
    std::map<std::string, StreamList> streamLists;
};

struct State {
    std::mutex mutex;
    std::condition_variable changed;
    Script script;
    std::vector<Call> calls;
    std::deque<HeldMessage> held;
    bool converting = false;  // a blocked conversion waits
    bool running = false;     // a conversion has begun and not returned: a stop is taken
    bool conversionReleased = false;
    bool probeReleased = false;
    bool stopRequested = false;
    int loads = 0;
    int unloads = 0;
    // Engine-side state of the loaded copy.
    std::string currentFile;
    MessageTarget *grabberWindow = nullptr;
    int32_t requestedSecond = -1;
    std::vector<uint8_t> pixels;
};

State &state()
{
    static State instance;
    return instance;
}

} // namespace

void Reset()
{
    State &s = state();
    std::lock_guard lock(s.mutex);
    s.script = Script{};
    s.calls.clear();
    s.held.clear();
    s.converting = false;
    s.conversionReleased = true; // frees a conversion a failed test left blocked
    s.probeReleased = true;
    s.changed.notify_all();
    s.currentFile.clear();
    s.grabberWindow = nullptr;
    s.requestedSecond = -1;
}

#define FAKE_ENGINE_SETTER(signature, body)    \
    void signature                             \
    {                                          \
        std::lock_guard lock(state().mutex);   \
        Script &script = state().script;       \
        body;                                  \
    }

FAKE_ENGINE_SETTER(SetProbeAnswer(const std::string &path, const ProbeAnswer &answer), script.probeAnswers[path] = answer)
FAKE_ENGINE_SETTER(SetDefaultProbeAnswer(const ProbeAnswer &answer), script.defaultProbe = answer)
FAKE_ENGINE_SETTER(SetFrameColour(const std::string &path, Colour colour), script.frameColours[path] = colour)
FAKE_ENGINE_SETTER(SetFrameColourAtSecond(int32_t second, Colour colour), script.secondColours[second] = colour)
FAKE_ENGINE_SETTER(SetDefaultFrameColour(Colour colour), script.defaultColour = colour)
FAKE_ENGINE_SETTER(SetFrameResult(int32_t result, int32_t frameTime), script.frameResult = result; script.frameTime = frameTime)
FAKE_ENGINE_SETTER(SetGrabberReadyDelivery(Delivery delivery), script.grabberReady = delivery)
FAKE_ENGINE_SETTER(SetFrameDelivery(Delivery delivery, intptr_t wparam), script.frame = delivery; script.frameWParam = wparam)
FAKE_ENGINE_SETTER(SetGrabberClosedDelivery(Delivery delivery), script.grabberClosed = delivery)
FAKE_ENGINE_SETTER(SetGrabberResults(int32_t init, int32_t nextFrame, int32_t unInit),
                   script.initResult = init; script.nextFrameResult = nextFrame; script.unInitResult = unInit)
FAKE_ENGINE_SETTER(SetConversionResult(int32_t result), script.conversionResult = result)
FAKE_ENGINE_SETTER(SetConversionReadyDelivery(Delivery delivery), script.conversionReady = delivery)
FAKE_ENGINE_SETTER(SetConversionWritesOutput(bool writes), script.conversionWritesOutput = writes)
FAKE_ENGINE_SETTER(SetBlockConversion(bool block), script.blockConversion = block)
FAKE_ENGINE_SETTER(SetBlockProbe(bool block), script.blockProbe = block; state().probeReleased = false)
FAKE_ENGINE_SETTER(SetStopResult(int32_t result), script.stopResult = result)
FAKE_ENGINE_SETTER(SetInfo(int32_t secondsDone, int32_t fps, int32_t frame, int32_t result),
                   script.info[0] = secondsDone; script.info[1] = fps; script.info[2] = frame; script.infoResult = result)
FAKE_ENGINE_SETTER(SetInfoDelay(int milliseconds), script.infoDelayMs = milliseconds)
FAKE_ENGINE_SETTER(SetThumbnailResult(int32_t result), script.thumbnailResult = result)
FAKE_ENGINE_SETTER(SetThumbnailWritesOutput(bool writes), script.thumbnailWritesOutput = writes)
FAKE_ENGINE_SETTER(SetFailureReason(const std::string &path, const std::string &reason),
                   script.failureReasons[path] = reason)
FAKE_ENGINE_SETTER(SetStreamList(const std::string &path, const std::string &text, int32_t result),
                   script.streamLists[path].text = text; script.streamLists[path].result = result)

#undef FAKE_ENGINE_SETTER

void ReleaseProbe()
{
    State &s = state();
    std::lock_guard lock(s.mutex);
    s.probeReleased = true;
    s.changed.notify_all();
}

void ReleaseConversion()
{
    State &s = state();
    std::lock_guard lock(s.mutex);
    s.conversionReleased = true;
    s.changed.notify_all();
}

bool WaitUntilConverting(int timeoutMs)
{
    State &s = state();
    std::unique_lock lock(s.mutex);
    return s.changed.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] { return s.converting; });
}

void PostHeldMessages()
{
    std::deque<HeldMessage> held;
    {
        std::lock_guard lock(state().mutex);
        held.swap(state().held);
    }
    for (const HeldMessage &message : held)
        message.window->post(message.window, message.number, message.wparam, message.lparam);
}

int HeldMessageCount()
{
    std::lock_guard lock(state().mutex);
    return int(state().held.size());
}

std::vector<Call> Calls()
{
    std::lock_guard lock(state().mutex);
    return state().calls;
}

std::vector<Call> CallsTo(const std::string &entry)
{
    std::vector<Call> matching;
    for (Call &call : Calls()) {
        if (call.entry == entry)
            matching.push_back(std::move(call));
    }
    return matching;
}

int LoadCount()
{
    std::lock_guard lock(state().mutex);
    return state().loads;
}

int UnloadCount()
{
    std::lock_guard lock(state().mutex);
    return state().unloads;
}

namespace Internal {
namespace {

std::string Text(const char *text)
{
    return text ? std::string(text) : std::string("<null>");
}

void Record(State &s, Call call)
{
    s.calls.push_back(std::move(call));
}

// Runs with the state unlocked: posting may reach a window of the calling thread at once.
void Deliver(Delivery delivery, MessageTarget *window, uint32_t number, intptr_t wparam)
{
    if (!window || delivery == Delivery::Never)
        return;
    if (delivery == Delivery::Held) {
        std::lock_guard lock(state().mutex);
        state().held.push_back({window, number, wparam, 0});
        return;
    }
    std::thread poster([=] { window->post(window, number, wparam, 0); });
    poster.join();
}

// The reason X_Get_Last_Error gives, per calling thread as the real engine's.
thread_local std::string lastError;

// Sets the calling thread's reason after a call about `path` that returned `result`.
void NoteResult(const State &s, const std::string &path, int32_t result)
{
    const auto found = s.script.failureReasons.find(path);
    lastError = result < 0 && found != s.script.failureReasons.end() ? found->second : std::string();
}

void WriteSmallFile(const char *path, const char *content)
{
    if (!path)
        return;
    if (FILE *file = std::fopen(path, "wb")) {
        std::fputs(content, file);
        std::fclose(file);
    }
}

} // namespace

void LibraryLoaded()
{
    std::lock_guard lock(state().mutex);
    ++state().loads;
}

void LibraryUnloaded()
{
    std::lock_guard lock(state().mutex);
    ++state().unloads;
}

int32_t GetFileinfoGetPic(char *path, int32_t spare, EngineFileInfo *info)
{
    State &s = state();
    std::unique_lock lock(s.mutex);
    Record(s, {"X_GetFileinfo_GetPic", {Text(path)}, {spare}});
    if (s.script.blockProbe)
        s.changed.wait_for(lock, std::chrono::seconds(10), [&] { return s.probeReleased; });
    const std::string file = Text(path);
    const auto found = s.script.probeAnswers.find(file);
    const ProbeAnswer &answer = found != s.script.probeAnswers.end() ? found->second : s.script.defaultProbe;
    if (info)
        *info = answer.info;
    s.currentFile = file;
    s.requestedSecond = -1;
    NoteResult(s, file, answer.result);
    return answer.result;
}

int32_t GetFrame(int32_t width, int32_t height, const char *fileName, const uint8_t **pixels,
                 int32_t *frameTime)
{
    State &s = state();
    std::lock_guard lock(s.mutex);
    Record(s, {"X_Get_Frame", {Text(fileName)}, {width, height}});
    Colour colour = s.script.defaultColour;
    const std::string file = fileName ? std::string(fileName) : s.currentFile;
    const auto atSecond = s.script.secondColours.find(s.requestedSecond);
    const auto ofFile = s.script.frameColours.find(file);
    if (atSecond != s.script.secondColours.end())
        colour = atSecond->second;
    else if (ofFile != s.script.frameColours.end())
        colour = ofFile->second;
    const size_t pixelCount = width > 0 && height > 0 ? size_t(width) * size_t(height) : 0;
    s.pixels.resize(pixelCount * 3);
    for (size_t i = 0; i < pixelCount; ++i) {
        s.pixels[i * 3] = colour.blue;
        s.pixels[i * 3 + 1] = colour.green;
        s.pixels[i * 3 + 2] = colour.red;
    }
    if (pixels)
        *pixels = s.pixels.data();
    if (frameTime)
        *frameTime = s.script.frameTime;
    return s.script.frameResult;
}

int32_t GetFrameInit(MessageTarget *window, int32_t mode, const char *path, const char *extra,
                     const char *second)
{
    Delivery delivery;
    int32_t result;
    {
        State &s = state();
        std::lock_guard lock(s.mutex);
        Record(s, {"X_GetFrame_Init", {Text(path), Text(extra), Text(second)}, {mode}});
        s.grabberWindow = window;
        s.currentFile = Text(path);
        s.requestedSecond = -1;
        delivery = s.script.grabberReady;
        result = s.script.initResult;
    }
    Deliver(delivery, window, DVDENCODER_MSG_READY, 0);
    return result;
}

int32_t SetNextFrameTime(int32_t second)
{
    Delivery delivery;
    intptr_t wparam;
    MessageTarget *window;
    int32_t result;
    {
        State &s = state();
        std::lock_guard lock(s.mutex);
        Record(s, {"X_Set_NextFrame_Time", {}, {second}});
        s.requestedSecond = second;
        delivery = s.script.frame;
        wparam = s.script.frameWParam;
        window = s.grabberWindow;
        result = s.script.nextFrameResult;
    }
    Deliver(delivery, window, DVDENCODER_MSG_FRAME, wparam);
    return result;
}

int32_t GetFrameUnInit()
{
    Delivery delivery;
    MessageTarget *window;
    int32_t result;
    {
        State &s = state();
        std::lock_guard lock(s.mutex);
        Record(s, {"X_GetFrame_UnInit", {}, {}});
        delivery = s.script.grabberClosed;
        window = s.grabberWindow;
        s.grabberWindow = nullptr;
        result = s.script.unInitResult;
    }
    Deliver(delivery, window, DVDENCODER_MSG_GRABBER_CLOSED, 0);
    return result;
}

int32_t SetParD2PSP(MessageTarget *window, int32_t mode, const char *const texts[17], int32_t stamp)
{
    State &s = state();
    Delivery delivery;
    {
        std::lock_guard lock(s.mutex);
        Call call{"X_SetPar_D2PSP", {}, {mode, stamp}};
        for (int i = 0; i < 17; ++i)
            call.texts.push_back(Text(texts[i]));
        Record(s, std::move(call));
        delivery = s.script.conversionReady;
        // As the engine: a conversion forgets earlier stops when it begins, before it says that it
        // may be stopped.
        s.running = true;
        s.stopRequested = false;
    }
    Deliver(delivery, window, DVDENCODER_MSG_READY, 0);

    std::unique_lock lock(s.mutex);
    if (s.script.blockConversion) {
        s.converting = true;
        s.conversionReleased = false;
        s.changed.notify_all();
        s.changed.wait(lock, [&] { return s.stopRequested || s.conversionReleased; });
        s.converting = false;
    }
    s.running = false;
    if (s.script.conversionWritesOutput && s.script.conversionResult == 0)
        WriteSmallFile(texts[14], "fake MP4 written by the stand-in engine\n");
    NoteResult(s, Text(texts[0]), s.script.conversionResult);
    return s.script.conversionResult;
}

int32_t GetInfo(int32_t info[4])
{
    State &s = state();
    std::lock_guard lock(s.mutex);
    Record(s, {"X_Get_Info", {}, {}});
    if (info) {
        for (int i = 0; i < 4; ++i)
            info[i] = s.script.info[i];
    }
    return s.script.infoResult;
}

int InfoDelayMs()
{
    std::lock_guard lock(state().mutex);
    return state().script.infoDelayMs;
}

int32_t StopConvert()
{
    State &s = state();
    std::lock_guard lock(s.mutex);
    Record(s, {"X_StopConvert", {}, {}});
    if (!s.running)
        return -1;
    s.stopRequested = true;
    s.changed.notify_all();
    return s.script.stopResult;
}

int32_t GetFrameJPEG(MessageTarget * /*window*/, int32_t mode, const char *sourcePath,
                     const char *titleNumber, const char *second, const char *size,
                     const char *outputPath, int32_t stamp)
{
    State &s = state();
    std::lock_guard lock(s.mutex);
    Record(s, {"X_Get_Frame_JPEG",
               {Text(sourcePath), Text(titleNumber), Text(second), Text(size), Text(outputPath)},
               {mode, stamp}});
    if (s.script.thumbnailWritesOutput && s.script.thumbnailResult == 0)
        WriteSmallFile(outputPath, "fake THM written by the stand-in engine\n");
    NoteResult(s, Text(sourcePath), s.script.thumbnailResult);
    return s.script.thumbnailResult;
}

const char *GetLastError()
{
    State &s = state();
    std::lock_guard lock(s.mutex);
    Record(s, {"X_Get_Last_Error", {}, {}});
    return lastError.c_str();
}

int32_t GetStreamList(const char *path, char *buffer, int32_t capacity)
{
    State &s = state();
    std::lock_guard lock(s.mutex);
    Record(s, {"X_Get_Stream_List", {Text(path)}, {capacity}});
    const auto found = s.script.streamLists.find(Text(path));
    const Script::StreamList list = found != s.script.streamLists.end() ? found->second : Script::StreamList{};
    if (list.result < 0)
        return list.result;
    const std::string &text = list.text;
    if (buffer && capacity > 0 && text.size() < size_t(capacity)) {
        text.copy(buffer, text.size());
        buffer[text.size()] = '\0';
    }
    return int32_t(text.size());
}

} // namespace Internal
} // namespace FakeEngine
