#include "HeadlessWeston.h"

#include "ToolRun.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <vector>

namespace {

constexpr int StartTimeoutMs = 15000;
constexpr int StopTimeoutMs = 5000;

QString logTail(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray text = file.readAll().trimmed();
    return QString::fromLocal8Bit(text.right(600));
}

bool ended(pid_t pid, int *status)
{
    pid_t result;
    while ((result = waitpid(pid, status, WNOHANG)) < 0 && errno == EINTR) {
    }
    return result == pid || result < 0;
}

} // namespace

HeadlessWeston::HeadlessWeston()
{
    if (!runtime_.isValid() || chmod(QFile::encodeName(runtime_.path()).constData(), 0700) != 0) {
        fail(QStringLiteral("no runtime folder could be made"));
        return;
    }
    const QString config = runtime_.filePath(QStringLiteral("weston.ini"));
    QFile ini(config);
    if (!ini.open(QIODevice::WriteOnly)
        || ini.write(QStringLiteral("[core]\nidle-time=0\n[shell]\nbackground-color=0x%1\npanel-position=none\n"
                                    "locking=false\nanimation=none\nclose-animation=none\nstartup-animation=none\n"
                                    "focus-animation=none\n")
                         .arg(Background, 8, 16, QLatin1Char('0'))
                         .toLatin1())
               < 0) {
        fail(QStringLiteral("cannot write %1").arg(config));
        return;
    }
    ini.close();

    std::vector<std::string> words = {
        "weston", "--backend=headless-backend.so", "--use-pixman", "--debug",
        "--socket=" + socketName().toStdString(),
        "--width=" + std::to_string(Output.width()), "--height=" + std::to_string(Output.height()),
        "--config=" + config.toStdString()};
    std::vector<char *> argv;
    for (std::string &word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    std::vector<std::string> variables;
    for (char **entry = environ; *entry; ++entry)
        if (std::strncmp(*entry, "XDG_RUNTIME_DIR=", 16) != 0 && std::strncmp(*entry, "WAYLAND_DISPLAY=", 16) != 0)
            variables.emplace_back(*entry);
    variables.push_back("XDG_RUNTIME_DIR=" + runtime_.path().toStdString());
    std::vector<char *> env;
    for (std::string &variable : variables)
        env.push_back(variable.data());
    env.push_back(nullptr);

    const QString log = runtime_.filePath(QStringLiteral("weston.log"));
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, QFile::encodeName(log).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    pid_t pid = -1;
    const int spawned = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), env.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        fail(QStringLiteral("weston cannot be started: %1").arg(QString::fromLocal8Bit(strerror(spawned))));
        return;
    }
    pid_ = pid;

    const QString socket = QDir(runtime_.path()).filePath(socketName());
    QElapsedTimer waited;
    waited.start();
    int status = 0;
    while (!QFile::exists(socket)) {
        if (ended(pid_, &status)) {
            pid_ = -1;
            fail(QStringLiteral("weston ended at its start: %1").arg(logTail(log)));
            return;
        }
        if (waited.elapsed() > StartTimeoutMs) {
            stop();
            fail(QStringLiteral("weston made no socket within %1 s: %2").arg(StartTimeoutMs / 1000).arg(logTail(log)));
            return;
        }
        QThread::msleep(20);
    }
}

HeadlessWeston::~HeadlessWeston()
{
    stop();
}

QString HeadlessWeston::socketName() const
{
    return QStringLiteral("pocketreel-test");
}

void HeadlessWeston::fail(const QString &why)
{
    failure_ = why;
}

void HeadlessWeston::stop()
{
    if (pid_ <= 0)
        return;
    kill(pid_, SIGTERM);
    QElapsedTimer waited;
    waited.start();
    int status = 0;
    while (!ended(pid_, &status)) {
        if (waited.elapsed() > StopTimeoutMs) {
            kill(pid_, SIGKILL);
            while (waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
            }
            break;
        }
        QThread::msleep(20);
    }
    pid_ = -1;
}

QImage HeadlessWeston::screenshot(QString *why) const
{
    // The tool names its file after the second it was taken, in its working folder: a folder of
    // its own for each screenshot keeps two in one second apart.
    QTemporaryDir folder;
    const ToolResult taken = runTool(QStringLiteral("sh"), {QStringLiteral("-c"),
                                                            QStringLiteral("cd \"$1\" && exec weston-screenshooter"),
                                                            QStringLiteral("sh"), folder.path()});
    const QStringList files = QDir(folder.path()).entryList({QStringLiteral("*.png")});
    if (taken.exitCode != 0 || files.size() != 1) {
        *why = QStringLiteral("weston-screenshooter took no screenshot (exit %1): %2")
                   .arg(taken.exitCode)
                   .arg(QString::fromLocal8Bit(taken.output));
        return {};
    }
    return QImage(folder.filePath(files.first())).convertToFormat(QImage::Format_ARGB32);
}
