// A source cut short or removed while the engine converts it: the conversion ends, in bounded
// time, with -1 and nothing written, or with 0 and a file that plays to its end.
#include "Conversions.h"
#include "EngineLibrary.h"
#include "TestMedia.h"

#include <QFile>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <thread>
#include <unistd.h>

namespace {

// However damaged the source, the engine answers within this.
constexpr auto Bound = std::chrono::seconds(60);

struct Fault {
    const char *what;
    void (*apply)(const QString &source);
};

void TruncateTo(const QString &source, double share)
{
    QFile file(source);
    ASSERT_TRUE(file.resize(qint64(file.size() * share)));
}

const Fault Faults[] = {
    {"cut to half its bytes", [](const QString &source) { TruncateTo(source, 0.5); }},
    {"cut to nothing", [](const QString &source) { TruncateTo(source, 0.0); }},
    {"cut to half, then removed", [](const QString &source) {
         TruncateTo(source, 0.5);
         ASSERT_TRUE(QFile::remove(source));
     }},
    {"removed", [](const QString &source) { ASSERT_TRUE(QFile::remove(source)); }},
};

double SecondsOf(const QString &file)
{
    return numberOf(probeJson(file)["format"].toObject(), "duration");
}

} // namespace

TEST(FaultSource, CutOrRemovedWhileConvertingEndsInTimeWithAPlayableFileOrNothing)
{
    const auto &engine = EngineLibrary::get();
    for (const char *kind : {"long", "gopts"}) {
        const QString original = mediaPath(kind);
        const double sourceSeconds = SecondsOf(original);
        for (const Fault &fault : Faults) {
            SCOPED_TRACE(std::string(kind) + ", " + fault.what);
            QTemporaryDir dir;
            const QString source = dir.filePath(QStringLiteral("source.") + QFileInfo(original).suffix());
            ASSERT_TRUE(QFile::copy(original, source));
            ConversionRequest r;
            r.source = source;
            r.output = dir.filePath("CUT.MP4");
            r.length = "0";

            RecordingWindow window;
            std::packaged_task<int32_t()> conversion([&] { return convert(r, &window); });
            std::future<int32_t> result = conversion.get_future();
            std::thread worker(std::move(conversion));
            ASSERT_TRUE(window.take(DVDENCODER_MSG_READY).has_value());
            int32_t info[4] = {};
            while (info[0] < 1 && result.wait_for(std::chrono::milliseconds(5)) == std::future_status::timeout)
                engine.X_Get_Info(info);
            fault.apply(source);
            if (result.wait_for(Bound) == std::future_status::timeout) {
                ADD_FAILURE() << "the conversion did not end within " << Bound.count() << " s";
                engine.X_StopConvert();
            }
            worker.join();

            const int32_t outcome = result.get();
            ASSERT_TRUE(outcome == 0 || outcome == -1) << outcome;
            EXPECT_FALSE(QFile::exists(r.output + ".part"));
            EXPECT_EQ(QFile::exists(r.output), outcome == 0);
            if (outcome == 0) {
                const ToolResult decode = runTool("ffmpeg", {"-v", "error", "-i", r.output, "-f", "null", "-"});
                EXPECT_EQ(decode.exitCode, 0);
                EXPECT_TRUE(decode.output.isEmpty()) << decode.output.toStdString();
                EXPECT_LE(SecondsOf(r.output), sourceSeconds + 0.5);
            }
        }
    }
}
