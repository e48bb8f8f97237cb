#include "SingleInstance.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

SingleInstance::SingleInstance(const QString &productName, const QString &folder)
{
    QString lockFolder = folder;
    if (lockFolder.isEmpty())
        lockFolder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (lockFolder.isEmpty())
        lockFolder = QDir::tempPath();
    lockPath_ = QDir(lockFolder).filePath(productName + QStringLiteral(".lock"));
    lock_ = std::make_unique<QLockFile>(lockPath_);
    // Only a lock whose process has died is stale; a long-running instance keeps its lock.
    lock_->setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::TryAcquire()
{
    if (!held_)
        held_ = lock_->tryLock(0);
    return held_;
}
