// The Debian package as a user gets it: made by CPack from this build, checked by lintian,
// installed into this machine's /usr with apt-get, run from there, removed again. The test
// changes the machine, so it installs nothing but the package itself (the dependencies are
// scripts/setup's), runs one at a time across every checkout of the machine, removes what an
// earlier run left, and removes the package whatever happens.
#include "TestMedia.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

const QString Package = QStringLiteral("pocketreel");
const QString LockWait = QStringLiteral("DPkg::Lock::Timeout=600");

struct Outcome {
    int status = -1;
    QByteArray output;
};

Outcome run(const QString &program, const QStringList &arguments,
            const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(900000))
        return {-1, process.readAll() + "\n(did not end in time)"};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAll()};
}

Outcome apt(const QStringList &arguments)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DEBIAN_FRONTEND"), QStringLiteral("noninteractive"));
    return run(QStringLiteral("apt-get"), QStringList{QStringLiteral("-o"), LockWait} + arguments, env);
}

bool installed()
{
    return run(QStringLiteral("dpkg-query"), {"-W", "-f=${Status}", Package}).output == "install ok installed";
}

// Removes the package (and what dpkg keeps of a removed one) when the test ends, however it ends.
struct PackageRemoval {
    ~PackageRemoval()
    {
        if (installed() || run(QStringLiteral("dpkg-query"), {"-W", Package}).status == 0)
            apt({QStringLiteral("purge"), QStringLiteral("-y"), Package});
    }
};

// A path is gone when neither it nor a link of that name is there.
bool present(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

QProcessEnvironment userEnvironment(const QString &home, const QString &runtime)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home);
    env.remove(QStringLiteral("XDG_CONFIG_HOME"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("POCKETREEL_REPORT_SHOWN"), QStringLiteral("1"));
    return env;
}

TEST(DebianPackage, InstallsWithAptRunsFromUsrAndLeavesNothingBehindButTheUsersFiles)
{
#ifdef POCKETREEL_SANITIZED
    GTEST_SKIP() << "the package is made from the normal build, not a sanitizer build";
#endif
    if (::getuid() != 0)
        GTEST_SKIP() << "installing a package takes root";
    for (const char *tool : {"apt-get", "dpkg", "dpkg-deb", "dpkg-query", "lintian"})
        ASSERT_FALSE(QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
            << tool << " is missing: scripts/setup installs it";

    // Every checkout on this machine installs the same package: one at a time.
    const QString lockFolder = QFileInfo(QStringLiteral("/run/lock")).isDir() ? QStringLiteral("/run/lock") : QDir::tempPath();
    QLockFile machineLock(lockFolder + QStringLiteral("/pocketreel-package-test.lock"));
    machineLock.setStaleLockTime(0);
    ASSERT_TRUE(machineLock.tryLock(30 * 60 * 1000)) << "another package test held the lock for 30 minutes";

    QTemporaryDir work;
    ASSERT_TRUE(work.isValid());
    const Outcome made = run(QStringLiteral(CPACK_COMMAND),
                             {"-G", "DEB", "-B", work.path(), "--config", POCKETREEL_BUILD_DIR "/CPackConfig.cmake"});
    ASSERT_EQ(made.status, 0) << made.output.constData();
    const QStringList debs = QDir(work.path()).entryList({QStringLiteral("pocketreel_*.deb")}, QDir::Files);
    ASSERT_EQ(debs, QStringList{QStringLiteral("pocketreel_" POCKETREEL_VERSION "_amd64.deb")});
    const QString deb = work.filePath(debs.first());

    const Outcome lint = run(QStringLiteral("lintian"), {"--fail-on", "error", deb});
    EXPECT_EQ(lint.status, 0) << lint.output.constData();
    EXPECT_FALSE(lint.output.contains("\nE: ") || lint.output.startsWith("E: ")) << lint.output.constData();

    const Outcome control = run(QStringLiteral("dpkg-deb"), {"--field", deb, "Depends"});
    EXPECT_TRUE(control.output.contains("libqt6widgets6") && control.output.contains("libavcodec59")
                && control.output.contains("qt6-wayland"))
        << control.output.constData();

    PackageRemoval removal;
    if (installed() || run(QStringLiteral("dpkg-query"), {"-W", Package}).status == 0) {
        const Outcome purged = apt({QStringLiteral("purge"), QStringLiteral("-y"), Package});
        ASSERT_EQ(purged.status, 0) << "an earlier run left the package:\n" << purged.output.constData();
    }
    // The dependencies are there already: installing changes no other package of the machine,
    // on which other tests are running.
    const Outcome simulated = apt({QStringLiteral("install"), QStringLiteral("--simulate"),
                                   QStringLiteral("--no-install-recommends"), deb});
    ASSERT_EQ(simulated.status, 0) << simulated.output.constData();
    const QRegularExpression changes(QStringLiteral("^(Inst|Remv|Conf) (\\S+)"), QRegularExpression::MultilineOption);
    for (auto match = changes.globalMatch(QString::fromUtf8(simulated.output)); match.hasNext();)
        ASSERT_EQ(match.next().captured(2), Package) << "scripts/setup has not installed every dependency:\n"
                                                     << simulated.output.constData();

    const Outcome install = apt({QStringLiteral("install"), QStringLiteral("-y"), QStringLiteral("--no-install-recommends"), deb});
    ASSERT_EQ(install.status, 0) << install.output.constData();
    ASSERT_TRUE(installed());
    const QStringList files = QString::fromUtf8(run(QStringLiteral("dpkg"), {"-L", Package}).output).split(u'\n', Qt::SkipEmptyParts);
    for (const char *path : {"/usr/bin/pocketreel", "/usr/bin/pocketreel-cli", "/usr/lib/pocketreel/DVDEncoder.so",
                             "/usr/lib/pocketreel/PfDef.dll", "/usr/share/applications/" POCKETREEL_APP_ID ".desktop",
                             "/usr/share/man/man1/pocketreel.1.gz", "/usr/share/doc/pocketreel/copyright"})
        EXPECT_TRUE(files.contains(QLatin1String(path))) << path;

    const Outcome version = run(QStringLiteral("/usr/bin/pocketreel"), {"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_TRUE(version.output.startsWith("PocketReel " POCKETREEL_VERSION " Build on ")) << version.output.constData();
    EXPECT_TRUE(version.output.contains("GPL-2.0-or-later")) << version.output.constData();

    QTemporaryDir home, runtime, out;
    ASSERT_TRUE(home.isValid() && runtime.isValid() && out.isValid());
    QFile::setPermissions(runtime.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    const QProcessEnvironment user = userEnvironment(home.path(), runtime.path());
    {
        QProcess program;
        program.setProcessEnvironment(user);
        program.start(QStringLiteral("/usr/bin/pocketreel"), {});
        EXPECT_TRUE(program.waitForReadyRead(60000) && program.readAllStandardOutput().startsWith("shown "))
            << program.readAllStandardError().constData();
        program.kill();
        program.waitForFinished();
    }
    const QString usersOptions = home.path() + QStringLiteral("/.config/PocketReel/Option.ini");
    EXPECT_TRUE(QFile::exists(usersOptions));
    const Outcome converted = run(QStringLiteral("/usr/bin/pocketreel-cli"),
                                  {"convert", "-q", "-o", out.path(), mediaPath("avi")}, user);
    EXPECT_EQ(converted.status, 0) << converted.output.constData();
    const QString mp4 = out.filePath(QStringLiteral("MAQ70001.MP4"));
    EXPECT_GT(numberOf(probeJson(mp4).value(QStringLiteral("format")).toObject(), QStringLiteral("duration")), 1.0);

    const Outcome removed = apt({QStringLiteral("remove"), QStringLiteral("-y"), Package});
    ASSERT_EQ(removed.status, 0) << removed.output.constData();
    EXPECT_FALSE(installed());
    // Nothing of the package stays: no file, and no folder that only it had filled.
    for (const QString &path : files) {
        if (QFileInfo(path).isDir() && !QFileInfo(path).isSymLink())
            EXPECT_FALSE(QDir(path).isEmpty()) << path.toStdString() << " stays, empty";
        else
            EXPECT_FALSE(present(path)) << path.toStdString() << " stays";
    }
    EXPECT_FALSE(present(QStringLiteral("/usr/lib/pocketreel")));
    // What the user made is the user's.
    EXPECT_TRUE(QFile::exists(usersOptions));
    EXPECT_TRUE(QFile::exists(mp4));
}

} // namespace
