#pragma once

#include <QString>
#include <cstdint>
#include <functional>

class Volumes;

// Watches the drive notifications (message 537) for a DVD video disc: one that comes up while
// the clip list is empty gives its label to the title field and is remembered; when the
// remembered disc goes away, the list is cleared. Volumes stand for drive letters: the
// remembered drive is a mount point, and NoDrive ("A") matches no volume.
class DvdDriveWatch {
public:
    static inline const QString NoDrive = QStringLiteral("A");

    struct Actions {
        std::function<bool()> listIsEmpty;
        std::function<void(const QString &label)> showTitle;   // suiEdit_DVDName
        std::function<void()> clearClips;                     // ClearClips
    };

    DvdDriveWatch(const Volumes &volumes, Actions actions);

    // Message 537 with its two parameters.
    void DeviceChanged(intptr_t wparam, intptr_t lparam);
    // The volume mounted at mountPoint: a readable optical disc shows its label; one with a
    // VIDEO_TS folder is remembered.
    void CheckDvdDrive(const QString &mountPoint);

    const QString &DvdDrive() const { return dvdDrive_; }
    // The list was cleared: nothing is remembered any more.
    void Forget() { dvdDrive_ = NoDrive; }

private:
    const Volumes &volumes_;
    Actions actions_;
    QString dvdDrive_ = NoDrive;
};
