#include "core/conversion/SafeCopy.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include "QtPrinting.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QByteArray Pattern(int size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        bytes[i] = char(i * 7 + i / 251);
    return bytes;
}

bool Write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

QByteArray Read(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QStringList Entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

class SafeCopying : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        QDir(dir.path()).mkpath("out");
        QDir(dir.path()).mkpath("psp");
    }
    QString Out(const QString &name) const { return dir.path() + "/out/" + name; }
    QString Psp(const QString &name = {}) const { return dir.path() + "/psp/" + name; }

    QTemporaryDir dir;
};

} // namespace

TEST_F(SafeCopying, CopiesBlockByBlockOverAnExistingFileAndLeavesNothingElse)
{
    const QByteArray content = Pattern(10);
    ASSERT_TRUE(Write(Out("MAQ70001.MP4"), content));
    ASSERT_TRUE(Write(Psp("MAQ70001.MP4"), "an older, longer copy of the film"));
    QList<QPair<qint64, qint64>> progress;

    const auto failure = CopyFileSafely(Out("MAQ70001.MP4"), Psp("MAQ70001.MP4"),
                                        [&](qint64 copied, qint64 total) { progress.append({copied, total}); }, 4);
    EXPECT_FALSE(failure.has_value()) << qPrintable(failure.value_or(QString()));
    EXPECT_EQ(Read(Psp("MAQ70001.MP4")), content);
    EXPECT_EQ(Read(Out("MAQ70001.MP4")), content);
    EXPECT_EQ(Entries(Psp()), QStringList{"MAQ70001.MP4"});
    EXPECT_EQ(progress, (QList<QPair<qint64, qint64>>{{4, 10}, {8, 10}, {10, 10}}));

    ASSERT_TRUE(Write(Out("EMPTY.MP4"), {}));
    progress.clear();
    EXPECT_FALSE(CopyFileSafely(Out("EMPTY.MP4"), Psp("EMPTY.MP4"), [&](qint64 c, qint64 t) { progress.append({c, t}); }));
    EXPECT_EQ(QFile(Psp("EMPTY.MP4")).size(), 0);
    EXPECT_TRUE(QFile::exists(Psp("EMPTY.MP4")));
}

// The kernel copies within one file system; between two (the output folder's disk and the PSP's
// memory stick) the bytes go through a buffer.
TEST_F(SafeCopying, CopiesAcrossFileSystems)
{
    QTemporaryDir other(QStringLiteral("/dev/shm/safe-copy-XXXXXX"));
    struct stat here {}, there {};
    if (!other.isValid() || ::stat(QFile::encodeName(dir.path()).constData(), &here) != 0
        || ::stat(QFile::encodeName(other.path()).constData(), &there) != 0 || here.st_dev == there.st_dev)
        GTEST_SKIP() << "no second file system in /dev/shm";
    const QByteArray content = Pattern(300000);
    ASSERT_TRUE(Write(Out("M4V70002.MP4"), content));
    int blocks = 0;
    EXPECT_FALSE(CopyFileSafely(Out("M4V70002.MP4"), other.filePath("M4V70002.MP4"), [&](qint64, qint64) { ++blocks; },
                                100000));
    EXPECT_EQ(Read(other.filePath("M4V70002.MP4")), content);
    EXPECT_EQ(blocks, 3);
    EXPECT_EQ(Entries(other.path()), QStringList{"M4V70002.MP4"});
}

TEST_F(SafeCopying, AFileCopiedOntoItselfIsLeftAlone)
{
    const QByteArray content = Pattern(5000);
    ASSERT_TRUE(Write(Out("MAQ70001.MP4"), content));
    EXPECT_FALSE(CopyFileSafely(Out("MAQ70001.MP4"), Out("MAQ70001.MP4"), {}, 1000));
    EXPECT_FALSE(CopyFileSafely(Out("MAQ70001.MP4"), dir.path() + "/psp/../out/MAQ70001.MP4", {}, 1000));
    EXPECT_EQ(Read(Out("MAQ70001.MP4")), content);
    EXPECT_EQ(Entries(dir.path() + "/out"), QStringList{"MAQ70001.MP4"});
}

TEST_F(SafeCopying, OpenAndCreateFailuresNameThePath)
{
    ASSERT_TRUE(Write(Out("MAQ70001.MP4"), Pattern(100)));
    EXPECT_EQ(CopyFileSafely(Out("MISSING.MP4"), Psp("MISSING.MP4")), "Cannot open file " + Out("MISSING.MP4"));
    EXPECT_EQ(CopyFileSafely(dir.path() + "/out", Psp("FOLDER.MP4")), "Cannot open file " + dir.path() + "/out");
    const QString noFolder = dir.path() + "/psp/MP_ROOT/100ANV01/MAQ70001.MP4";
    EXPECT_EQ(CopyFileSafely(Out("MAQ70001.MP4"), noFolder), "Cannot create file " + noFolder);
    EXPECT_EQ(Entries(Psp()), QStringList());
}

// An unplug and a plug-in mid-copy: the folder the copy writes into is gone, and the fresh one
// must not receive a truncated file.
TEST_F(SafeCopying, AFolderThatVanishesMidCopyGetsNoPartOfTheFile)
{
    ASSERT_TRUE(Write(Out("MAQ70001.MP4"), Pattern(64 * 1024)));
    int blocks = 0;
    const auto failure = CopyFileSafely(
        Out("MAQ70001.MP4"), Psp("MAQ70001.MP4"),
        [&](qint64, qint64) {
            if (++blocks == 2) {
                QDir(Psp()).removeRecursively();
                QDir().mkpath(Psp());
            }
        },
        4096);
    EXPECT_EQ(failure, "Cannot create file " + Psp("MAQ70001.MP4") + ": No such file or directory");
    EXPECT_EQ(Entries(Psp()), QStringList());
    EXPECT_EQ(Read(Out("MAQ70001.MP4")), Pattern(64 * 1024));
}

namespace {

// Runs a copy onto a full device in a child process: a 64 KiB tmpfs in a private mount namespace
// where the machine allows it, else a file size limit. The child reports what went wrong.
std::string CopyOntoAFullDevice(const QString &source, const QString &device)
{
    int channel[2];
    if (::pipe(channel) != 0)
        return "no pipe";
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        std::string problem;
        QString reason = QStringLiteral("No space left on device");
        const bool tmpfs = ::unshare(CLONE_NEWNS) == 0
            && ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0
            && ::mount("tmpfs", QFile::encodeName(device).constData(), "tmpfs", 0, "size=64k") == 0;
        if (!tmpfs) {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{64 * 1024, RLIM_INFINITY};
            ::setrlimit(RLIMIT_FSIZE, &limit);
            reason = QStringLiteral("File too large");
        }
        const QString destination = device + "/MAQ70001.MP4";
        if (!Write(destination, "the film copied last week"))
            problem = "cannot place the older copy";
        const auto failure = CopyFileSafely(source, destination, {}, 16 * 1024);
        if (failure != "Cannot write file " + destination + ": " + reason)
            problem += " message: " + failure.value_or("<none>").toStdString();
        if (Entries(device) != QStringList{"MAQ70001.MP4"})
            problem += " left: " + Entries(device).join(' ').toStdString();
        if (Read(destination) != "the film copied last week")
            problem += " the older copy was harmed";
        [[maybe_unused]] const ssize_t written = ::write(channel[1], problem.data(), problem.size());
        ::_exit(0);
    }
    ::close(channel[1]);
    std::string problem;
    char buffer[512];
    for (ssize_t n; (n = ::read(channel[0], buffer, sizeof buffer)) > 0;)
        problem.append(buffer, size_t(n));
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status))
        problem += " the child process did not end normally";
    return problem;
}

} // namespace

TEST_F(SafeCopying, AFullDeviceFailsWithTheSystemsReasonAndKeepsTheOlderCopy)
{
    ASSERT_TRUE(Write(Out("MAQ70001.MP4"), Pattern(1024 * 1024)));
    EXPECT_EQ(CopyOntoAFullDevice(Out("MAQ70001.MP4"), Psp().chopped(1)), "");
}

// On a FAT memory stick the folder's flush is what writes the renamed entry: when it fails, the
// file may not be there once the stick is pulled. A file system that cannot flush folders at all
// (EINVAL) keeps the name anyway.
TEST_F(SafeCopying, AFolderThatCannotBeFlushedFailsTheCopy)
{
    static int flushError = 0;
    const struct {
        int error;
        const char *failure;
    } cases[] = {
        {EIO, "Input/output error"},
        {ENOSPC, "No space left on device"},
        {EINVAL, nullptr},
    };
    ASSERT_TRUE(Write(Out("MAQ70001.MP4"), Pattern(5000)));
    for (const auto &c : cases) {
        flushError = c.error;
        CopyControl control;
        control.flushFolder = [](int) {
            errno = flushError;
            return -1;
        };
        const auto failure = CopyFileSafely(Out("MAQ70001.MP4"), Psp("MAQ70001.MP4"), {}, 1000, control);
        if (c.failure)
            EXPECT_EQ(failure, "Cannot create file " + Psp("MAQ70001.MP4") + ": " + c.failure);
        else
            EXPECT_EQ(failure, std::nullopt);
    }
}

// Asked to stop, the copy ends within a block and leaves the destination as it was.
TEST_F(SafeCopying, AStoppedCopyLeavesNothingBehind)
{
    ASSERT_TRUE(Write(Out("MAQ70001.MP4"), Pattern(64 * 1024)));
    ASSERT_TRUE(Write(Out("MAQ70002.MP4"), Pattern(64 * 1024)));
    ASSERT_TRUE(Write(Psp("MAQ70002.MP4"), "the copy uploaded last week"));
    for (const QString name : {QStringLiteral("MAQ70001.MP4"), QStringLiteral("MAQ70002.MP4")}) {
        SCOPED_TRACE(name.toStdString());
        const QByteArray before = Read(Psp(name));
        int blocks = 0;
        CopyControl control;
        control.stopRequested = [&] { return blocks >= 2; };
        const auto failure = CopyFileSafely(Out(name), Psp(name), [&](qint64, qint64) { ++blocks; }, 4096, control);
        EXPECT_EQ(failure, "Stopped: " + Psp(name) + " was not written");
        EXPECT_EQ(blocks, 2);
        EXPECT_EQ(Read(Psp(name)), before);
        EXPECT_FALSE(QFile::exists(Psp(name + ".part")));
    }
}
