#pragma once

#include <QString>
#include <memory>

class QLockFile;

// Refuses a second running instance for the same user: a lock file named after the product in
// the user's runtime folder. A lock left by a process that is no longer running is taken over.
class SingleInstance {
public:
    // folder empty: the user's runtime folder (XDG_RUNTIME_DIR, else a per-user temp folder).
    explicit SingleInstance(const QString &productName, const QString &folder = QString());
    ~SingleInstance();

    // True when this process now holds the lock (also when it held it already).
    bool TryAcquire();
    QString LockPath() const { return lockPath_; }

private:
    QString lockPath_;
    std::unique_ptr<QLockFile> lock_;
    bool held_ = false;
};
