#include "platform/AppFolder.h"
#include "platform/DialogFilter.h"
#include "platform/FloatingPoint.h"
#include "platform/SingleInstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <cfenv>
#include <cmath>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {
using Claim = SingleInstance::Claim;

// A lock written by a process that has since ended.
void writeLockOfAnEndedProcess(const QString &path)
{
    QProcess ended;
    ended.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QStringLiteral("exit 0")});
    ASSERT_TRUE(ended.waitForStarted());
    const qint64 deadPid = ended.processId();
    ASSERT_TRUE(ended.waitForFinished());
    QFile lock(path);
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.write(QByteArray::number(deadPid) + "\npocketreel\n" + QSysInfo::machineHostName().toUtf8() + "\n");
}
}

TEST(PlatformSingleInstance, SecondHolderIsRefusedUntilTheFirstGoes)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("PocketReel.lock"));
    auto first = std::make_unique<SingleInstance>(QStringList{path});
    ASSERT_EQ(first->TryAcquire(), Claim::Held);
    EXPECT_EQ(first->TryAcquire(), Claim::Held); // holding it already counts
    EXPECT_EQ(first->LockPath(), path);

    SingleInstance second({path});
    EXPECT_EQ(second.TryAcquire(), Claim::HeldByAnotherInstance);
    EXPECT_TRUE(second.LockPath().isEmpty());
    SingleInstance otherProduct({dir.filePath(QStringLiteral("OtherTool.lock"))});
    EXPECT_EQ(otherProduct.TryAcquire(), Claim::Held);

    first.reset();
    EXPECT_EQ(second.TryAcquire(), Claim::Held);
}

TEST(PlatformSingleInstance, LockOfADeadProcessIsTakenOver)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("PocketReel.lock"));
    writeLockOfAnEndedProcess(path);
    SingleInstance instance({path});
    EXPECT_EQ(instance.TryAcquire(), Claim::Held);
}

// A folder that cannot hold the lock is no sign of another instance: the next place is tried,
// and only a live holder there refuses the start.
TEST(PlatformSingleInstance, FolderThatCannotHoldTheLockFallsBackToTheNext)
{
    QTemporaryDir dir;
    QFile regular(dir.filePath(QStringLiteral("a file")));
    ASSERT_TRUE(regular.open(QIODevice::WriteOnly));
    const QString fallback = dir.filePath(QStringLiteral("fallback/PocketReel-0.lock"));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("fallback")));
    const QString unusable[] = {
        dir.filePath(QStringLiteral("missing/PocketReel.lock")),
        dir.filePath(QStringLiteral("a file/PocketReel.lock")),
        QStringLiteral("/proc/PocketReel.lock"),
    };
    for (const QString &first : unusable) {
        SCOPED_TRACE(first.toStdString());
        SingleInstance instance({first, fallback});
        ASSERT_EQ(instance.TryAcquire(), Claim::Held);
        EXPECT_EQ(instance.LockPath(), fallback);

        SingleInstance second({first, fallback});
        EXPECT_EQ(second.TryAcquire(), Claim::HeldByAnotherInstance);
    }
}

TEST(PlatformSingleInstance, NoPlaceForTheLockIsNoReasonToRefuse)
{
    QTemporaryDir dir;
    const QStringList paths{dir.filePath(QStringLiteral("missing/PocketReel.lock")),
                            QStringLiteral("/proc/PocketReel-0.lock")};
    SingleInstance instance(paths);
    EXPECT_EQ(instance.TryAcquire(), Claim::NoLock);
    EXPECT_TRUE(instance.LockPath().isEmpty());
    for (const QString &path : paths)
        EXPECT_TRUE(instance.FailureReport().contains(path)) << instance.FailureReport().toStdString();

    EXPECT_EQ(SingleInstance({}).TryAcquire(), Claim::NoLock);
}

TEST(PlatformSingleInstance, RuntimeFolderFirstThenAPerUserLockInTheTemporaryFolder)
{
    QTemporaryDir runtime;
    QTemporaryDir temp;
    const QByteArray savedRuntime = qgetenv("XDG_RUNTIME_DIR");
    const QByteArray savedTemp = qgetenv("TMPDIR");
    QFile::setPermissions(runtime.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    qputenv("TMPDIR", QFile::encodeName(temp.path()));
    const QStringList paths = SingleInstance::DefaultLockPaths(QStringLiteral("PocketReel"));
    // A temporary folder that does not exist is left out, never turned into a relative path.
    qputenv("TMPDIR", QFile::encodeName(temp.filePath(QStringLiteral("missing"))));
    const QStringList withoutTemp = SingleInstance::DefaultLockPaths(QStringLiteral("PocketReel"));
    qputenv("XDG_RUNTIME_DIR", savedRuntime);
    qputenv("TMPDIR", savedTemp);

    const QString perUser = QStringLiteral("PocketReel-%1.lock").arg(getuid());
    EXPECT_EQ(paths, QStringList({runtime.filePath(QStringLiteral("PocketReel.lock")),
                                  QDir(temp.path()).canonicalPath() + QLatin1Char('/') + perUser}));
    EXPECT_EQ(withoutTemp, QStringList{runtime.filePath(QStringLiteral("PocketReel.lock"))});
}

TEST(PlatformFloatingPoint, MaskingLeavesNoTrapEnabled)
{
    feenableexcept(FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW);
    MaskFloatingPointExceptions();
    EXPECT_EQ(fegetexcept(), 0);
    volatile double zero = 0.0;
    EXPECT_TRUE(std::isinf(1.0 / zero));
    EXPECT_TRUE(std::isnan(zero / zero));
}

TEST(PlatformAppFolder, IsTheFolderOfThisExecutable)
{
    const QString folder = ExecutableFolder();
    EXPECT_TRUE(folder.endsWith(QLatin1Char('/')));
    EXPECT_EQ(folder, QFileInfo(QCoreApplication::applicationFilePath()).absolutePath() + QLatin1Char('/'));
}

TEST(PlatformDialogFilter, ProgramFiltersBecomeQtNameFilters)
{
    const struct {
        const char *program;
        QStringList qt;
    } cases[] = {
        {"", {}},
        // A description that already shows its masks keeps one list, the one Qt reads.
        {"PSP THM (*.THM)|*.THM|JPG (*.jpg)|*.jpg|BMP (*.bmp)|*.bmp", {"PSP THM (*.THM)", "JPG (*.jpg)", "BMP (*.bmp)"}},
        {"Video Files (*.avi;*.mp4;*.mkv)|*.avi;*.mp4;*.mkv|All Files (*.*)|*.*",
         {"Video Files (*.avi *.mp4 *.mkv)", "All Files (*.*)"}},
        {"Clips ( *.mkv *.AVI )|*.avi;*.mkv", {"Clips (*.avi *.mkv)"}},
        // Other words in parentheses are the description's own.
        {"Video (PSP)|*.mp4", {"Video (PSP) (*.mp4)"}},
        {"Some (*.avi)|*.avi;*.mkv", {"Some (*.avi) (*.avi *.mkv)"}},
        {"Video files|*.avi;*.mp4; *.mkv|All files|*.*", {"Video files (*.avi *.mp4 *.mkv)", "All files (*.*)"}},
        {"Dangling description", {}},
        {"Videos|*.avi|No masks|", {"Videos (*.avi)"}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(QtNameFilters(QLatin1String(c.program)), c.qt) << c.program;
}
