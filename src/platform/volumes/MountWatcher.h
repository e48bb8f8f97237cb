// Watches the mount table on a thread of its own (/proc/self/mountinfo signals every change with
// POLLPRI) and posts a 537 notification for every mount that comes or goes, as Volumes.h says.
#pragma once

#include "abi/DVDEncoder.h"
#include "platform/volumes/DeviceFacts.h"
#include "platform/volumes/Volume.h"

#include <QList>
#include <QString>
#include <optional>
#include <thread>

class VolumeChangeLog;

class MountWatcher {
public:
    // The table as it is when the constructor returns is the baseline; later changes are posted.
    // When the table cannot be opened nothing is watched (see isWatching).
    MountWatcher(const QString &mountInfoPath, DeviceSources sources, VolumeChangeLog &log, MessageTarget *window);
    // Stops the thread; nothing is posted once it has returned.
    ~MountWatcher();

    MountWatcher(const MountWatcher &) = delete;
    MountWatcher &operator=(const MountWatcher &) = delete;

    bool isWatching() const { return thread_.joinable(); }

private:
    void run();
    std::optional<QString> readTable() const;
    void postChanges();

    const DeviceSources sources_;
    VolumeChangeLog &log_;
    MessageTarget *const window_;
    int tableFd_ = -1;
    int stopFd_ = -1;
    QList<Volume> known_;
    std::thread thread_;
};
