// `cmake --install` into a temporary prefix, and the installed program run from it as from /usr:
// its application folder read-only, a fresh home.
#include "PrivateMounts.h"
#include "TestMedia.h"
#include "platform/UserDataFolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QSize>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <dlfcn.h>
#include <gtest/gtest.h>

namespace {

const QString AppId = QStringLiteral(POCKETREEL_APP_ID);

QByteArray read(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray shipped(const char *name)
{
    return read(QStringLiteral(POCKETREEL_SOURCE_DIR "/assets/ini/") + QLatin1String(name));
}

struct Outcome {
    int status = -1;
    QByteArray output;
};

Outcome run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(120000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAll()};
}

// Width and height from a PNG file's header.
QSize pngSize(const QString &path)
{
    const QByteArray header = read(path).left(24);
    if (header.size() < 24 || !header.startsWith("\x89PNG"))
        return {};
    const auto be32 = [&](int at) {
        return int(quint8(header[at]) << 24 | quint8(header[at + 1]) << 16 | quint8(header[at + 2]) << 8 | quint8(header[at + 3]));
    };
    return {be32(16), be32(20)};
}

// Every file and link under a folder with what would show a write: size, time, permissions; one
// line each, in path order.
std::string manifest(const QString &folder)
{
    QMap<QString, QString> entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        entries.insert(QDir(folder).relativeFilePath(info.filePath()),
                       QStringLiteral("%1 %2 %3").arg(info.size()).arg(info.lastModified().toMSecsSinceEpoch())
                           .arg(int(info.permissions())));
    }
    QString lines;
    for (auto entry = entries.cbegin(); entry != entries.cend(); ++entry)
        lines += entry.key() + u' ' + entry.value() + u'\n';
    return lines.toStdString();
}

class InstalledProgram : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(prefix.isValid());
        const Outcome install = run(QStringLiteral(CMAKE_COMMAND),
                                {"--install", POCKETREEL_BUILD_DIR, "--prefix", prefix.path()});
        ASSERT_EQ(install.status, 0) << install.output.constData();
    }

    QString at(const QString &relative) const { return prefix.path() + u'/' + relative; }
    QString appFolder() const { return at(QStringLiteral("lib/pocketreel/")); }

    QTemporaryDir prefix;
};

TEST_F(InstalledProgram, LaysOutTheProgramTheCommandAndTheDesktopFiles)
{
    for (const char *name : {"pocketreel", "DVDEncoder.so", "PfDef.dll", "Cursor/DragWE.cur", "Cursor/Press.cur", InstalledMarker})
        EXPECT_TRUE(QFileInfo(appFolder() + QLatin1String(name)).isFile()) << name;
    EXPECT_TRUE(QFileInfo(appFolder() + "pocketreel").isExecutable());
    // The shipped user files, never the build folder's copies with a developer's options in them.
    for (const char *name : {"PfDef.dll", "PfSetting.ini", "Option.ini"})
        EXPECT_EQ(read(appFolder() + QLatin1String(name)), shipped(name)) << name;

    for (const QString program : {"pocketreel", "pocketreel-cli"}) {
        const QFileInfo command(at("bin/" + program));
        EXPECT_TRUE(command.isSymLink()) << program.toStdString();
        EXPECT_EQ(command.canonicalFilePath(), QFileInfo(appFolder() + program).canonicalFilePath());
    }
    const QByteArray manPage = run(QStringLiteral("gzip"), {"-dc", at("share/man/man1/pocketreel-cli.1.gz")}).output;
    EXPECT_TRUE(manPage.startsWith(".\\\" DO NOT MODIFY THIS FILE!") && manPage.contains(".SH COMMANDS")
                && manPage.contains("\\-\\-profile NAME"))
        << manPage.left(200).constData();
    const QByteArray programPage = run(QStringLiteral("gzip"), {"-dc", at("share/man/man1/pocketreel.1.gz")}).output;
    EXPECT_TRUE(programPage.contains(".SH NAME\npocketreel \\- convert videos") && programPage.contains("[\\fI\\,FILE\\/\\fR...]")
                && programPage.contains(".SH COPYRIGHT") && programPage.contains("GPL\\-2.0\\-or\\-later"))
        << programPage.constData();
    EXPECT_TRUE(read(at("share/doc/pocketreel/copyright")).contains("License: GPL-2+"));

    // The engine loads from where it was installed, with nothing from the build folder.
    void *engine = dlopen(QFile::encodeName(appFolder() + "DVDEncoder.so").constData(), RTLD_NOW | RTLD_LOCAL);
    ASSERT_TRUE(engine) << dlerror();
    EXPECT_TRUE(dlsym(engine, "X_SetPar_D2PSP"));
    dlclose(engine);

    EXPECT_TRUE(read(at("share/icons/hicolor/scalable/apps/" + AppId + ".svg")).contains("<svg"));
    EXPECT_EQ(pngSize(at("share/icons/hicolor/48x48/apps/" + AppId + ".png")), QSize(48, 48));
    EXPECT_EQ(pngSize(at("share/icons/hicolor/128x128/apps/" + AppId + ".png")), QSize(128, 128));

    const QString desktopEntry = at("share/applications/" + AppId + ".desktop");
    const QString metainfo = at("share/metainfo/" + AppId + ".metainfo.xml");
    const struct {
        const char *tool;
        QStringList arguments;
    } checks[] = {
        {"desktop-file-validate", {desktopEntry}},
        {"appstreamcli", {"validate", "--no-net", metainfo}},
    };
    for (const auto &check : checks) {
        const QString tool = QStandardPaths::findExecutable(QLatin1String(check.tool));
        ASSERT_FALSE(tool.isEmpty()) << check.tool << " is missing: scripts/setup installs it";
        const Outcome result = run(tool, check.arguments);
        EXPECT_EQ(result.status, 0) << check.tool << ":\n" << result.output.constData();
    }
    EXPECT_TRUE(read(desktopEntry).contains("\nIcon=" + AppId.toUtf8() + "\n"));
    // "Open with" and a drop on the launcher hand the files over on the command line.
    EXPECT_TRUE(read(desktopEntry).contains("\nExec=pocketreel %F\n"));
    EXPECT_TRUE(read(desktopEntry).contains(";video/x-matroska;"));
    EXPECT_TRUE(read(metainfo).contains("<project_license>GPL-2.0-or-later</project_license>"));
    EXPECT_TRUE(read(metainfo).contains("<launchable type=\"desktop-id\">" + AppId.toUtf8() + ".desktop</launchable>"));
}

TEST_F(InstalledProgram, RunsFromAReadOnlyFolderKeepingTheUsersFilesInTheConfigFolder)
{
    QTemporaryDir home, runtime;
    ASSERT_TRUE(home.isValid() && runtime.isValid());
    QFile::setPermissions(runtime.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    const std::string before = manifest(prefix.path());
    if (const std::string refused = EnterPrivateMountNamespace(); !refused.empty())
        GTEST_SKIP() << refused;
    QByteArray errors;
    {
        const ReadOnlyMount readOnly(appFolder());
        if (!readOnly.Failure().empty())
            GTEST_SKIP() << readOnly.Failure();

        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), home.path());
        env.remove(QStringLiteral("XDG_CONFIG_HOME"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("POCKETREEL_REPORT_SHOWN"), QStringLiteral("1"));
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(at("bin/pocketreel"), {});
        ASSERT_TRUE(program.waitForReadyRead(30000)) << program.readAllStandardError().constData();
        EXPECT_TRUE(program.readAllStandardOutput().startsWith("shown "));

        const QString users = home.path() + QStringLiteral("/.config/PocketReel/");
        EXPECT_EQ(read(users + "Option.ini"), shipped("Option.ini"));
        EXPECT_EQ(read(users + "PfSetting.ini"), shipped("PfSetting.ini"));
        EXPECT_FALSE(QFileInfo::exists(users + "PfDef.dll"));  // the program's own file stays where it is
        EXPECT_EQ(program.state(), QProcess::Running);
        program.kill();
        program.waitForFinished();
        errors = program.readAllStandardError();

        // The command line keeps to the same user files: its serial number goes there too.
        QTemporaryDir out;
        QProcess cli;
        cli.setProcessEnvironment(env);
        cli.start(at("bin/pocketreel-cli"), {"convert", "-q", "-o", out.path(), mediaPath("avi")});
        ASSERT_TRUE(cli.waitForFinished(120000));
        EXPECT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().constData();
        EXPECT_EQ(cli.readAllStandardOutput(), QFile::encodeName(out.path()) + "/MAQ70001.MP4\n");
        EXPECT_TRUE(read(users + "Option.ini").contains("OutputSerialNumber=2"));
    }
    EXPECT_EQ(manifest(prefix.path()), before);
    EXPECT_FALSE(errors.contains("pocketreel.")) << errors.constData();
}

} // namespace
