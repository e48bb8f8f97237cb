#pragma once

#include "DVDEncoder.h"

#include <QString>

// Binds the engine library DVDEncoder.so by file name and its entry points by name. Each site
// loads it with the entry points it needs; when the library or one of those entry points is
// missing, Load fails and nothing stays loaded. Released by Release() or the destructor.
class EngineLibrary {
public:
    enum Entry : unsigned {
        GetFileinfoGetPic = 1u << 0,
        GetFrame = 1u << 1,
        GetFrameInit = 1u << 2,
        SetNextFrameTime = 1u << 3,
        GetFrameUnInit = 1u << 4,
        SetParD2PSP = 1u << 5,
        GetInfo = 1u << 6,
        StopConvert = 1u << 7,
        GetFrameJPEG = 1u << 8,
    };
    using Entries = unsigned;

    // The entry points each site binds.
    static constexpr Entries AddingEntries = GetFileinfoGetPic | GetFrame;
    static constexpr Entries PreviewEntries =
        GetFileinfoGetPic | GetFrame | GetFrameInit | SetNextFrameTime | GetFrameUnInit;
    static constexpr Entries ConversionEntries = SetParD2PSP | GetInfo | StopConvert | GetFrameJPEG;

    static constexpr const char *FileName = "DVDEncoder.so";

    // path_PNG + FileName.
    static QString DefaultPath();

    explicit EngineLibrary(QString path = DefaultPath());
    ~EngineLibrary();
    EngineLibrary(const EngineLibrary &) = delete;
    EngineLibrary &operator=(const EngineLibrary &) = delete;

    // Loads the library (once) and binds `needed`. False, with the library released and every
    // entry point unbound, when the file cannot be loaded or an entry point is missing.
    bool Load(Entries needed);
    void Release();
    bool IsLoaded() const { return handle_ != nullptr; }
    const QString &Path() const { return path_; }
    QString LastError() const { return lastError_; }  // for diagnostics, never shown to users

    // Bound entry points; null unless Load bound them.
    decltype(&::X_GetFileinfo_GetPic) X_GetFileinfo_GetPic = nullptr;
    decltype(&::X_Get_Frame) X_Get_Frame = nullptr;
    decltype(&::X_GetFrame_Init) X_GetFrame_Init = nullptr;
    decltype(&::X_Set_NextFrame_Time) X_Set_NextFrame_Time = nullptr;
    decltype(&::X_GetFrame_UnInit) X_GetFrame_UnInit = nullptr;
    decltype(&::X_SetPar_D2PSP) X_SetPar_D2PSP = nullptr;
    decltype(&::X_Get_Info) X_Get_Info = nullptr;
    decltype(&::X_StopConvert) X_StopConvert = nullptr;
    decltype(&::X_Get_Frame_JPEG) X_Get_Frame_JPEG = nullptr;

private:
    void UnbindAll();
    bool Bind(Entries needed);

    QString path_;
    void *handle_ = nullptr;
    QString lastError_;
};
