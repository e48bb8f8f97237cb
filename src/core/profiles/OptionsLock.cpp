#include "OptionsLock.h"

OptionsLock::OptionsLock(const QString &optionsPath, int timeoutMs)
    : path_(optionsPath + QStringLiteral(".lock"))
    , lock_(path_)
{
    locked_ = lock_.tryLock(timeoutMs);
}

QString OptionsLock::Failure() const
{
    switch (lock_.error()) {
    case QLockFile::NoError:
        return {};
    case QLockFile::LockFailedError:
        return QStringLiteral("Cannot lock %1: another program holds it").arg(path_);
    case QLockFile::PermissionError:
        return QStringLiteral("Cannot lock %1: the folder cannot be written").arg(path_);
    case QLockFile::UnknownError:
        break;
    }
    return QStringLiteral("Cannot lock %1").arg(path_);
}
