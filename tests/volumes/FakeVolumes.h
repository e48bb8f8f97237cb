// A scripted volumes service for tests. The test decides what is mounted; mount() and unmount()
// post the same 537 notifications as the real watcher to the window given to watch(). Mount
// points may be real folders (a QTemporaryDir), so folderOnVolume and holdsFolder work on them.
#pragma once

#include "VolumeChangeLog.h"
#include "Volumes.h"

class FakeVolumes final : public Volumes {
public:
    // A volume value; the mount point gets its final "/".
    static Volume makeVolume(const QString &mountPoint, VolumeKind kind, const QString &label = {});

    QList<Volume> mounted() const override { return volumes_; }
    void watch(MessageTarget *window) override { window_ = window; }
    std::optional<Volume> notified(intptr_t lparam) const override { return changes_.find(lparam); }

    MessageTarget *watchedWindow() const { return window_; }

    // Replaces the table without notifications.
    void setMounted(const QList<Volume> &volumes);
    // Puts the volume on top of the table (giving it a mount id when it has none) and posts its
    // arrival to the watched window, if any. Returns the volume as listed.
    Volume mount(Volume volume);
    // Takes the topmost volume at mountPoint off the table and posts its removal; false when
    // nothing is mounted there.
    bool unmount(const QString &mountPoint);

private:
    void post(intptr_t wparam, const Volume &volume);

    QList<Volume> volumes_;
    VolumeChangeLog changes_;
    MessageTarget *window_ = nullptr;
    int nextMountId_ = 1000;
};
