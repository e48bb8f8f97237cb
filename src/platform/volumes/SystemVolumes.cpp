#include "SystemVolumes.h"

#include "LibUdevLookup.h"
#include "MountWatcher.h"
#include "VolumeChangeLog.h"

#include <QFile>

SystemVolumes::SystemVolumes()
    : SystemVolumes(QStringLiteral("/proc/self/mountinfo"), DeviceSources())
{
    ownUdev_ = std::make_unique<LibUdevLookup>();
    sources_.udev = ownUdev_.get();
}

SystemVolumes::SystemVolumes(QString mountInfoPath, DeviceSources sources)
    : mountInfoPath_(std::move(mountInfoPath))
    , sources_(std::move(sources))
    , changes_(std::make_unique<VolumeChangeLog>())
{
}

SystemVolumes::~SystemVolumes() = default;

QList<Volume> SystemVolumes::mounted() const
{
    QFile table(mountInfoPath_);
    if (!table.open(QIODevice::ReadOnly))
        return {};
    return volumesFromMountInfo(QString::fromUtf8(table.readAll()), sources_);
}

void SystemVolumes::watch(MessageTarget *window)
{
    watcher_.reset();
    if (window)
        watcher_ = std::make_unique<MountWatcher>(mountInfoPath_, sources_, *changes_, window);
}

std::optional<Volume> SystemVolumes::notified(intptr_t lparam) const
{
    return changes_->find(lparam);
}
