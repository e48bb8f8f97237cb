#include "SlowReads.h"

#include <QFile>

#include <atomic>
#include <cerrno>
#include <dlfcn.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {
std::atomic<bool> armed{false};
std::atomic<dev_t> slowDevice{0};
std::atomic<ino_t> slowInode{0};
std::atomic<int64_t> delayMs{0};
std::atomic<int64_t> chunkBytes{0};
std::atomic<int64_t> stallOffset{-1};
std::atomic<int> delivered{0};

using ReadFunction = ssize_t (*)(int, void *, size_t);

ReadFunction nextRead()
{
    static const auto next = reinterpret_cast<ReadFunction>(dlsym(RTLD_NEXT, "read"));
    return next;
}

bool isSlowFile(int fd)
{
    struct stat st {};
    return ::fstat(fd, &st) == 0 && st.st_dev == slowDevice.load() && st.st_ino == slowInode.load();
}
} // namespace

extern "C" ssize_t read(int fd, void *buffer, size_t count)
{
    if (!armed.load() || !isSlowFile(fd))
        return nextRead()(fd, buffer, count);
    const int64_t stallAt = stallOffset.load();
    const off_t offset = ::lseek(fd, 0, SEEK_CUR);
    if (stallAt >= 0 && offset >= stallAt) {
        // Nothing comes; a reader that retries is not held up for good.
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        errno = EAGAIN;
        return -1;
    }
    // The end of the file is told at once, as a disk tells it from what it knows of the file.
    struct stat st {};
    if (::fstat(fd, &st) == 0 && offset < st.st_size)
        std::this_thread::sleep_for(std::chrono::milliseconds(delayMs.load()));
    const int64_t chunk = chunkBytes.load();
    const ssize_t got = nextRead()(fd, buffer, chunk > 0 && int64_t(count) > chunk ? size_t(chunk) : count);
    if (got > 0)
        ++delivered;
    return got;
}

SlowReads::SlowReads(const QString &file, const SlowReadPlan &plan)
{
    struct stat st {};
    if (::stat(QFile::encodeName(file).constData(), &st) != 0)
        return;
    slowDevice = st.st_dev;
    slowInode = st.st_ino;
    delayMs = plan.delay.count();
    chunkBytes = plan.chunk;
    stallOffset = plan.stallAt;
    delivered = 0;
    armed = true;
}

SlowReads::~SlowReads()
{
    armed = false;
}

int SlowReads::deliveries() const
{
    return delivered.load();
}
