#pragma once

#include <QString>
#include <QStringList>
#include <string>

// Read-only folders, full volumes and removable drives for tests. Permissions do not stop root,
// which runs the tests in CI, so a folder is made read-only by mounting it over itself read-only,
// inside a mount namespace that only the calling thread (and the threads and processes it starts
// afterwards) sees and that ends with the process.

// Gives the calling thread a mount namespace of its own with private mounts. Empty on success,
// otherwise why not (for GTEST_SKIP). Without privileges a user namespace grants the mounts; that
// needs a process with one thread, such as a freshly forked child.
std::string EnterPrivateMountNamespace();

// While it lives, `folder` is a read-only mount of itself. Enter a private namespace first.
class ReadOnlyMount {
public:
    explicit ReadOnlyMount(const QString &folder);
    ~ReadOnlyMount();
    ReadOnlyMount(const ReadOnlyMount &) = delete;
    ReadOnlyMount &operator=(const ReadOnlyMount &) = delete;

    // Empty when mounted, otherwise why not.
    const std::string &Failure() const { return failure_; }

private:
    QByteArray folder_;
    std::string failure_;
    bool mounted_ = false;
};

// While it lives, a tmpfs of `bytes` bytes is mounted over `folder`: a volume that fills up.
// Enter a private namespace first.
class SmallTmpfs {
public:
    SmallTmpfs(const QString &folder, long long bytes);
    ~SmallTmpfs();
    SmallTmpfs(const SmallTmpfs &) = delete;
    SmallTmpfs &operator=(const SmallTmpfs &) = delete;

    const std::string &Failure() const { return failure_; }

private:
    QByteArray folder_;
    std::string failure_;
    bool mounted_ = false;
};

// A USB drive made of a disk image: a fresh ext4 file system on a loop device, mounted at
// `folder`, whose sysfs "removable" attribute is overlaid with 1 so the volumes service counts it
// removable. Unplug() makes every further access fail as when the cable is pulled; a lazy
// unmount is the other way it leaves. Enter a private namespace first.
class RemovableImage {
public:
    RemovableImage(const QString &folder, int megabytes);
    ~RemovableImage();
    RemovableImage(const RemovableImage &) = delete;
    RemovableImage &operator=(const RemovableImage &) = delete;

    const std::string &Failure() const { return failure_; }

    // Any thread of this namespace. Empty on success, otherwise why not.
    std::string Unplug();
    std::string LazyUnmount();

    // Once it has left: the files the image holds when plugged in again, as paths below its root,
    // sorted ("" and a reason in `why` when it cannot be mounted again).
    QStringList FilesWhenPluggedAgain(std::string *why = nullptr);

private:
    std::string Attach(const QByteArray &mountPoint, bool overlayRemovable);

    QByteArray folder_;
    QByteArray image_;
    QByteArray removableOverlay_;
    QByteArray blockName_;
    std::string failure_;
    bool mounted_ = false;
};

// Makes the whole file system read-only for the calling thread's namespace (the mounts on it, such
// as /proc, /dev/shm or a tmpfs mounted later, keep their own flags). Empty on success, otherwise
// why not. Enter a private namespace first.
std::string MakeRootReadOnly();
