#include "InstanceStart.h"

#include "core/AppGlobals.h"

#include <chrono>
#include <cstdio>
#include <thread>

namespace {

using namespace std::chrono_literals;

// How long a start waits for a running instance whose lock it sees but whose socket it cannot
// reach: one that is starting makes its socket right after the lock, one that is ending lets its
// lock go soon after.
constexpr auto ListenerWait = 5s;
constexpr auto ListenerRetry = 50ms;
// A running instance takes the files between two events of its window thread; adding files
// keeps that thread busy for a while.
constexpr auto AnswerWait = 30s;

void warn(const QString &text)
{
    std::fprintf(stderr, "%s: %s\n", qPrintable(ProductName), qPrintable(text));
}

} // namespace

InstanceStart::InstanceStart(QStringList lockPaths)
    : instance_(std::move(lockPaths))
{
}

InstanceStart::~InstanceStart() = default;

std::optional<int> InstanceStart::Claim(const QStringList &files)
{
    const auto giveUp = std::chrono::steady_clock::now() + ListenerWait;
    for (;;) {
        switch (instance_.TryAcquire()) {
        case SingleInstance::Claim::Held:
            listener_ = std::make_unique<FileHandOverListener>(FileHandOver::SocketPathFor(instance_.LockPath()));
            if (!listener_->IsListening()) {
                warn(QStringLiteral("later starts cannot hand their files over (%1).").arg(listener_->Failure()));
                listener_.reset();
            }
            return std::nullopt;
        case SingleInstance::Claim::NoLock:
            warn(QStringLiteral("no single-instance lock could be taken (%1); starting without one, "
                                "so a second start will not be refused.")
                     .arg(instance_.FailureReport()));
            return std::nullopt;
        case SingleInstance::Claim::HeldByAnotherInstance:
            break;
        }
        if (files.isEmpty())
            return -1;
        const QString socket = FileHandOver::SocketPathFor(instance_.RunningInstanceLock());
        switch (FileHandOver::Send(socket, files, AnswerWait)) {
        case FileHandOver::Result::Delivered:
            return 0;
        case FileHandOver::Result::Unanswered:
            warn(QStringLiteral("%1 runs already and did not take the files in time.").arg(ProductName));
            return 1;
        case FileHandOver::Result::NoListener:
            break;
        }
        if (std::chrono::steady_clock::now() >= giveUp) {
            warn(QStringLiteral("%1 runs already and takes no files (nothing listens at %2).")
                     .arg(ProductName, socket));
            return 1;
        }
        std::this_thread::sleep_for(ListenerRetry);
    }
}
