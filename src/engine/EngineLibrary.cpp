#include "engine/EngineLibrary.h"

#include "core/AppGlobals.h"
#include "platform/LogCategories.h"

#include <QFile>

#include <dlfcn.h>
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
    if (const char *missing = bindEngineEntries(handle_, needed, *this)) {
        lastError_ = QStringLiteral("%1: no entry point %2").arg(path_, QLatin1String(missing));
        qCWarning(lcEngine).noquote() << lastError_;
        Release();
        return false;
    }
    return true;
}

QString EngineLibrary::FailureReason() const
{
    const char *reason = X_Get_Last_Error ? X_Get_Last_Error() : nullptr;
    return reason ? QString::fromUtf8(reason) : QString();
}

void EngineLibrary::Release()
{
    static_cast<EngineEntryPoints &>(*this) = {};
    if (handle_) {
        dlclose(handle_);
        handle_ = nullptr;
    }
}
