#pragma once

#include <QString>
#include <QStringList>
#include <memory>

class QLockFile;

// Refuses a second running instance for the same user with a lock file. The lock may live in
// several places, tried in order: a place that cannot hold it (a missing or read-only folder, a
// lock of an ended process that cannot be removed) sends it to the next one, and only a lock held
// by a running process refuses the start. A lock left by a process that is no longer running is
// taken over.
class SingleInstance {
public:
    enum class Claim {
        Held,                   // this process holds the lock (also when it held it already)
        HeldByAnotherInstance,  // a running process holds it
        NoLock,                 // no place could hold it: nothing tells a second start apart
    };

    // The user's runtime folder, then the temporary folder, which other users share: the lock
    // there carries the user id.
    static QStringList DefaultLockPaths(const QString &productName);

    explicit SingleInstance(QStringList lockPaths);
    ~SingleInstance();

    Claim TryAcquire();
    // The lock held; empty unless TryAcquire() gave Held.
    QString LockPath() const { return heldPath_; }
    // The lock the running instance holds; empty unless TryAcquire() gave HeldByAnotherInstance.
    QString RunningInstanceLock() const { return runningPath_; }
    // After NoLock: each place tried and why it could not hold the lock.
    QString FailureReport() const { return failures_.join(QStringLiteral("; ")); }

private:
    QStringList lockPaths_;
    std::unique_ptr<QLockFile> lock_;
    QString heldPath_;
    QString runningPath_;
    QStringList failures_;
};
