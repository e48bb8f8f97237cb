#pragma once

#include "engine/EngineLibrary.h"

#include <QString>
#include <array>
#include <cstdint>
#include <mutex>
#include <optional>

// What X_Get_Info reports: seconds done since the clip's start, frames per second and frame
// number (both 0 while the engine seeks).
struct EngineProgress {
    int secondsDone = 0;
    int fps = 0;
    int frame = 0;
};

// The conversion entry points of the engine library, loaded and released per clip by the worker
// while other threads poll and stop. A poll or stop runs under the same lock as loading and
// releasing, so it never calls into a library that is being released: releasing waits for a poll
// or stop in progress, and a poll or stop between clips finds nothing loaded and does nothing.
class EngineSession {
public:
    explicit EngineSession(QString libraryPath);
    EngineSession(const EngineSession &) = delete;
    EngineSession &operator=(const EngineSession &) = delete;

    // Worker side. Load binds X_SetPar_D2PSP, X_Get_Info, X_StopConvert and X_Get_Frame_JPEG;
    // false (nothing loaded) when the library or one of them is missing.
    bool Load();
    void Release();
    // Only between Load and Release, on the thread that loaded.
    int32_t Convert(MessageTarget *window, const std::array<QByteArray, 17> &texts, int32_t stamp);
    int32_t MakeThumbnail(MessageTarget *window, const QByteArray &sourcePath, const QByteArray &titleNumber,
                          const QByteArray &second, const QByteArray &outputPath, int32_t stamp);
    // Why the last Convert or MakeThumbnail failed, in the user's terms; empty without a reason.
    QString FailureReason() const;

    // Any thread.
    bool IsLoaded() const;
    std::optional<EngineProgress> Poll();
    // True when the engine took the stop: a conversion was running.
    bool Stop();

private:
    mutable std::mutex mutex_;
    EngineLibrary library_;
};
