#include "SingleInstance.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>
#include <QSysInfo>
#include <cerrno>
#include <csignal>
#include <unistd.h>

namespace {

// QLockFile also refuses a lock of an ended process when the folder does not let it remove
// that lock: only a process that still runs here is another instance.
bool heldByRunningProcess(const QLockFile &lock)
{
    qint64 pid = 0;
    QString hostName;
    QString appName;
    if (!lock.getLockInfo(&pid, &hostName, &appName))
        return true;   // being written by a starting instance, or unreadable: Qt's judgement stands
    if (!hostName.isEmpty() && hostName != QSysInfo::machineHostName())
        return true;
    return pid > 0 && (::kill(pid_t(pid), 0) == 0 || errno == EPERM);
}

QString failureText(QLockFile::LockError error)
{
    switch (error) {
    case QLockFile::PermissionError:
        return QStringLiteral("not writable");
    case QLockFile::LockFailedError:
        return QStringLiteral("held by an ended process and not removable");
    default:
        return QStringLiteral("cannot be created");
    }
}

} // namespace

QStringList SingleInstance::DefaultLockPaths(const QString &productName)
{
    QStringList paths;
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty())
        paths.append(QDir(runtime).filePath(productName + QStringLiteral(".lock")));
    // Empty when the temporary folder does not exist; it must not become a relative path.
    const QString temp = QDir::tempPath();
    if (!temp.isEmpty())
        paths.append(QDir(temp).filePath(QStringLiteral("%1-%2.lock").arg(productName).arg(::getuid())));
    return paths;
}

SingleInstance::SingleInstance(QStringList lockPaths)
    : lockPaths_(std::move(lockPaths))
{
}

SingleInstance::~SingleInstance() = default;

SingleInstance::Claim SingleInstance::TryAcquire()
{
    if (lock_)
        return Claim::Held;
    failures_.clear();
    runningPath_.clear();
    for (const QString &path : std::as_const(lockPaths_)) {
        auto lock = std::make_unique<QLockFile>(path);
        // Only a lock whose process has died is stale; a long-running instance keeps its lock.
        lock->setStaleLockTime(0);
        if (lock->tryLock(0)) {
            lock_ = std::move(lock);
            heldPath_ = path;
            return Claim::Held;
        }
        if (lock->error() == QLockFile::LockFailedError && heldByRunningProcess(*lock)) {
            runningPath_ = path;
            return Claim::HeldByAnotherInstance;
        }
        failures_.append(path + QStringLiteral(": ") + failureText(lock->error()));
    }
    return Claim::NoLock;
}
