#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QProcessEnvironment isolatedEnvironment(const QString &runtimeDir)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir);
    env.insert(QStringLiteral("POCKETREEL_REPORT_SHOWN"), QStringLiteral("1"));
    return env;
}

// Starts the real program twice: the second start ends at once with status 255 (-1) and shows
// nothing, the first keeps running.
TEST(AppStartup, SecondInstanceExitsWith255AndShowsNothing)
{
    QTemporaryDir runtime;
    ASSERT_TRUE(runtime.isValid());
    QFile::setPermissions(runtime.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

    QProcess first;
    first.setProcessEnvironment(isolatedEnvironment(runtime.path()));
    first.start(QStringLiteral(POCKETREEL_EXE), {});
    ASSERT_TRUE(first.waitForStarted());
    ASSERT_TRUE(first.waitForReadyRead(30000));
    EXPECT_TRUE(first.readAllStandardOutput().startsWith("shown "));

    QProcess second;
    second.setProcessEnvironment(isolatedEnvironment(runtime.path()));
    second.start(QStringLiteral(POCKETREEL_EXE), {});
    ASSERT_TRUE(second.waitForFinished(30000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 255);
    EXPECT_TRUE(second.readAllStandardOutput().isEmpty());

    EXPECT_EQ(first.state(), QProcess::Running);
    first.kill();
    first.waitForFinished();

    // Once the first is gone, its stale lock does not keep the next start out.
    QProcess third;
    third.setProcessEnvironment(isolatedEnvironment(runtime.path()));
    third.start(QStringLiteral(POCKETREEL_EXE), {});
    ASSERT_TRUE(third.waitForReadyRead(30000));
    EXPECT_TRUE(third.readAllStandardOutput().startsWith("shown "));
    third.kill();
    third.waitForFinished();
}

} // namespace
