#include "FakeVolumes.h"

namespace {

QString asFolder(const QString &path)
{
    return path.endsWith(u'/') ? path : path + u'/';
}

}

Volume FakeVolumes::makeVolume(const QString &mountPoint, VolumeKind kind, const QString &label)
{
    Volume volume;
    volume.mountPoint = asFolder(mountPoint);
    volume.kind = kind;
    volume.label = label;
    volume.root = QStringLiteral("/");
    return volume;
}

void FakeVolumes::setMounted(const QList<Volume> &volumes)
{
    volumes_ = volumes;
}

Volume FakeVolumes::mount(Volume volume)
{
    volume.mountPoint = asFolder(volume.mountPoint);
    if (volume.mountId == 0)
        volume.mountId = nextMountId_++;
    volumes_.append(volume);
    post(DeviceArrival, volume);
    return volume;
}

bool FakeVolumes::unmount(const QString &mountPoint)
{
    const QString folder = asFolder(mountPoint);
    for (qsizetype i = volumes_.size() - 1; i >= 0; --i) {
        if (volumes_[i].mountPoint == folder) {
            const Volume volume = volumes_.takeAt(i);
            post(DeviceRemoveComplete, volume);
            return true;
        }
    }
    return false;
}

void FakeVolumes::post(intptr_t wparam, const Volume &volume)
{
    if (window_)
        window_->post(window_, DeviceChangeMessage, wparam, changes_.record(volume));
}
