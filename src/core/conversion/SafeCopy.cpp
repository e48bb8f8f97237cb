#include "SafeCopy.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#include <vector>

namespace {

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QString cannot(const char *what, const QString &path)
{
    return QStringLiteral("Cannot %1 file %2").arg(QLatin1String(what), path);
}

QString cannot(const char *what, const QString &path, int error)
{
    return cannot(what, path) + QStringLiteral(": ") + systemReason(error);
}

// A file descriptor closed with its scope.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    // Closes now; the error of a close that failed (a late write error on some devices), else 0.
    int close()
    {
        const int result = ::close(fd_);
        fd_ = -1;
        return result == 0 ? 0 : errno;
    }

private:
    int fd_;
};

// 0, or the error of a write that could not be completed.
int writeAll(int fd, const char *data, qint64 size)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size_t(size));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        data += written;
        size -= written;
    }
    return 0;
}

ssize_t readSome(int fd, char *buffer, qint64 size)
{
    ssize_t got;
    do {
        got = ::read(fd, buffer, size_t(size));
    } while (got < 0 && errno == EINTR);
    return got;
}

bool sameFile(const struct stat &source, const QByteArray &destination)
{
    struct stat existing;
    return ::stat(destination.constData(), &existing) == 0 && existing.st_dev == source.st_dev
        && existing.st_ino == source.st_ino;
}

// The folder a file lies in, by its own descriptor: everything the copy does there reaches the
// device it began on, even once the path leads elsewhere (the device unmounted meanwhile).
int openFolderOf(const QString &path)
{
    return ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

bool deviceMounted(dev_t device)
{
    QFile table(QStringLiteral("/proc/self/mountinfo"));
    if (!table.open(QIODevice::ReadOnly))
        return true;
    // The third field of a line, "major:minor", is the only one of that form.
    const QByteArray id = ' ' + QByteArray::number(major(device)) + ':' + QByteArray::number(minor(device)) + ' ';
    return table.readAll().contains(id);
}

// 0 while the folder's path still leads to the folder the copy writes into; otherwise ENODEV when
// its device is no longer mounted at all (unplugged, unmounted), else ENOENT (removed, replaced).
int folderLeft(int folder, const QString &path)
{
    struct stat opened, named;
    if (::fstat(folder, &opened) != 0)
        return errno;
    if (::stat(QFile::encodeName(QFileInfo(path).absolutePath()).constData(), &named) == 0
        && opened.st_dev == named.st_dev && opened.st_ino == named.st_ino)
        return 0;
    return deviceMounted(opened.st_dev) ? ENOENT : ENODEV;
}

} // namespace

std::optional<QString> CopyFileSafely(const QString &source, const QString &destination, const CopyProgress &progress,
                                      qint64 blockSize, const CopyControl &control)
{
    const QByteArray sourceName = QFile::encodeName(source);
    const QByteArray destinationName = QFile::encodeName(destination);

    Descriptor in(::open(sourceName.constData(), O_RDONLY | O_CLOEXEC));
    struct stat sourceFacts;
    if (!in.valid() || ::fstat(in.get(), &sourceFacts) != 0 || S_ISDIR(sourceFacts.st_mode))
        return cannot("open", source);
    const qint64 total = sourceFacts.st_size;
    if (sameFile(sourceFacts, destinationName)) {
        if (progress)
            progress(total, total);
        return std::nullopt;
    }

    const Descriptor folder(openFolderOf(destination));
    const QByteArray entry = QFile::encodeName(QFileInfo(destination).fileName());
    const QByteArray partEntry = entry + ".part";
    Descriptor out(folder.valid() ? ::openat(folder.get(), partEntry.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644)
                                  : -1);
    if (!out.valid())
        return cannot("create", destination);
    const auto failed = [&](const QString &error) {
        out.close();
        ::unlinkat(folder.get(), partEntry.constData(), 0);
        return std::optional<QString>(error);
    };

    ::posix_fadvise(in.get(), 0, 0, POSIX_FADV_SEQUENTIAL);
    const qint64 block = std::max<qint64>(blockSize, 1);
    std::vector<char> buffer;
    bool inKernel = true;
    qint64 copied = 0;
    for (;;) {
        ssize_t got = -1;
        if (inKernel) {
            // The kernel copies between the page caches; file systems that cannot (or two of
            // different kinds) refuse at once, and the copy goes on through a buffer.
            got = ::copy_file_range(in.get(), nullptr, out.get(), nullptr, size_t(block), 0);
            const bool refused = got < 0 && (errno == EXDEV || errno == EINVAL || errno == ENOSYS || errno == EOPNOTSUPP);
            if (got < 0 && !refused)
                return failed(cannot("write", destination, errno));
            // Some kernels report an early end for files whose size they do not know: read on.
            if (refused || (got == 0 && copied < total)) {
                inKernel = false;
                buffer.resize(size_t(block));
            }
        }
        if (!inKernel) {
            got = readSome(in.get(), buffer.data(), block);
            if (got < 0)
                return failed(cannot("read", source, errno));
            if (got > 0) {
                if (const int error = writeAll(out.get(), buffer.data(), got))
                    return failed(cannot("write", destination, error));
            }
        }
        if (got == 0)
            break;
        copied += got;
        if (progress)
            progress(copied, total);
        if (control.stopRequested && control.stopRequested())
            return failed(QStringLiteral("Stopped: %1 was not written").arg(destination));
    }
    if (::fsync(out.get()) != 0)
        return failed(cannot("write", destination, errno));
    if (const int error = out.close()) {
        ::unlinkat(folder.get(), partEntry.constData(), 0);
        return cannot("write", destination, error);
    }
    // A folder removed or a device unmounted during the copy is no longer where the user looks
    // for the file: say so, and take the copy back off it instead of naming it there unseen.
    if (const int error = folderLeft(folder.get(), destination))
        return failed(cannot("create", destination, error));
    if (::renameat(folder.get(), partEntry.constData(), folder.get(), entry.constData()) != 0)
        return failed(cannot("create", destination, errno));
    // The rename is only durable once the folder holding the name has been flushed too (on a FAT
    // memory stick that flush writes the entry); file systems that cannot flush a folder (EINVAL)
    // keep the name anyway once they are unmounted.
    if ((control.flushFolder ? control.flushFolder : ::fsync)(folder.get()) != 0 && errno != EINVAL)
        return cannot("create", destination, errno);
    return std::nullopt;
}
