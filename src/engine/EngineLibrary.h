#pragma once

#include "abi/EngineEntryPoints.h"

#include <QString>

// Binds the engine library DVDEncoder.so by file name and its entry points by name. Each site
// loads it with the entry points it needs; when the library or one of those entry points is
// missing, Load fails and nothing stays loaded. Released by Release() or the destructor.
class EngineLibrary : public EngineEntryPoints {
public:
    using Entries = EngineEntries;

    // The entry points each site binds; the optional ones (the failure reason, the stream lists)
    // where the library has them.
    static constexpr Entries ReasonEntries = entryBit(EngineEntry::X_Get_Last_Error);
    static constexpr Entries ProbeEntries = entryBit(EngineEntry::X_GetFileinfo_GetPic) | ReasonEntries
        | entryBit(EngineEntry::X_Get_Stream_List);
    static constexpr Entries AddingEntries = ProbeEntries | entryBit(EngineEntry::X_Get_Frame);
    static constexpr Entries PreviewEntries = AddingEntries | entryBit(EngineEntry::X_GetFrame_Init)
        | entryBit(EngineEntry::X_Set_NextFrame_Time) | entryBit(EngineEntry::X_GetFrame_UnInit);
    static constexpr Entries ConversionEntries = entryBit(EngineEntry::X_SetPar_D2PSP)
        | entryBit(EngineEntry::X_Get_Info) | entryBit(EngineEntry::X_StopConvert)
        | entryBit(EngineEntry::X_Get_Frame_JPEG) | ReasonEntries;

    static constexpr const char *FileName = "DVDEncoder.so";

    // path_PNG + FileName.
    static QString DefaultPath();

    explicit EngineLibrary(QString path = DefaultPath());
    ~EngineLibrary();
    EngineLibrary(const EngineLibrary &) = delete;
    EngineLibrary &operator=(const EngineLibrary &) = delete;

    // Loads the library (once) and binds `needed`, leaving the other entry points null. False, with
    // the library released and every entry point unbound, when the file cannot be loaded or a
    // required entry point is missing; a missing optional one stays null.
    bool Load(Entries needed);
    void Release();
    bool IsLoaded() const { return handle_ != nullptr; }
    const QString &Path() const { return path_; }
    QString LastError() const { return lastError_; }  // for diagnostics, never shown to users
    // Why the calling thread's last engine call failed, in the user's terms; empty when the engine
    // gives no reasons or gave none.
    QString FailureReason() const;

private:
    QString path_;
    void *handle_ = nullptr;
    QString lastError_;
};
