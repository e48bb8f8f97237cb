#include "platform/SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// --help and --version answer from a terminal with no display at hand and while a running copy
// holds the single-instance lock: no window, no lock, exit status 0.
TEST(AppCommandLine, HelpAndVersionAnswerWithoutAWindowOrTheLock)
{
    QTemporaryDir runtime;
    ASSERT_TRUE(runtime.isValid());
    QFile::setPermissions(runtime.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    SingleInstance running({QDir(runtime.path()).filePath(QStringLiteral("PocketReel.lock"))});
    ASSERT_EQ(running.TryAcquire(), SingleInstance::Claim::Held);

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));  // a window would fail here
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));

    const QRegularExpression version(QStringLiteral("^PocketReel \\d+\\.\\d+\\.\\d+ Build on \\d{8}\\n"
                                                    "Copyright .*\\nLicence GPL-2.0-or-later: (.|\\n)*WARRANTY"));
    const QRegularExpression help(QStringLiteral("^Usage: pocketreel \\[--help \\| --version\\] \\[FILE\\.\\.\\.\\]\\n(.|\\n)*"
                                                 "--version(.|\\n)*QT_LOGGING_RULES"));
    const struct {
        QStringList arguments;
        const QRegularExpression &answer;
    } cases[] = {
        {{"--version"}, version},
        {{"-v"}, version},
        {{"--help"}, help},
        {{"-h"}, help},
        {{"-platform", "offscreen", "--version"}, version},
    };
    for (const auto &c : cases) {
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(POCKETREEL_EXE), c.arguments);
        ASSERT_TRUE(program.waitForFinished(30000)) << c.arguments.join(' ').toStdString();
        const QString out = QString::fromLocal8Bit(program.readAllStandardOutput());
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(program.exitCode(), 0) << c.arguments.join(' ').toStdString();
        EXPECT_TRUE(c.answer.match(out).hasMatch()) << out.toStdString();
        EXPECT_EQ(program.readAllStandardError(), QByteArray()) << c.arguments.join(' ').toStdString();
    }
}

} // namespace
