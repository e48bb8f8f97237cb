#include "MountWatcher.h"

#include "MountDiff.h"
#include "VolumeChangeLog.h"
#include "Volumes.h"

#include "platform/LogCategories.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

MountWatcher::MountWatcher(const QString &mountInfoPath, DeviceSources sources, VolumeChangeLog &log,
                           MessageTarget *window)
    : sources_(std::move(sources))
    , log_(log)
    , window_(window)
{
    tableFd_ = ::open(mountInfoPath.toLocal8Bit().constData(), O_RDONLY | O_CLOEXEC);
    if (tableFd_ < 0) {
        qCWarning(lcVolumes).noquote() << "cannot watch" << mountInfoPath + u':' << std::strerror(errno)
                                       << "- drives that come or go are not noticed";
        return;
    }
    stopFd_ = ::eventfd(0, EFD_CLOEXEC);
    if (stopFd_ < 0) {
        qCWarning(lcVolumes).noquote() << "cannot watch the mount table:" << std::strerror(errno);
        ::close(tableFd_);
        tableFd_ = -1;
        return;
    }
    known_ = volumesFromMountInfo(readTable().value_or(QString()), sources_);
    thread_ = std::thread([this] { run(); });
}

MountWatcher::~MountWatcher()
{
    if (thread_.joinable()) {
        const uint64_t one = 1;
        while (::write(stopFd_, &one, sizeof one) < 0 && errno == EINTR) {
        }
        thread_.join();
    }
    if (stopFd_ >= 0)
        ::close(stopFd_);
    if (tableFd_ >= 0)
        ::close(tableFd_);
}

std::optional<QString> MountWatcher::readTable() const
{
    QByteArray text;
    if (::lseek(tableFd_, 0, SEEK_SET) < 0)
        return std::nullopt;
    char buffer[16384];
    for (;;) {
        const ssize_t n = ::read(tableFd_, buffer, sizeof buffer);
        if (n > 0)
            text.append(buffer, n);
        else if (n == 0)
            return QString::fromUtf8(text);
        else if (errno != EINTR)
            return std::nullopt;
    }
}

void MountWatcher::run()
{
    pollfd fds[2] = {{tableFd_, POLLPRI, 0}, {stopFd_, POLLIN, 0}};
    for (;;) {
        if (::poll(fds, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            return;
        }
        if (fds[1].revents != 0)
            return;
        if (fds[0].revents & (POLLPRI | POLLERR))
            postChanges();
    }
}

void MountWatcher::postChanges()
{
    // A table that cannot be read, or reads empty (there is always a root), says nothing about
    // the mounts: taking it as "all gone" would report every volume removed.
    const std::optional<QString> table = readTable();
    const QList<MountEntry> now = table ? parseMountInfo(*table) : QList<MountEntry>();
    if (now.isEmpty())
        return;
    const MountTableChange change = diffMountTable(known_, now);
    for (const Volume &volume : change.removed) {
        known_.removeOne(volume);
        qCDebug(lcVolumes) << "removed" << volume.mountPoint;
        window_->post(window_, DeviceChangeMessage, DeviceRemoveComplete, log_.record(volume));
    }
    for (const MountEntry &mount : change.added) {
        const Volume volume = volumeFromMount(mount, sources_);
        known_.append(volume);
        qCDebug(lcVolumes) << "arrived" << volume.mountPoint;
        window_->post(window_, DeviceChangeMessage, DeviceArrival, log_.record(volume));
    }
}
