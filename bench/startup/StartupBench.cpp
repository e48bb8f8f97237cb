// Start-up benchmark: launches the program offscreen several times from its application folder
// (with the shipped definition and profile files there) and reports the time from launch to the
// main window's first paint, which the program prints when POCKETREEL_REPORT_SHOWN is set.
// Usage: pocketreel_startup_bench [runs]

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr qint64 TargetMs = 400;

// Milliseconds from launch to the window shown, or -1 when the program did not report it.
qint64 measureOnce(const QString &program)
{
    QTemporaryDir runtime;  // a lock folder of its own, so a running copy does not refuse the start
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    env.insert(QStringLiteral("POCKETREEL_REPORT_SHOWN"), QStringLiteral("1"));
    QProcess process;
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(QFileInfo(program).absolutePath());
    process.setStandardErrorFile(QProcess::nullDevice());
    const qint64 launched = QDateTime::currentMSecsSinceEpoch();
    process.start(program, {});
    qint64 elapsed = -1;
    while (process.waitForReadyRead(20000)) {
        const QByteArray line = process.readLine().trimmed();
        if (line.startsWith("shown ")) {
            elapsed = line.mid(6).toLongLong() - launched;
            break;
        }
    }
    process.kill();
    process.waitForFinished();
    return elapsed;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 15;
    const QString program = QStringLiteral(POCKETREEL_EXE);
    measureOnce(program);  // warm the file cache
    std::vector<qint64> times;
    for (int i = 0; i < runs; ++i) {
        const qint64 ms = measureOnce(program);
        if (ms < 0) {
            std::fprintf(stderr, "run %d: the program did not report its window\n", i + 1);
            return 1;
        }
        times.push_back(ms);
    }
    std::sort(times.begin(), times.end());
    const qint64 median = times[times.size() / 2];
    std::printf("program start to main window shown (offscreen), %d runs: median %lld ms, min %lld ms, max %lld ms; "
                "target <= %lld ms: %s\n",
                runs, static_cast<long long>(median), static_cast<long long>(times.front()),
                static_cast<long long>(times.back()), static_cast<long long>(TargetMs),
                median <= TargetMs ? "met" : "MISSED");
    return 0;
}
