#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

QProcessEnvironment isolatedEnvironment(const QString &runtimeDir)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir);
    // The program makes its default output folder under the home folder: keep the real one clean.
    env.insert(QStringLiteral("HOME"), runtimeDir + QStringLiteral("/home"));
    env.insert(QStringLiteral("POCKETREEL_REPORT_SHOWN"), QStringLiteral("1"));
    return env;
}

void makePrivate(const QString &folder)
{
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

// Starts the real program twice: the second start ends at once with status 255 (-1) and shows
// nothing, the first keeps running.
TEST(AppStartup, SecondInstanceExitsWith255AndShowsNothing)
{
    QTemporaryDir runtime;
    ASSERT_TRUE(runtime.isValid());
    makePrivate(runtime.path());

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

constexpr int kMountRefused = 97;

// Runs the program in a private mount namespace in which the given folders are read-only: root
// writes anywhere else, so only a read-only mount makes a folder unwritable for the tests.
class AppStartupLockFolders : public ::testing::Test {
protected:
    void SetUp() override
    {
        QProcess probe;
        probe.start(QStringLiteral("unshare"), {QStringLiteral("-m"), QStringLiteral("true")});
        if (!probe.waitForFinished(10000) || probe.exitStatus() != QProcess::NormalExit || probe.exitCode() != 0)
            GTEST_SKIP() << "mount namespaces are refused here (unshare -m)";
        ASSERT_TRUE(scratch.isValid());
        ASSERT_TRUE(QDir(scratch.path()).mkpath(QStringLiteral("runtime")));
        ASSERT_TRUE(QDir(scratch.path()).mkpath(QStringLiteral("temp")));
        ASSERT_TRUE(QDir(scratch.path()).mkpath(QStringLiteral("home")));
        makePrivate(path("runtime"));
        QFile regular(path("a file"));
        ASSERT_TRUE(regular.open(QIODevice::WriteOnly));
    }

    QString path(const char *name) const { return scratch.filePath(QString::fromLatin1(name)); }

    void start(QProcess &program, const QString &runtimeDir, const QStringList &readOnly)
    {
        QProcessEnvironment env = isolatedEnvironment(runtimeDir);
        env.insert(QStringLiteral("TMPDIR"), path("temp"));
        env.insert(QStringLiteral("HOME"), path("home"));
        program.setProcessEnvironment(env);
        const QString script = QStringLiteral(
            "for d in \"$@\"; do mount --bind -o ro \"$d\" \"$d\" || exit %1; done; exec \"%2\"")
                                   .arg(kMountRefused)
                                   .arg(QStringLiteral(POCKETREEL_EXE));
        program.start(QStringLiteral("unshare"),
                      QStringList{QStringLiteral("-m"), QStringLiteral("sh"), QStringLiteral("-c"), script,
                                  QStringLiteral("sh")} + readOnly);
        ASSERT_TRUE(program.waitForStarted());
    }

    // True when the program showed its window; false when it ended first.
    static bool shown(QProcess &program)
    {
        if (!program.waitForReadyRead(30000))
            return false;
        return program.readAllStandardOutput().startsWith("shown ");
    }

    static void end(QProcess &program)
    {
        program.kill();
        program.waitForFinished();
    }

    QTemporaryDir scratch;
};

// A read-only runtime folder, even one holding a lock of an ended process that it cannot
// remove, sends the lock to the temporary folder, where it still keeps a second start out.
TEST_F(AppStartupLockFolders, ReadOnlyRuntimeFolderMovesTheLockToTheTemporaryFolder)
{
    QFile stale(path("runtime") + QStringLiteral("/PocketReel.lock"));
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.write("999999999\npocketreel\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    stale.close();

    QProcess first;
    start(first, path("runtime"), {path("runtime")});
    ASSERT_TRUE(shown(first)) << "exit " << first.exitCode() << ": " << first.readAllStandardError().toStdString();
    EXPECT_TRUE(QFile::exists(path("temp") + QStringLiteral("/PocketReel-%1.lock").arg(getuid())));

    QProcess second;
    start(second, path("runtime"), {path("runtime")});
    ASSERT_TRUE(second.waitForFinished(30000));
    if (second.exitCode() == kMountRefused)
        GTEST_SKIP() << "read-only bind mounts are refused here";
    EXPECT_EQ(second.exitCode(), 255);
    EXPECT_TRUE(second.readAllStandardOutput().isEmpty());
    end(first);
}

// With no folder that can hold the lock the program starts anyway and says so.
TEST_F(AppStartupLockFolders, NoFolderForTheLockStartsAndSaysSo)
{
    const struct {
        const char *runtime;
        QString runtimeDir;
        QStringList readOnly;
    } cases[] = {
        {"read-only", path("runtime"), {path("runtime"), path("temp")}},
        {"missing", path("a file") + QStringLiteral("/runtime"), {path("temp")}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.runtime);
        QProcess program;
        start(program, c.runtimeDir, c.readOnly);
        const bool started = shown(program);
        if (!started && program.state() == QProcess::NotRunning && program.exitCode() == kMountRefused)
            GTEST_SKIP() << "read-only bind mounts are refused here";
        EXPECT_TRUE(started) << "exit " << program.exitCode();
        end(program);
        EXPECT_TRUE(program.readAllStandardError().contains("single-instance lock"));
    }
}

} // namespace
