#include "DvdDriveWatch.h"

#include "Volumes.h"

#include <QDir>
#include <QFileInfo>

DvdDriveWatch::DvdDriveWatch(const Volumes &volumes, Actions actions)
    : volumes_(volumes), actions_(std::move(actions))
{
}

void DvdDriveWatch::DeviceChanged(intptr_t wparam, intptr_t lparam)
{
    if (wparam != DeviceArrival && wparam != DeviceRemoveComplete)
        return;
    const std::optional<Volume> volume = volumes_.notified(lparam);
    if (!volume)
        return;
    if (wparam == DeviceArrival) {
        if (actions_.listIsEmpty())
            CheckDvdDrive(volume->mountPoint);
    } else if (volume->mountPoint == dvdDrive_) {
        actions_.clearClips();
    }
}

void DvdDriveWatch::CheckDvdDrive(const QString &mountPoint)
{
    const std::optional<Volume> volume = volumes_.volumeAt(mountPoint);
    if (!volume || volume->kind != VolumeKind::CdRom)
        return;
    const QFileInfo root(volume->mountPoint);
    if (!root.isDir() || !root.isReadable())
        return;
    actions_.showTitle(volume->label.trimmed());
    if (holdsFolder(*volume, QStringLiteral("VIDEO_TS")))
        dvdDrive_ = volume->mountPoint;
}
