#pragma once

#include <QObject>
#include <QStringList>
#include <chrono>
#include <functional>

class QSocketNotifier;

// Hands the files of a second start over to the instance that runs, through a local socket beside
// the single-instance lock. The running instance makes the socket as soon as it holds the lock,
// before it has an event loop, so a start that finds the lock held can always connect; the
// connection then waits in the backlog until the running instance takes it.
namespace FileHandOver {

// The socket that belongs to a lock file: its name with ".socket" for ".lock".
QString SocketPathFor(const QString &lockPath);

enum class Result {
    Delivered,    // the running instance took the files
    NoListener,   // nobody listens there (yet, or any more)
    Unanswered,   // a listener took the connection but did not answer in time
};

// Sends absolute paths and waits for the running instance to take them. Refuses a socket that
// belongs to another user. Needs no application object.
Result Send(const QString &socketPath, const QStringList &paths, std::chrono::milliseconds answerWithin);

} // namespace FileHandOver

// The running instance's end: listens from construction on, and from Start() on takes the files
// that later starts send, from processes of the same user only.
class FileHandOverListener : public QObject {
public:
    // Binds and listens at once: no application object is needed yet. What lies at the path was
    // left by an ended instance (the caller holds the lock) and is replaced.
    explicit FileHandOverListener(const QString &socketPath, QObject *parent = nullptr);
    // Stops listening and removes the socket.
    ~FileHandOverListener() override;

    bool IsListening() const { return fd_ >= 0; }
    // Why it does not listen.
    QString Failure() const { return failure_; }

    // Takes connections from now on, the waiting ones first, and hands each list of paths to
    // `received`; needs the application object.
    void Start(std::function<void(const QStringList &)> received);

private:
    void Accept();

    QString path_;
    QString failure_;
    int fd_ = -1;
    QSocketNotifier *notifier_ = nullptr;
    std::function<void(const QStringList &)> received_;
};
