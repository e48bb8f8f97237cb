#include "Conversions.h"
#include "EngineLibrary.h"
#include "PrivateMounts.h"
#include "PspConformity.h"
#include "QtPrinting.h"
#include "TestMedia.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
// What a call returns when its surroundings cannot be made here.
constexpr int32_t kSkipped = 77;

struct Captured {
    int32_t result = 1;
    QStringList lines; // what the call wrote to standard error
    QString reason;    // what X_Get_Last_Error said after it
    bool skipped = false;
};

// Runs `call` in a child process whose standard error goes to a file.
Captured captureStderr(const std::function<int32_t()> &call)
{
    QTemporaryFile log, reason;
    if (!log.open() || !reason.open())
        return {};
    const pid_t child = fork();
    if (child == 0) {
        ::dup2(log.handle(), STDERR_FILENO);
        const int32_t result = call();
        const char *why = EngineLibrary::get().X_Get_Last_Error();
        if (::write(reason.handle(), why, std::strlen(why)) < 0)
            _exit(2);
        _exit(result == 0 ? 0 : result == -1 ? 1 : result == kSkipped ? kSkipped : 2);
    }
    int status = -1;
    Captured c;
    if (waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return c;
    const int code = WEXITSTATUS(status);
    c.skipped = code == kSkipped;
    c.result = code == 0 ? 0 : code == 1 ? -1 : 2;
    const QString text = QString::fromUtf8(fileBytes(log.fileName()));
    c.lines = text.split('\n', Qt::SkipEmptyParts);
    c.reason = QString::fromUtf8(fileBytes(reason.fileName()));
    return c;
}

}

TEST(EngineFailureLog, AFailedConversionSaysOnceWhereAndWhy)
{
    QTemporaryDir dir;
    // A download broken off: the index at the end of the file never came.
    writeFile(dir.filePath("corrupt.mp4"), fileBytes(mediaPath("long")).left(4096));
    ASSERT_TRUE(QDir().mkpath(dir.filePath("locked")));
    const QString source = mediaPath("long");

    using Conversion = std::function<int32_t()>;
    struct Case {
        const char *why;
        QString source, output;
        QString start;
        std::function<int32_t(const Conversion &)> around; // runs the conversion where it must fail
        QString line;
        QString reason; // in the user's words
    };
    const auto plain = [](const Conversion &conversion) { return conversion(); };
    const QString locked = dir.filePath("locked/OUT.MP4");
    const QString missing = dir.filePath("no/such/OUT.MP4");
    const QString full = dir.filePath("FULL.MP4");
    const QString corrupt = dir.filePath("corrupt.mp4");
    const Case cases[] = {
        {"unwritable output folder", source, locked, "0",
         [&](const Conversion &conversion) {
             if (!EnterPrivateMountNamespace().empty())
                 return kSkipped;
             const ReadOnlyMount readOnly(dir.filePath("locked"));
             return readOnly.Failure().empty() ? conversion() : kSkipped;
         },
         "conversion failed at creating " + locked + ": Read-only file system", "the disk is read-only"},
        {"missing output folder", source, missing, "0", plain,
         "conversion failed at creating " + missing + ": No such file or directory",
         "a folder or file it needs does not exist"},
        {"corrupt source", corrupt, dir.filePath("OUT.MP4"), "0", plain,
         "conversion failed at opening " + corrupt + ": the file ends early", "the file ends early"},
        {"start past the end", source, dir.filePath("OUT.MP4"), "100", plain,
         "conversion failed at finding a picture in the chosen range of " + source + ": no picture in the chosen range",
         "no picture in the chosen range"},
        // The disk fills while every stage runs: the writer fails, the others stop quietly.
        {"full disk", source, full, "0",
         [](const Conversion &conversion) {
             signal(SIGXFSZ, SIG_IGN);
             const rlimit limit{64 * 1024, 64 * 1024};
             return setrlimit(RLIMIT_FSIZE, &limit) == 0 ? conversion() : kSkipped;
         },
         "conversion failed at writing " + full + ": File too large", "the disk is full"},
    };
    QStringList skipped;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.why);
        ConversionRequest r;
        r.source = c.source;
        r.output = c.output;
        r.start = c.start;
        r.length = "20";
        const Captured run = captureStderr([&] { return c.around([&] { return convert(r); }); });
        if (run.skipped) {
            skipped << c.why;
            continue;
        }
        EXPECT_EQ(run.result, -1);
        EXPECT_EQ(run.lines, QStringList{"DVDEncoder: " + c.line});
        EXPECT_EQ(run.reason, c.reason);
    }
    if (!skipped.isEmpty())
        GTEST_SKIP() << "cannot be made here: " << skipped.join(", ").toStdString();
}

TEST(EngineFailureLog, ProbeAndThumbnailFailuresSayWhereAndWhy)
{
    QTemporaryDir dir;
    const QString text = dir.filePath("notes.avi");
    writeFile(text, "not a video");
    const Captured probe = captureStderr([&] {
        QByteArray path = text.toUtf8() + QByteArray(10, '\0');
        EngineFileInfo info{};
        return EngineLibrary::get().X_GetFileinfo_GetPic(path.data(), 10, &info);
    });
    EXPECT_EQ(probe.result, -1);
    EXPECT_EQ(probe.lines, QStringList{"DVDEncoder: probe failed at opening " + text + ": not a video file"});
    EXPECT_EQ(probe.reason, "not a video file");

    const QString thumb = dir.filePath("no/such/X.THM");
    const Captured thumbnail = captureStderr([&] {
        const QByteArray s = mediaPath("avi").toUtf8(), o = thumb.toUtf8();
        return EngineLibrary::get().X_Get_Frame_JPEG(nullptr, 2, s.constData(), "0", "1", "160:120", o.constData(), 0);
    });
    EXPECT_EQ(thumbnail.result, -1);
    EXPECT_EQ(thumbnail.lines,
              QStringList{"DVDEncoder: thumbnail failed at writing " + thumb + ": No such file or directory"});
    EXPECT_EQ(thumbnail.reason, "a folder or file it needs does not exist");
}

// The decoders report every concealed error of a damaged file; a conversion that ends well says nothing.
TEST(EngineFailureLog, ADamagedSourceThatConvertsLeavesStandardErrorQuiet)
{
    QTemporaryDir dir;
    QByteArray bytes = fileBytes(mediaPath("avi"));
    for (int k = 1; k < 8; ++k)
        for (int i = 0; i < 3000; ++i)
            bytes[bytes.size() * k / 9 + i] = char(i * 37);
    writeFile(dir.filePath("damaged.avi"), bytes);
    ConversionRequest r;
    r.source = dir.filePath("damaged.avi");
    r.output = dir.filePath("OUT.MP4");
    const Captured run = captureStderr([&] { return convert(r); });
    EXPECT_EQ(run.result, 0);
    EXPECT_EQ(run.lines, QStringList());
}

// Subtitles that cannot be read never fail the clip: it converts without them, and one line says why.
TEST(EngineFailureLog, SubtitlesThatCannotBeReadAreLeftOutWithOneLine)
{
    QTemporaryDir dir;
    const QString video = dir.filePath("film.mkv");
    ASSERT_TRUE(QFile::copy(mediaPath("tracks"), video));
    const QString beside = dir.filePath("film.srt"), missing = dir.filePath("gone.srt");
    writeFile(beside, QByteArray("\x00\x9f\x12 no subtitles here", 22));
    const QString prefix = "DVDEncoder: burning in subtitles failed at ";
    const QString notFound = prefix + "finding the chosen subtitles in " + video + ": the chosen subtitles are not in the file";
    const struct {
        const char *why;
        QString subtitle, line;
    } cases[] = {
        {"file beside that is no subtitle file", "005",
         prefix + "reading " + beside + ": Invalid data found when processing input"},
        {"missing file", missing, prefix + "reading " + missing + ": No such file or directory"},
        {"id past the list", "009", notFound},
        {"id of a sound track", "001", notFound},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.why);
        ConversionRequest r;
        r.source = video;
        r.output = dir.filePath("OUT.MP4");
        r.length = "2";
        r.subtitle = c.subtitle;
        const Captured run = captureStderr([&] { return convert(r); });
        EXPECT_EQ(run.result, 0);
        EXPECT_EQ(run.lines, QStringList{c.line});
        EXPECT_EQ(run.reason, ""); // the conversion did not fail
        PspExpectation e;
        e.codec = "h264";
        e.seconds = 2;
        EXPECT_EQ(pspViolations(r.output, e), QStringList());
    }
}
