#pragma once

#include <QLockFile>
#include <QString>

// Holds the lock of Option.ini (a lock file beside it) while alive. The window and the command
// line read, advance and write the serial number under it, one after the other, so that two
// front ends running at once never take the same output names. A lock left by a process that
// died is taken over.
class OptionsLock {
public:
    explicit OptionsLock(const QString &optionsPath, int timeoutMs = 5000);
    OptionsLock(const OptionsLock &) = delete;
    OptionsLock &operator=(const OptionsLock &) = delete;

    bool IsLocked() const { return locked_; }
    // Why the lock could not be taken, in words; empty when it is held.
    QString Failure() const;

private:
    QString path_;
    QLockFile lock_;
    bool locked_ = false;
};
