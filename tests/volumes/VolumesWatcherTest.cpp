// The watcher against real mount table changes, made in a child process that has a mount
// namespace of its own so that nothing outside the test sees the mounts.
#include "PrivateMounts.h"
#include "SystemVolumes.h"

#include <QDir>
#include <QTemporaryDir>
#include <condition_variable>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <mutex>
#include <string>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct Outcome {
    enum Kind { Passed, Failed, Skipped } kind = Passed;
    std::string text;
};

Outcome failed(const std::string &text) { return {Outcome::Failed, text}; }
Outcome skipped(const std::string &text) { return {Outcome::Skipped, text}; }

// Runs body in a forked child inside a private mount namespace and brings its outcome back.
Outcome inPrivateMountNamespace(const std::function<Outcome()> &body)
{
    int channel[2];
    if (::pipe(channel) != 0)
        return failed("no pipe");
    const pid_t child = ::fork();
    if (child < 0)
        return failed("no fork");
    if (child == 0) {
        ::close(channel[0]);
        const std::string refused = EnterPrivateMountNamespace();
        const Outcome outcome = refused.empty() ? body() : skipped(refused);
        const std::string message = char('0' + outcome.kind) + outcome.text;
        [[maybe_unused]] const ssize_t written = ::write(channel[1], message.data(), message.size());
        ::_exit(0);
    }
    ::close(channel[1]);
    std::string message;
    char buffer[512];
    for (ssize_t n; (n = ::read(channel[0], buffer, sizeof buffer)) != 0;) {
        if (n > 0)
            message.append(buffer, size_t(n));
        else if (errno != EINTR)
            break;
    }
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (message.empty())
        return failed("the child process ended without an outcome (status " + std::to_string(status) + ")");
    return {Outcome::Kind(message[0] - '0'), message.substr(1)};
}

// A window that records what is posted to it, from any thread.
class RecordingWindow {
public:
    MessageTarget *target() { return &target_; }

    std::size_t count()
    {
        const std::lock_guard lock(mutex_);
        return messages_.size();
    }

    // The volume of the first notification with this WParam for mountPoint, waiting for it a
    // bounded time.
    std::optional<Volume> waitFor(intptr_t wparam, const Volumes &volumes, const QString &mountPoint)
    {
        std::unique_lock lock(mutex_);
        std::optional<Volume> found;
        arrived_.wait_for(lock, std::chrono::seconds(20), [&] {
            for (const auto &m : messages_) {
                const auto volume = volumes.notified(m.lparam);
                if (m.number == DeviceChangeMessage && m.wparam == wparam && volume && volume->mountPoint == mountPoint) {
                    found = volume;
                    return true;
                }
            }
            return false;
        });
        return found;
    }

private:
    struct Message {
        uint32_t number;
        intptr_t wparam, lparam;
    };
    static void record(MessageTarget *self, uint32_t number, intptr_t wparam, intptr_t lparam)
    {
        auto *window = reinterpret_cast<RecordingWindow *>(self);
        const std::lock_guard lock(window->mutex_);
        window->messages_.push_back({number, wparam, lparam});
        window->arrived_.notify_all();
    }

    MessageTarget target_{&RecordingWindow::record};   // first member: the handle is the object
    std::mutex mutex_;
    std::condition_variable arrived_;
    std::vector<Message> messages_;
};

void expectOutcome(const Outcome &outcome)
{
    if (outcome.kind == Outcome::Skipped)
        GTEST_SKIP() << outcome.text;
    EXPECT_EQ(outcome.kind, Outcome::Passed) << outcome.text;
}

std::string text(const QString &s) { return s.toStdString(); }

}

TEST(VolumesWatcher, PostsArrivalAndRemovalOfARealMount)
{
    expectOutcome(inPrivateMountNamespace([] {
        QTemporaryDir dir;
        const QString point = dir.path() + QStringLiteral("/my disc");   // written \040 in the table
        if (!QDir().mkpath(point))
            return failed("cannot make the mount point");

        RecordingWindow window;
        SystemVolumes volumes;
        volumes.watch(window.target());
        if (::mount("tmpfs", point.toLocal8Bit().constData(), "tmpfs", 0, "size=1m") != 0)
            return skipped(std::string("tmpfs cannot be mounted here: ") + std::strerror(errno));

        const auto arrived = window.waitFor(DeviceArrival, volumes, point + u'/');
        if (!arrived)
            return failed("no arrival for " + text(point));
        if (arrived->fileSystem != QLatin1String("tmpfs") || arrived->kind != VolumeKind::Other)
            return failed("arrival names " + text(arrived->fileSystem));
        if (volumes.volumeAt(point) != arrived)
            return failed("the listed volume differs from the notified one");

        if (::umount(point.toLocal8Bit().constData()) != 0)
            return failed(std::string("umount: ") + std::strerror(errno));
        const auto removed = window.waitFor(DeviceRemoveComplete, volumes, point + u'/');
        if (!removed)
            return failed("no removal for " + text(point));
        if (removed != arrived)
            return failed("the removal names another volume than the arrival");
        if (volumes.volumeAt(point))
            return failed("still listed after the removal");
        return Outcome{};
    }));
}

TEST(VolumesWatcher, ABindMountArrivesWithItsRoot)
{
    expectOutcome(inPrivateMountNamespace([] {
        QTemporaryDir dir;
        const QString medium = dir.path() + QStringLiteral("/medium");
        const QString view = dir.path() + QStringLiteral("/view");
        if (!QDir().mkpath(medium) || !QDir().mkpath(view))
            return failed("cannot make the mount points");
        if (::mount("tmpfs", medium.toLocal8Bit().constData(), "tmpfs", 0, "size=1m") != 0)
            return skipped(std::string("tmpfs cannot be mounted here: ") + std::strerror(errno));
        if (!QDir().mkpath(medium + QStringLiteral("/VIDEO")))
            return failed("cannot make a folder in the mounted tmpfs");

        RecordingWindow window;
        SystemVolumes volumes;
        volumes.watch(window.target());
        const QString videoFolder = medium + QStringLiteral("/VIDEO");
        if (::mount(videoFolder.toLocal8Bit().constData(), view.toLocal8Bit().constData(), nullptr, MS_BIND, nullptr) != 0)
            return failed(std::string("bind mount: ") + std::strerror(errno));

        const auto arrived = window.waitFor(DeviceArrival, volumes, view + u'/');
        if (!arrived)
            return failed("no arrival for the bind mount");
        if (arrived->root != QLatin1String("/VIDEO"))
            return failed("root is " + text(arrived->root));
        ::umount(view.toLocal8Bit().constData());
        ::umount(medium.toLocal8Bit().constData());
        return Outcome{};
    }));
}

TEST(VolumesWatcher, WatchingAnotherWindowStopsNotifyingTheFirst)
{
    expectOutcome(inPrivateMountNamespace([] {
        QTemporaryDir dir;
        const QString point = dir.path() + QStringLiteral("/disc");
        if (!QDir().mkpath(point))
            return failed("cannot make the mount point");

        RecordingWindow first, second;
        SystemVolumes volumes;
        volumes.watch(first.target());
        volumes.watch(second.target());
        if (::mount("tmpfs", point.toLocal8Bit().constData(), "tmpfs", 0, "size=1m") != 0)
            return skipped(std::string("tmpfs cannot be mounted here: ") + std::strerror(errno));
        if (!second.waitFor(DeviceArrival, volumes, point + u'/'))
            return failed("no arrival for the second window");
        if (first.count() != 0)
            return failed("the first window was still notified");

        volumes.watch(nullptr);
        ::umount(point.toLocal8Bit().constData());
        if (second.count() != 1)
            return failed("notified after watching stopped");
        return Outcome{};
    }));
}
