#pragma once

#include <QString>
#include <string>

// Read-only folders for tests. Permissions do not stop root, which runs the tests in CI, so a
// folder is made read-only by mounting it over itself read-only, inside a mount namespace that
// only the calling thread (and the processes it starts) sees and that ends with the process.

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
