#include "platform/FileHandOver.h"

#include <QFile>
#include <QSocketNotifier>
#include <QTimer>
#include <cerrno>
#include <cstring>
#include <optional>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

constexpr char Answer[] = "OK";
constexpr qsizetype AnswerSize = 2;
// A message longer than this is no list of paths: the connection is dropped.
constexpr qsizetype MaxMessage = 16 * 1024 * 1024;
// A connection that sends no complete message in this time is dropped.
constexpr int StalledConnectionMs = 10000;

bool socketAddress(const QString &path, sockaddr_un &address)
{
    const QByteArray name = QFile::encodeName(path);
    std::memset(&address, 0, sizeof address);
    if (name.isEmpty() || size_t(name.size()) >= sizeof address.sun_path)
        return false;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
    return true;
}

// Each path ends with a zero byte; paths are never empty, so an empty one ends the message.
QByteArray encodeMessage(const QStringList &paths)
{
    QByteArray message;
    for (const QString &path : paths)
        message += QFile::encodeName(path) + '\0';
    return message + '\0';
}

std::optional<QStringList> decodeMessage(const QByteArray &data)
{
    if (!data.startsWith('\0') && !data.contains(QByteArray("\0\0", 2)))
        return std::nullopt;
    QStringList paths;
    for (const QByteArray &name : data.split('\0')) {
        if (name.isEmpty())
            break;
        paths << QFile::decodeName(name);
    }
    return paths;
}

// False when the deadline passed first.
bool waitFor(int fd, short events, Clock::time_point deadline)
{
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0)
            return false;
        pollfd poll{fd, events, 0};
        const int ready = ::poll(&poll, 1, int(left.count()));
        if (ready > 0)
            return true;
        if (ready < 0 && errno != EINTR)
            return true;   // the next read or write reports it
    }
}

struct FdCloser {
    int fd;
    ~FdCloser() { ::close(fd); }
};

// One connection of a later start: reads its message, answers and hands the paths on.
class Connection : public QObject {
public:
    Connection(int fd, std::function<void(const QStringList &)> received, QObject *parent)
        : QObject(parent), fd_(fd), received_(std::move(received)), notifier_(fd, QSocketNotifier::Read)
    {
        connect(&notifier_, &QSocketNotifier::activated, this, [this] { Read(); });
        QTimer::singleShot(StalledConnectionMs, this, [this] { End(); });
    }

    ~Connection() override
    {
        notifier_.setEnabled(false);
        ::close(fd_);
    }

private:
    void Read()
    {
        char buffer[65536];
        for (;;) {
            const ssize_t n = ::recv(fd_, buffer, sizeof buffer, 0);
            if (n > 0) {
                data_.append(buffer, n);
                if (data_.size() > MaxMessage)
                    return End();
                continue;
            }
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
                break;
            return End();   // ended, or failed, before the message was complete
        }
        if (const std::optional<QStringList> paths = decodeMessage(data_)) {
            ::send(fd_, Answer, AnswerSize, MSG_NOSIGNAL);
            End();
            received_(*paths);
        }
    }

    void End()
    {
        notifier_.setEnabled(false);
        deleteLater();
    }

    int fd_;
    std::function<void(const QStringList &)> received_;
    QByteArray data_;
    QSocketNotifier notifier_;
};

} // namespace

namespace FileHandOver {

QString SocketPathFor(const QString &lockPath)
{
    QString path = lockPath;
    if (path.endsWith(QStringLiteral(".lock")))
        path.chop(5);
    return path + QStringLiteral(".socket");
}

Result Send(const QString &socketPath, const QStringList &paths, std::chrono::milliseconds answerWithin)
{
    sockaddr_un address;
    if (!socketAddress(socketPath, address))
        return Result::NoListener;
    struct stat info;
    if (::lstat(address.sun_path, &info) != 0 || !S_ISSOCK(info.st_mode) || info.st_uid != ::getuid())
        return Result::NoListener;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return Result::NoListener;
    const FdCloser closer{fd};
    if (::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0)
        return Result::NoListener;

    const Clock::time_point deadline = Clock::now() + answerWithin;
    const QByteArray message = encodeMessage(paths);
    for (qsizetype sent = 0; sent < message.size();) {
        const ssize_t n = ::send(fd, message.constData() + sent, size_t(message.size() - sent), MSG_NOSIGNAL);
        if (n > 0)
            sent += n;
        else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            if (!waitFor(fd, POLLOUT, deadline))
                return Result::Unanswered;
        } else if (n < 0 && errno != EINTR)
            return Result::NoListener;   // it went away
    }
    QByteArray answer;
    while (answer.size() < AnswerSize) {
        if (!waitFor(fd, POLLIN, deadline))
            return Result::Unanswered;
        char buffer[AnswerSize];
        const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
        if (n > 0)
            answer.append(buffer, n);
        else if (n == 0 || (errno != EINTR && errno != EAGAIN && errno != EWOULDBLOCK))
            return Result::NoListener;   // it ended without taking them
    }
    return answer == Answer ? Result::Delivered : Result::NoListener;
}

} // namespace FileHandOver

FileHandOverListener::FileHandOverListener(const QString &socketPath, QObject *parent)
    : QObject(parent), path_(socketPath)
{
    sockaddr_un address;
    if (!socketAddress(socketPath, address)) {
        failure_ = socketPath + QStringLiteral(": too long a path for a socket");
        return;
    }
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) {
        failure_ = socketPath + QStringLiteral(": ") + qt_error_string(errno);
        return;
    }
    ::unlink(address.sun_path);
    if (::bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0 || ::listen(fd, 16) != 0) {
        failure_ = socketPath + QStringLiteral(": ") + qt_error_string(errno);
        ::close(fd);
        return;
    }
    // Other users are refused by their credentials too; this keeps them from connecting at all.
    ::chmod(address.sun_path, S_IRUSR | S_IWUSR);
    fd_ = fd;
}

FileHandOverListener::~FileHandOverListener()
{
    if (fd_ < 0)
        return;
    delete notifier_;
    ::close(fd_);
    QFile::remove(path_);
}

void FileHandOverListener::Start(std::function<void(const QStringList &)> received)
{
    if (fd_ < 0 || notifier_)
        return;
    received_ = std::move(received);
    notifier_ = new QSocketNotifier(fd_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &FileHandOverListener::Accept);
}

void FileHandOverListener::Accept()
{
    for (;;) {
        const int client = ::accept4(fd_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (client < 0) {
            if (errno == EINTR)
                continue;
            return;   // none left waiting
        }
        ucred peer{};
        socklen_t size = sizeof peer;
        if (::getsockopt(client, SOL_SOCKET, SO_PEERCRED, &peer, &size) != 0 || peer.uid != ::getuid()) {
            ::close(client);
            continue;
        }
        new Connection(client, received_, this);
    }
}
