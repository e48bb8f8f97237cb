// A file's streams asked of the engine: a list longer than the first buffer, a file the engine
// cannot read, and an engine that lists no streams.
#include "FakeEngineControl.h"
#include "FakeEngineInstall.h"
#include "core/conversion/SourceProbe.h"
#include "engine/EngineLibrary.h"

#include <gtest/gtest.h>

TEST(SourceProbe, StreamsOfAnyLengthOrNoneWhenTheEngineGivesNoList)
{
    FakeEngine::Reset();
    std::string many;
    for (int i = 0; i < 200; ++i)
        many += "subtitle\teng\tsubrip\t0\t\tA title long enough to make this list outgrow the first buffer\n";
    FakeEngine::SetStreamList("/films/many.mkv", "audio\tjpn\taac\t2\td\t\n" + many);
    FakeEngine::SetStreamList("/films/broken.mkv", "", -1);
    ASSERT_GT(many.size(), 4096u);

    {
        FakeEngine::FakeAppFolder app;
        ASSERT_TRUE(app.IsValid());
        EngineLibrary engine(app.EnginePath());
        ASSERT_TRUE(engine.Load(EngineLibrary::ProbeEntries));
        const std::optional<SourceStreams> streams = ProbeStreams(engine, QStringLiteral("/films/many.mkv"));
        ASSERT_TRUE(streams.has_value());
        ASSERT_EQ(streams->sound.size(), 1);
        ASSERT_EQ(streams->subtitles.size(), 200);
        EXPECT_EQ(streams->subtitles.last().id, 200);
        EXPECT_EQ(ProbeStreams(engine, QStringLiteral("/films/broken.mkv")), std::nullopt);
        // A file the engine has nothing to list of: known to have no streams.
        EXPECT_EQ(ProbeStreams(engine, QStringLiteral("/films/plain.avi")), SourceStreams{});
    }
    FakeEngine::FakeAppFolder without(QStringLiteral("X_Get_Stream_List"));
    ASSERT_TRUE(without.IsValid());
    EngineLibrary engine(without.EnginePath());
    ASSERT_TRUE(engine.Load(EngineLibrary::ProbeEntries));
    EXPECT_EQ(ProbeStreams(engine, QStringLiteral("/films/many.mkv")), std::nullopt);
    FakeEngine::Reset();
}
