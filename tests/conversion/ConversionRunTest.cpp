// The run's loop against the scripted engine, without any window: what it hands the engine, in
// which order it reports, and how each outcome ends it.
#include "ScriptedRun.h"
#include "core/conversion/ConversionRun.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <atomic>
#include "QtPrinting.h"

#include <gtest/gtest.h>
#include <mutex>
#include <thread>

namespace {

// Records what the run reports, from its thread, as short words.
class RecordingObserver : public RunObserver {
public:
    RecordingObserver() { window_.post = &RecordingObserver::Posted; }

    MessageTarget *EngineWindow() override { return &window_; }
    void ClipStarting(const ClipJob &clip, const ClipPlan &plan) override
    {
        Add(QStringLiteral("clip ") + clip.outputName + QStringLiteral(" length ") + plan.parameters[ClipParameter::Length]);
    }
    void EngineCallStarting() override { Add(QStringLiteral("engine")); }
    void EngineCallEnded() override { Add(QStringLiteral("returned")); }
    void RunFinished(int outcome) override { Add(QStringLiteral("finished %1").arg(outcome)); }

    QStringList Events()
    {
        const std::lock_guard lock(mutex_);
        return events_;
    }

private:
    static void Posted(MessageTarget *, uint32_t, intptr_t, intptr_t) {}
    void Add(const QString &event)
    {
        const std::lock_guard lock(mutex_);
        events_.append(event);
    }

    MessageTarget window_{};
    std::mutex mutex_;
    QStringList events_;
};

class ConversionRunLoop : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(app.IsValid());
        FakeEngine::Reset();
        job = ScriptedEngineJob(app);
    }
    void TearDown() override { FakeEngine::Reset(); }

    void AddClips(int count)
    {
        for (int i = 0; i < count; ++i) {
            ClipJob clip;
            clip.sourcePath = QStringLiteral("/media/clip%1.avi").arg(i + 1);
            clip.duration = 100;
            clip.startTime = 10;
            clip.endTime = 40;
            clip.videoWidth = 640;
            clip.videoHeight = 480;
            clip.outputName = QStringLiteral("MAQ7000%1.MP4").arg(i + 1);
            clip.position = i;
            job.clips.append(clip);
        }
    }

    QString Output(const QString &name) const { return job.outputFolder + name; }

    FakeEngine::FakeAppFolder app;
    ConversionJob job;
    RecordingObserver observer;
};

} // namespace

TEST_F(ConversionRunLoop, ConvertsEveryClipWithItsThumbnailLoadingTheEngineForEach)
{
    AddClips(2);
    const int loads = FakeEngine::LoadCount();
    const int unloads = FakeEngine::UnloadCount();
    ConversionRun run(job);
    EXPECT_EQ(run.Run(observer), RunOutcome::AllDone);

    EXPECT_EQ(observer.Events(), (QStringList{"clip MAQ70001.MP4 length 30", "engine", "returned",
                                              "clip MAQ70002.MP4 length 30", "engine", "returned", "finished 1"}));
    const auto conversions = FakeEngine::CallsTo("X_SetPar_D2PSP");
    ASSERT_EQ(conversions.size(), 2u);
    const std::vector<std::string> expected{"/media/clip1.avi", "0", "10", "48000", "1:1", "h264", "768", "96",
                                            "364:272", "480:272", "clip1", "29.97", "0", "-1",
                                            Output("MAQ70001.MP4").toStdString(), "0", "30"};
    EXPECT_EQ(conversions[0].texts, expected);
    EXPECT_EQ(conversions[0].numbers, (std::vector<int64_t>{2, job.stamp}));
    const auto thumbnails = FakeEngine::CallsTo("X_Get_Frame_JPEG");
    ASSERT_EQ(thumbnails.size(), 2u);
    EXPECT_EQ(thumbnails[1].texts, (std::vector<std::string>{"/media/clip2.avi", "0", "20", "160:120",
                                                              Output("MAQ70002.THM").toStdString()}));
    EXPECT_TRUE(QFile::exists(Output("MAQ70002.THM")));
    // The output folder was missing and is made; the engine is never held between clips.
    EXPECT_TRUE(QDir(job.outputFolder).exists());
    EXPECT_EQ(FakeEngine::LoadCount() - loads, 2);
    EXPECT_EQ(FakeEngine::UnloadCount() - unloads, 2);
    EXPECT_FALSE(run.EngineLoaded());
}

TEST_F(ConversionRunLoop, OutcomesThatEndTheRun)
{
    const struct {
        const char *why;
        int conversionResult;
        int thumbnailResult;
        int outcome;
        int conversions;
        int thumbnails;
    } cases[] = {
        {"a failure ends the run; later clips are not converted", -1, 0, -1, 1, 0},
        {"a failing thumbnail replaces the conversion's result", 0, -1, -1, 1, 1},
        {"the engine's 1 ends the run as if every clip were done", 1, 0, 1, 1, 0},
        {"any other result goes on with the next clip", 5, 0, 1, 3, 0},
    };
    AddClips(3);
    for (const auto &c : cases) {
        FakeEngine::Reset();
        QDir(job.outputFolder).removeRecursively();
        FakeEngine::SetConversionResult(c.conversionResult);
        FakeEngine::SetConversionWritesOutput(true);
        FakeEngine::SetThumbnailResult(c.thumbnailResult);
        ConversionRun run(job);
        RecordingObserver seen;
        EXPECT_EQ(run.Run(seen), c.outcome) << c.why;
        EXPECT_EQ(seen.Events().last(), QStringLiteral("finished %1").arg(c.outcome)) << c.why;
        EXPECT_EQ(int(FakeEngine::CallsTo("X_SetPar_D2PSP").size()), c.conversions) << c.why;
        EXPECT_EQ(int(FakeEngine::CallsTo("X_Get_Frame_JPEG").size()), c.thumbnails) << c.why;
    }
}

TEST_F(ConversionRunLoop, AnEngineThatCannotBeBoundEndsTheRunWithTwo)
{
    AddClips(2);
    for (const QString &library : {QStringLiteral("missing"), QStringLiteral("X_Get_Info")}) {
        FakeEngine::Reset();
        QFile::remove(app.EnginePath());
        if (library != QStringLiteral("missing"))
            ASSERT_TRUE(FakeEngine::InstallFakeEngine(app.Path(), library));
        ConversionRun run(job);
        RecordingObserver seen;
        EXPECT_EQ(run.Run(seen), RunOutcome::EngineMissing) << qPrintable(library);
        EXPECT_EQ(seen.Events(), (QStringList{"clip MAQ70001.MP4 length 30", "finished 2"})) << qPrintable(library);
        EXPECT_TRUE(FakeEngine::Calls().empty());
        EXPECT_FALSE(run.EngineLoaded());
    }
}

TEST_F(ConversionRunLoop, AnExistingThumbnailIsLeftAsItIs)
{
    AddClips(1);
    QDir().mkpath(job.outputFolder);
    QFile thumbnail(Output("MAQ70001.THM"));
    ASSERT_TRUE(thumbnail.open(QIODevice::WriteOnly));
    thumbnail.write("the user's own picture");
    thumbnail.close();

    ConversionRun run(job);
    EXPECT_EQ(run.Run(observer), RunOutcome::AllDone);
    EXPECT_TRUE(FakeEngine::CallsTo("X_Get_Frame_JPEG").empty());
    ASSERT_TRUE(thumbnail.open(QIODevice::ReadOnly));
    EXPECT_EQ(thumbnail.readAll(), QByteArray("the user's own picture"));
}

TEST_F(ConversionRunLoop, AStopFinishesTheClipWithItsThumbnailAndTakesNoOther)
{
    AddClips(3);
    FakeEngine::SetBlockConversion(true);
    ConversionRun run(job);
    std::atomic<int> outcome{99};
    std::thread worker([&] { outcome = run.Run(observer); });
    ASSERT_TRUE(FakeEngine::WaitUntilConverting(5000));
    EXPECT_TRUE(run.EngineLoaded());
    run.RequestStop();
    worker.join();

    EXPECT_EQ(outcome, RunOutcome::Stopped);
    EXPECT_EQ(SourcesConverted(), QStringList{QStringLiteral("/media/clip1.avi")});
    EXPECT_EQ(FakeEngine::CallsTo("X_StopConvert").size(), 1u);
    EXPECT_EQ(FakeEngine::CallsTo("X_Get_Frame_JPEG").size(), 1u);
    EXPECT_EQ(observer.Events().last(), QStringLiteral("finished 0"));
    // Between clips there is nothing to stop or poll.
    EXPECT_FALSE(run.Poll().has_value());
}

// Polls from another thread, each a while inside the engine, while the worker loads and releases
// the library for clip after clip: a poll must never be inside a library being released (its
// code would vanish under it).
TEST_F(ConversionRunLoop, PollingWhileTheLibraryComesAndGoesIsSafe)
{
    AddClips(200);
    FakeEngine::SetConversionWritesOutput(false);
    FakeEngine::SetThumbnailWritesOutput(false);
    FakeEngine::SetInfo(12, 25, 300);
    FakeEngine::SetInfoDelay(1);
    const int unloads = FakeEngine::UnloadCount();
    ConversionRun run(job);
    std::atomic<bool> done{false};
    std::atomic<int> answered{0};
    std::thread poller([&] {
        while (!done) {
            if (const auto progress = run.Poll()) {
                EXPECT_EQ(progress->secondsDone, 12);
                ++answered;
            }
        }
    });
    EXPECT_EQ(run.Run(observer), RunOutcome::AllDone);
    done = true;
    poller.join();
    EXPECT_EQ(FakeEngine::UnloadCount() - unloads, 200);
    EXPECT_GT(answered.load(), 0);
}
