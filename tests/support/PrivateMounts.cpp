#include "PrivateMounts.h"

#include "ToolRun.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <linux/loop.h>
#include <sched.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace {

bool writeFile(const char *path, const std::string &text)
{
    FILE *file = std::fopen(path, "w");
    if (!file)
        return false;
    const bool written = std::fputs(text.c_str(), file) >= 0;
    return std::fclose(file) == 0 && written;
}

// Mapping our ids to the namespace's root lets the test write into what it mounted.
bool enterUserAndMountNamespace()
{
    const uid_t uid = ::getuid();
    const gid_t gid = ::getgid();
    return ::unshare(CLONE_NEWUSER | CLONE_NEWNS) == 0
        && writeFile("/proc/self/setgroups", "deny")
        && writeFile("/proc/self/uid_map", "0 " + std::to_string(uid) + " 1")
        && writeFile("/proc/self/gid_map", "0 " + std::to_string(gid) + " 1");
}

std::string failure(const char *what)
{
    return std::string(what) + ": " + std::strerror(errno);
}

// A remount inside a user namespace must keep the flags the outer mount locked.
unsigned long lockedFlags(const char *path)
{
    struct statvfs facts {};
    if (::statvfs(path, &facts) != 0)
        return 0;
    unsigned long flags = 0;
    if (facts.f_flag & ST_NOSUID)
        flags |= MS_NOSUID;
    if (facts.f_flag & ST_NODEV)
        flags |= MS_NODEV;
    if (facts.f_flag & ST_NOEXEC)
        flags |= MS_NOEXEC;
    if (facts.f_flag & ST_NOATIME)
        flags |= MS_NOATIME;
    if (facts.f_flag & ST_NODIRATIME)
        flags |= MS_NODIRATIME;
    if (facts.f_flag & ST_RELATIME)
        flags |= MS_RELATIME;
    return flags;
}

} // namespace

std::string EnterPrivateMountNamespace()
{
    if (::unshare(CLONE_NEWNS) != 0 && !enterUserAndMountNamespace())
        return failure("no private mount namespace here");
    if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
        return failure("mounts cannot be made private here");
    return {};
}

ReadOnlyMount::ReadOnlyMount(const QString &folder)
    : folder_(QFile::encodeName(folder))
{
    const char *path = folder_.constData();
    if (::mount(path, path, nullptr, MS_BIND, nullptr) != 0) {
        failure_ = failure("bind mount");
        return;
    }
    mounted_ = true;
    if (::mount(nullptr, path, nullptr, MS_BIND | MS_REMOUNT | MS_RDONLY | lockedFlags(path), nullptr) != 0)
        failure_ = failure("read-only remount");
}

ReadOnlyMount::~ReadOnlyMount()
{
    if (mounted_)
        ::umount2(folder_.constData(), MNT_DETACH);
}

SmallTmpfs::SmallTmpfs(const QString &folder, long long bytes)
    : folder_(QFile::encodeName(folder))
{
    const std::string options = "size=" + std::to_string(bytes);
    if (::mount("tmpfs", folder_.constData(), "tmpfs", MS_NOSUID | MS_NODEV, options.c_str()) != 0)
        failure_ = failure("tmpfs mount");
    else
        mounted_ = true;
}

SmallTmpfs::~SmallTmpfs()
{
    if (mounted_)
        ::umount2(folder_.constData(), MNT_DETACH);
}

namespace {

// Runs a tool quietly; empty on success, otherwise what failed.
std::string runQuietly(const QString &program, const QStringList &arguments)
{
    const ToolResult tool = runTool(program, arguments);
    if (tool.exitCode != 0)
        return program.toStdString() + ": " + tool.output.trimmed().toStdString();
    return {};
}

// A free loop device attached to `image`, let go by the kernel once nothing uses it any more. The
// caller keeps `loop` open until it has mounted the device, and then closes it.
std::string attachLoop(const QByteArray &image, QByteArray &device, int &loop)
{
    const int control = ::open("/dev/loop-control", O_RDWR | O_CLOEXEC);
    if (control < 0)
        return failure("no loop devices here");
    const int number = ::ioctl(control, LOOP_CTL_GET_FREE);
    ::close(control);
    if (number < 0)
        return failure("no free loop device");
    device = "/dev/loop" + QByteArray::number(number);
    loop = ::open(device.constData(), O_RDWR | O_CLOEXEC);
    const int backing = ::open(image.constData(), O_RDWR | O_CLOEXEC);
    std::string why;
    if (loop < 0 || backing < 0 || ::ioctl(loop, LOOP_SET_FD, backing) != 0) {
        why = failure("loop device");
    } else {
        struct loop_info64 info {};
        info.lo_flags = LO_FLAGS_AUTOCLEAR;
        if (::ioctl(loop, LOOP_SET_STATUS64, &info) != 0) {
            why = failure("loop device status");
            ::ioctl(loop, LOOP_CLR_FD, 0);
        }
    }
    if (backing >= 0)
        ::close(backing);
    if (!why.empty() && loop >= 0) {
        ::close(loop);
        loop = -1;
    }
    return why;
}

QStringList filesBelow(const QString &root)
{
    QStringList files;
    QDirIterator it(root, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(QDir(root).relativeFilePath(it.next()));
    files.sort();
    return files;
}

} // namespace

RemovableImage::RemovableImage(const QString &folder, int megabytes)
    : folder_(QFile::encodeName(folder))
    , image_(folder_ + ".image")
{
    QFile image(QFile::decodeName(image_));
    if (!image.open(QIODevice::WriteOnly) || !image.resize(qint64(megabytes) << 20)) {
        failure_ = "cannot make the disk image";
        return;
    }
    image.close();
    failure_ = runQuietly(QStringLiteral("mkfs.ext4"), {QStringLiteral("-q"), QStringLiteral("-F"), QFile::decodeName(image_)});
    if (failure_.empty())
        failure_ = Attach(folder_, true);
}

std::string RemovableImage::Attach(const QByteArray &mountPoint, bool overlayRemovable)
{
    QByteArray device;
    int loop = -1;
    if (std::string why = attachLoop(image_, device, loop); !why.empty())
        return why;
    const bool mounted = ::mount(device.constData(), mountPoint.constData(), "ext4", 0, nullptr) == 0;
    const std::string why = mounted ? std::string() : failure("ext4 mount");
    ::close(loop); // the device detaches itself now if the mount failed
    if (!mounted)
        return why;
    if (!overlayRemovable)
        return {};
    mounted_ = true;
    blockName_ = device.mid(device.lastIndexOf('/') + 1);
    removableOverlay_ = image_ + ".removable";
    QFile flag(QFile::decodeName(removableOverlay_));
    if (!flag.open(QIODevice::WriteOnly) || flag.write("1\n") != 2)
        return "cannot write the removable flag";
    flag.close();
    const QByteArray attribute = "/sys/block/" + blockName_ + "/removable";
    if (::mount(removableOverlay_.constData(), attribute.constData(), nullptr, MS_BIND, nullptr) != 0)
        return failure("removable flag overlay");
    return {};
}

RemovableImage::~RemovableImage()
{
    if (mounted_)
        ::umount2(folder_.constData(), MNT_DETACH);
    if (!blockName_.isEmpty())
        ::umount2(("/sys/block/" + blockName_ + "/removable").constData(), MNT_DETACH);
    QFile::remove(QFile::decodeName(image_));
    if (!removableOverlay_.isEmpty())
        QFile::remove(QFile::decodeName(removableOverlay_));
}

std::string RemovableImage::Unplug()
{
    const int root = ::open(folder_.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (root < 0)
        return failure("open the drive");
    // What ext4 does when its device is gone: nothing more reaches the disk, every call fails.
    constexpr unsigned long shutDown = _IOR('X', 125, uint32_t); // EXT4_IOC_SHUTDOWN
    uint32_t how = 2;                                            // EXT4_GOING_FLAGS_NOLOGFLUSH
    const bool done = ::ioctl(root, shutDown, &how) == 0;
    const std::string why = done ? std::string() : failure("shut the file system down");
    ::close(root);
    return why;
}

std::string RemovableImage::LazyUnmount()
{
    if (::umount2(folder_.constData(), MNT_DETACH) != 0)
        return failure("lazy unmount");
    mounted_ = false;
    return {};
}

QStringList RemovableImage::FilesWhenPluggedAgain(std::string *why)
{
    if (mounted_ && ::umount2(folder_.constData(), MNT_DETACH) == 0)
        mounted_ = false;
    // The loop device lets go of the image once the last file open on it is closed.
    const QString attached = QStringLiteral("/sys/block/%1/loop/backing_file").arg(QString::fromLatin1(blockName_));
    for (int wait = 0; wait < 100 && QFile::exists(attached); ++wait)
        ::usleep(50000);
    const QByteArray again = image_ + ".again";
    QDir().mkpath(QFile::decodeName(again));
    std::string failed = QFile::exists(attached) ? "the drive is still in use" : Attach(again, false);
    if (!failed.empty()) {
        if (why)
            *why = failed;
        return {};
    }
    const QStringList files = filesBelow(QFile::decodeName(again));
    ::umount2(again.constData(), MNT_DETACH);
    QDir().rmdir(QFile::decodeName(again));
    return files;
}

std::string MakeRootReadOnly()
{
    if (::mount(nullptr, "/", nullptr, MS_BIND | MS_REMOUNT | MS_RDONLY | lockedFlags("/"), nullptr) != 0)
        return failure("read-only remount of /");
    return {};
}
