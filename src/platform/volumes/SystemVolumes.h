// The volumes of this machine: /proc/self/mountinfo with udev and sysfs facts, and a watcher
// thread that notifies a window when mounts come and go.
#pragma once

#include "DeviceFacts.h"
#include "Volumes.h"

#include <memory>

class MountWatcher;
class VolumeChangeLog;

class SystemVolumes final : public Volumes {
public:
    SystemVolumes();
    // For tests: another mount table file and other device sources.
    SystemVolumes(QString mountInfoPath, DeviceSources sources);
    ~SystemVolumes() override;

    QList<Volume> mounted() const override;
    void watch(MessageTarget *window) override;
    std::optional<Volume> notified(intptr_t lparam) const override;

private:
    QString mountInfoPath_;
    DeviceSources sources_;
    std::unique_ptr<UdevLookup> ownUdev_;
    std::unique_ptr<VolumeChangeLog> changes_;
    std::unique_ptr<MountWatcher> watcher_;
};
