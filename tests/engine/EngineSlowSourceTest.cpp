// Sources that deliver slowly or stop delivering, through the engine the program loads. The stall
// limit is cut to a few seconds for this process before the engine is loaded.
#include "Conversions.h"
#include "EngineCalls.h"
#include "SlowReads.h"
#include "TestMedia.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <functional>

namespace {
constexpr int kStallSeconds = 2;
const bool stallLimitSet = ::setenv("POCKETREEL_ENGINE_STALL_SECONDS", "2", 1) == 0;

// Every read waits an eighth of the limit, and the whole takes longer than the limit.
constexpr SlowReadPlan kSlow{std::chrono::milliseconds(250), 32 * 1024};

std::string stalledReason()
{
    return "nothing could be read for " + std::to_string(kStallSeconds) + " s";
}

QString copyOf(const QString &kind, const QTemporaryDir &dir)
{
    const QString copy = dir.filePath(QFileInfo(mediaPath(kind)).fileName());
    QFile::copy(mediaPath(kind), copy);
    return copy;
}
} // namespace

TEST(EngineSlowSource, IsProbedConvertedAndThumbnailedHoweverLongItTakes)
{
    ASSERT_TRUE(stallLimitSet);
    QTemporaryDir dir;
    const QString source = copyOf("recording", dir);
    const QString output = dir.filePath("OUT.MP4");
    struct Case {
        const char *what;
        std::function<int32_t()> call;
    };
    const Case cases[] = {
        {"probe", [&] {
             EngineFileInfo info{};
             return probe(source, info);
         }},
        {"conversion", [&] {
             ConversionRequest r;
             r.source = source;
             r.output = output;
             r.length = "0";
             return convert(r);
         }},
        {"thumbnail", [&] { return thumbnail(source, "1", dir.filePath("OUT.THM")); }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const SlowReads slow(source, kSlow);
        EXPECT_EQ(c.call(), 0) << EngineLibrary::get().X_Get_Last_Error();
        // Without a wait longer than the limit the case would show nothing.
        EXPECT_GT(slow.deliveries() * kSlow.delay, std::chrono::seconds(kStallSeconds));
    }
    EXPECT_TRUE(QFileInfo::exists(output));
    EXPECT_TRUE(QFileInfo::exists(dir.filePath("OUT.THM")));
}

TEST(EngineSlowSource, ThatStallsFailsWithThatReasonAndLeavesNoFile)
{
    ASSERT_TRUE(stallLimitSet);
    QTemporaryDir dir;
    const QString source = copyOf("recording", dir);
    const qint64 size = QFileInfo(source).size();
    const QString output = dir.filePath("OUT.MP4");
    struct Case {
        const char *what;
        int64_t stallAt;
        std::function<int32_t()> call;
    };
    const auto probeCall = [&] {
        EngineFileInfo info{};
        return probe(source, info);
    };
    const auto conversion = [&] {
        ConversionRequest r;
        r.source = source;
        r.output = output;
        r.length = "0";
        return convert(r);
    };
    const Case cases[] = {
        {"probe, towards the end", size * 2 / 3, probeCall},
        {"conversion, from the first byte", 0, conversion},
        {"conversion, towards the end", size * 2 / 3, conversion},
        {"thumbnail, towards the end", size * 2 / 3, [&] { return thumbnail(source, "1", dir.filePath("OUT.THM")); }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const SlowReads stalled(source, SlowReadPlan{std::chrono::milliseconds(0), 0, c.stallAt});
        EXPECT_EQ(c.call(), -1);
        EXPECT_EQ(EngineLibrary::get().X_Get_Last_Error(), stalledReason());
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QFileInfo(source).fileName()});
}

