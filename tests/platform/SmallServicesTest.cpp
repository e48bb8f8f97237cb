#include "platform/AppFolder.h"
#include "platform/DialogFilter.h"
#include "platform/FloatingPoint.h"
#include "platform/SingleInstance.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <cfenv>
#include <cmath>
#include <gtest/gtest.h>

TEST(PlatformSingleInstance, SecondHolderIsRefusedUntilTheFirstGoes)
{
    QTemporaryDir dir;
    auto first = std::make_unique<SingleInstance>(QStringLiteral("PocketReel"), dir.path());
    ASSERT_TRUE(first->TryAcquire());
    EXPECT_TRUE(first->TryAcquire()); // holding it already counts
    EXPECT_EQ(first->LockPath(), dir.filePath(QStringLiteral("PocketReel.lock")));

    SingleInstance second(QStringLiteral("PocketReel"), dir.path());
    EXPECT_FALSE(second.TryAcquire());
    SingleInstance otherProduct(QStringLiteral("OtherTool"), dir.path());
    EXPECT_TRUE(otherProduct.TryAcquire());

    first.reset();
    EXPECT_TRUE(second.TryAcquire());
}

TEST(PlatformSingleInstance, LockOfADeadProcessIsTakenOver)
{
    QTemporaryDir dir;
    // A lock written by a process that has since ended.
    QProcess ended;
    ended.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QStringLiteral("exit 0")});
    ASSERT_TRUE(ended.waitForStarted());
    const qint64 deadPid = ended.processId();
    ASSERT_TRUE(ended.waitForFinished());
    QFile lock(dir.filePath(QStringLiteral("PocketReel.lock")));
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.write(QByteArray::number(deadPid) + "\npocketreel\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    lock.close();

    SingleInstance instance(QStringLiteral("PocketReel"), dir.path());
    EXPECT_TRUE(instance.TryAcquire());
}

TEST(PlatformSingleInstance, UnwritableFolderRefusesRatherThanCrashing)
{
    SingleInstance instance(QStringLiteral("PocketReel"), QStringLiteral("/proc/definitely/not/here"));
    EXPECT_FALSE(instance.TryAcquire());
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
        {"PSP THM (*.THM)|*.THM|JPG (*.jpg)|*.jpg|BMP (*.bmp)|*.bmp",
         {"PSP THM (*.THM) (*.THM)", "JPG (*.jpg) (*.jpg)", "BMP (*.bmp) (*.bmp)"}},
        {"Video files|*.avi;*.mp4; *.mkv|All files|*.*", {"Video files (*.avi *.mp4 *.mkv)", "All files (*.*)"}},
        {"Dangling description", {}},
        {"Videos|*.avi|No masks|", {"Videos (*.avi)"}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(QtNameFilters(QLatin1String(c.program)), c.qt) << c.program;
}
