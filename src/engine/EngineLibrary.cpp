#include "EngineLibrary.h"

#include "core/AppGlobals.h"
#include "platform/LogCategories.h"

#include <QFile>

#include <dlfcn.h>
#include <type_traits>
#include <utility>

QString EngineLibrary::DefaultPath()
{
    return path_PNG + QLatin1String(FileName);
}

EngineLibrary::EngineLibrary(QString path)
    : path_(std::move(path))
{
}

EngineLibrary::~EngineLibrary()
{
    Release();
}

bool EngineLibrary::Load(Entries needed)
{
    if (!handle_) {
        handle_ = dlopen(QFile::encodeName(path_).constData(), RTLD_NOW | RTLD_LOCAL);
        if (!handle_) {
            lastError_ = QString::fromLocal8Bit(dlerror());
            qCWarning(lcEngine).noquote() << "cannot load the engine:" << lastError_;
            return false;
        }
    }
    if (!Bind(needed)) {
        qCWarning(lcEngine).noquote() << lastError_;
        Release();
        return false;
    }
    return true;
}

bool EngineLibrary::Bind(Entries needed)
{
    bool bound = true;
    const auto bind = [&](Entry entry, const char *name, auto &slot) {
        if (!bound || !(needed & entry))
            return;
        slot = reinterpret_cast<std::remove_reference_t<decltype(slot)>>(dlsym(handle_, name));
        if (!slot) {
            bound = false;
            lastError_ = QStringLiteral("%1: no entry point %2").arg(path_, QLatin1String(name));
        }
    };
    bind(GetFileinfoGetPic, "X_GetFileinfo_GetPic", X_GetFileinfo_GetPic);
    bind(GetFrame, "X_Get_Frame", X_Get_Frame);
    bind(GetFrameInit, "X_GetFrame_Init", X_GetFrame_Init);
    bind(SetNextFrameTime, "X_Set_NextFrame_Time", X_Set_NextFrame_Time);
    bind(GetFrameUnInit, "X_GetFrame_UnInit", X_GetFrame_UnInit);
    bind(SetParD2PSP, "X_SetPar_D2PSP", X_SetPar_D2PSP);
    bind(GetInfo, "X_Get_Info", X_Get_Info);
    bind(StopConvert, "X_StopConvert", X_StopConvert);
    bind(GetFrameJPEG, "X_Get_Frame_JPEG", X_Get_Frame_JPEG);
    return bound;
}

void EngineLibrary::UnbindAll()
{
    X_GetFileinfo_GetPic = nullptr;
    X_Get_Frame = nullptr;
    X_GetFrame_Init = nullptr;
    X_Set_NextFrame_Time = nullptr;
    X_GetFrame_UnInit = nullptr;
    X_SetPar_D2PSP = nullptr;
    X_Get_Info = nullptr;
    X_StopConvert = nullptr;
    X_Get_Frame_JPEG = nullptr;
}

void EngineLibrary::Release()
{
    UnbindAll();
    if (handle_) {
        dlclose(handle_);
        handle_ = nullptr;
    }
}
