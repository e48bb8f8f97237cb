#include "FakeEngineControl.h"
#include "FakeEngineInstall.h"
#include "LogCapture.h"
#include "engine/EngineLibrary.h"
#include "platform/WindowMessage.h"

#include <QCoreApplication>
#include <QFile>
#include <gtest/gtest.h>
#include <thread>
#include <vector>

namespace {

class EngineBinder : public ::testing::Test {
protected:
    void SetUp() override { FakeEngine::Reset(); }
    int LoadedCopies() const { return FakeEngine::LoadCount() - FakeEngine::UnloadCount(); }
};

} // namespace

// Each failed load leaves one warning with the loader's own reason, for a user at a terminal.
TEST_F(EngineBinder, MissingLibraryFailsEveryLoadAndSaysWhy)
{
    FakeEngine::FakeAppFolder folder(QString(), false);
    ASSERT_TRUE(folder.IsValid());
    LogCapture log;
    EngineLibrary engine;
    EXPECT_EQ(engine.Path(), folder.EnginePath());
    EXPECT_FALSE(engine.Load(EngineLibrary::AddingEntries));
    EXPECT_FALSE(engine.IsLoaded());
    EXPECT_EQ(engine.X_GetFileinfo_GetPic, nullptr);
    const QString missing = engine.LastError();
    EXPECT_TRUE(missing.contains(QStringLiteral("No such file"))) << missing.toStdString();

    QFile notALibrary(folder.EnginePath());
    ASSERT_TRUE(notALibrary.open(QIODevice::WriteOnly));
    notALibrary.write("this is not a shared library");
    notALibrary.close();
    EXPECT_FALSE(engine.Load(EngineLibrary::ConversionEntries));
    EXPECT_FALSE(engine.IsLoaded());
    EXPECT_NE(engine.LastError(), missing);

    const QStringList warnings = log.MessagesOf(QStringLiteral("pocketreel.engine"), QtWarningMsg);
    ASSERT_EQ(warnings.size(), 2);
    EXPECT_TRUE(warnings[0].endsWith(missing)) << warnings[0].toStdString();
    EXPECT_TRUE(warnings[1].endsWith(engine.LastError())) << warnings[1].toStdString();
    EXPECT_TRUE(warnings[1].contains(folder.EnginePath())) << warnings[1].toStdString();
}

TEST_F(EngineBinder, AMissingEntryPointFailsTheSitesThatBindItAndReleasesTheLibrary)
{
    // Adding binds items 1-2, the preview 1-5, the conversion 6-9.
    const struct {
        const char *missing;
        bool adding, preview, conversion;
    } cases[] = {
        {"X_GetFileinfo_GetPic", false, false, true},
        {"X_Get_Frame", false, false, true},
        {"X_GetFrame_Init", true, false, true},
        {"X_Set_NextFrame_Time", true, false, true},
        {"X_GetFrame_UnInit", true, false, true},
        {"X_SetPar_D2PSP", true, true, false},
        {"X_Get_Info", true, true, false},
        {"X_StopConvert", true, true, false},
        {"X_Get_Frame_JPEG", true, true, false},
        // Optional: every site loads without them.
        {"X_Get_Last_Error", true, true, true},
        {"X_Get_Stream_List", true, true, true},
    };
    for (const auto &c : cases) {
        FakeEngine::FakeAppFolder folder(QLatin1String(c.missing));
        ASSERT_TRUE(folder.IsValid()) << c.missing;
        const struct {
            const char *site;
            EngineLibrary::Entries entries;
            bool loads;
        } sites[] = {
            {"adding", EngineLibrary::AddingEntries, c.adding},
            {"preview", EngineLibrary::PreviewEntries, c.preview},
            {"conversion", EngineLibrary::ConversionEntries, c.conversion},
        };
        for (const auto &site : sites) {
            LogCapture log;
            EngineLibrary engine;
            EXPECT_EQ(engine.Load(site.entries), site.loads) << site.site << " without " << c.missing;
            const QStringList warnings = log.MessagesOf(QStringLiteral("pocketreel.engine"), QtWarningMsg);
            EXPECT_EQ(warnings, site.loads ? QStringList()
                                           : QStringList{folder.EnginePath() + ": no entry point " + c.missing})
                << site.site << " without " << c.missing;
            EXPECT_EQ(engine.IsLoaded(), site.loads);
            EXPECT_EQ(LoadedCopies(), site.loads ? 1 : 0) << site.site << " without " << c.missing;
            if (!site.loads) {
                EXPECT_EQ(engine.X_GetFileinfo_GetPic, nullptr);
                EXPECT_EQ(engine.X_SetPar_D2PSP, nullptr);
            }
            EXPECT_EQ(engine.X_Get_Last_Error == nullptr, !site.loads || c.missing == std::string("X_Get_Last_Error"))
                << site.site << " without " << c.missing;
            if (site.loads && engine.X_Get_Last_Error == nullptr)
                EXPECT_EQ(engine.FailureReason(), QString());
        }
        EXPECT_EQ(LoadedCopies(), 0);
    }
}

TEST_F(EngineBinder, BoundEntryPointsReachTheEngineUntilReleased)
{
    FakeEngine::FakeAppFolder folder;
    EngineFileInfo info{};
    info.duration = 65;
    info.width = 720;
    info.height = 480;
    FakeEngine::SetProbeAnswer("/videos/a.avi", {0, info});
    FakeEngine::SetFrameColour("/videos/a.avi", {10, 20, 30});

    {
        EngineLibrary engine;
        ASSERT_TRUE(engine.Load(EngineLibrary::AddingEntries));
        EXPECT_EQ(LoadedCopies(), 1);
        EXPECT_EQ(engine.X_SetPar_D2PSP, nullptr); // not asked for

        char path[64] = "/videos/a.avi";
        EngineFileInfo got{};
        EXPECT_EQ(engine.X_GetFileinfo_GetPic(path, 10, &got), 0);
        EXPECT_EQ(got.duration, 65);
        char other[64] = "/videos/unknown.avi";
        EXPECT_EQ(engine.X_GetFileinfo_GetPic(other, 10, &got), -1);

        const uint8_t *pixels = nullptr;
        int32_t frameTime = -1;
        EXPECT_EQ(engine.X_Get_Frame(4, 3, "/videos/a.avi", &pixels, &frameTime), 0);
        ASSERT_NE(pixels, nullptr);
        EXPECT_EQ(pixels[0], 30); // blue first
        EXPECT_EQ(pixels[2], 10);
        EXPECT_EQ(pixels[4 * 3 * 3 - 1], 10);
    }
    EXPECT_EQ(LoadedCopies(), 0);

    const auto probes = FakeEngine::CallsTo("X_GetFileinfo_GetPic");
    ASSERT_EQ(probes.size(), 2u);
    EXPECT_EQ(probes[0].texts[0], "/videos/a.avi");
    EXPECT_EQ(probes[0].numbers[0], 10);
}

TEST_F(EngineBinder, ScriptedConversionBlocksUntilStoppedAndPostsAsTold)
{
    FakeEngine::FakeAppFolder folder;
    QObject window;
    int ready = 0;
    WindowMessageDispatcher dispatcher;
    dispatcher.On(DVDENCODER_MSG_READY, [&](intptr_t, intptr_t) { ++ready; });
    struct Filter : QObject {
        WindowMessageDispatcher *dispatcher;
        bool eventFilter(QObject *, QEvent *event) override { return dispatcher->Dispatch(event); }
    } filter;
    filter.dispatcher = &dispatcher;
    window.installEventFilter(&filter);
    WindowMessageTarget target(&window);

    FakeEngine::SetBlockConversion(true);
    FakeEngine::SetConversionReadyDelivery(FakeEngine::Delivery::Held);
    EngineLibrary engine;
    ASSERT_TRUE(engine.Load(EngineLibrary::ConversionEntries));
    const QString output = folder.Path() + QStringLiteral("MAQ70001.MP4");
    const QByteArray outputBytes = output.toUtf8();

    int32_t result = -2;
    std::thread worker([&] {
        result = engine.X_SetPar_D2PSP(target.Handle(), 2, "/v/a.avi", "0", "5", "24000", "1:1", "h264",
                                       "768", "128", "368:208", "480:272", "Title", "29.97", "0", "-1",
                                       outputBytes.constData(), "0", "60", 20261210);
    });
    ASSERT_TRUE(FakeEngine::WaitUntilConverting(10000));
    EXPECT_EQ(FakeEngine::HeldMessageCount(), 1);
    FakeEngine::PostHeldMessages();
    QCoreApplication::processEvents();
    EXPECT_EQ(ready, 1);

    EXPECT_EQ(engine.X_StopConvert(), 0);
    worker.join();
    EXPECT_EQ(result, 0);
    EXPECT_TRUE(QFile::exists(output));

    const auto calls = FakeEngine::CallsTo("X_SetPar_D2PSP");
    ASSERT_EQ(calls.size(), 1u);
    ASSERT_EQ(calls[0].texts.size(), 17u);
    EXPECT_EQ(calls[0].texts[0], "/v/a.avi");
    EXPECT_EQ(calls[0].texts[11], "29.97");
    EXPECT_EQ(calls[0].texts[14], output.toStdString());
    EXPECT_EQ(calls[0].texts[16], "60");
    EXPECT_EQ(calls[0].numbers, (std::vector<int64_t>{2, 20261210}));
}

TEST_F(EngineBinder, OptionalEntryPointsGiveTheReasonOfTheCallingThreadAndTheStreamText)
{
    FakeEngine::FakeAppFolder folder;
    FakeEngine::SetFailureReason("/videos/song.mp3", "no video picture, only sound and a cover image");
    const std::string streams = "audio\teng\taac\t2\td\t\nsubtitle\tjpn\tass\t0\tf\tSigns\n";
    FakeEngine::SetStreamList("/videos/film.mkv", streams);

    EngineLibrary engine;
    ASSERT_TRUE(engine.Load(EngineLibrary::AddingEntries));
    char song[64] = "/videos/song.mp3";
    EngineFileInfo info{};
    EXPECT_EQ(engine.X_GetFileinfo_GetPic(song, 10, &info), -1);
    EXPECT_EQ(engine.FailureReason(), QStringLiteral("no video picture, only sound and a cover image"));
    QString otherThread = QStringLiteral("unset");
    std::thread([&] { otherThread = engine.FailureReason(); }).join();
    EXPECT_EQ(otherThread, QString());

    char small[8];
    EXPECT_EQ(engine.X_Get_Stream_List("/videos/film.mkv", small, sizeof small), int32_t(streams.size()));
    std::vector<char> text(streams.size() + 1);
    EXPECT_EQ(engine.X_Get_Stream_List("/videos/film.mkv", text.data(), int32_t(text.size())),
              int32_t(streams.size()));
    EXPECT_EQ(std::string(text.data()), streams);
    EXPECT_EQ(engine.X_Get_Stream_List("/videos/none.avi", text.data(), int32_t(text.size())), 0);
}
