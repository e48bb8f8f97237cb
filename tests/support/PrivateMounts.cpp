#include "PrivateMounts.h"

#include <QFile>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sched.h>
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
