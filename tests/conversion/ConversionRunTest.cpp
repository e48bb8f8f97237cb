// The run's loop against the scripted engine, without any window: what it hands the engine, in
// which order it reports, and how each outcome ends it.
#include "ScriptedRun.h"
#include "core/conversion/ConversionRun.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <atomic>
#include "QtPrinting.h"

#include <condition_variable>
#include <functional>
#include <gtest/gtest.h>
#include <mutex>
#include <thread>

namespace {

// Records what the run reports, from its thread, as short words.
class RecordingObserver : public RunObserver {
public:
    MessageTarget *EngineWindow() override { return &window_; }
    void ClipStarting(const ClipJob &clip, const ClipPlan &plan) override
    {
        Add(QStringLiteral("clip ") + clip.outputName + QStringLiteral(" length ") + plan.parameters[ClipParameter::Length]);
        Hook(clipStarting, clip.outputName);
    }
    void EngineCallStarting() override
    {
        Add(QStringLiteral("engine"));
        Hook(engineCallStarting, LastClip());
    }
    void EngineCallEnded() override
    {
        Add(QStringLiteral("returned"));
        Hook(engineCallEnded, LastClip());
    }
    void RunFinished(int outcome) override
    {
        Add(QStringLiteral("finished %1").arg(outcome));
        {
            const std::lock_guard lock(mutex_);
            finished_ = true;
        }
        changed_.notify_all();
    }

    // Called on the run's thread with the output name of the clip in hand.
    std::function<void(const QString &clip)> clipStarting, engineCallStarting, engineCallEnded;

    bool WaitUntilFinished(int milliseconds)
    {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, std::chrono::milliseconds(milliseconds), [this] { return finished_; });
    }

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
        if (event.startsWith(QStringLiteral("clip ")))
            lastClip_ = event.section(u' ', 1, 1);
    }
    QString LastClip()
    {
        const std::lock_guard lock(mutex_);
        return lastClip_;
    }
    static void Hook(const std::function<void(const QString &)> &hook, const QString &clip)
    {
        if (hook)
            hook(clip);
    }

    MessageTarget window_{&RecordingObserver::Posted};
    std::mutex mutex_;
    std::condition_variable changed_;
    bool finished_ = false;
    QStringList events_;
    QString lastClip_;
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

// A stop answered while the run is between two clips, or while the next clip's engine loads and
// has not begun converting (the engine refuses a stop then), still ends the run: that clip is
// not converted, or is stopped as soon as the engine can be stopped. The run's outcome is a stop,
// also when no clip had begun.
TEST_F(ConversionRunLoop, AStopBetweenClipsHoldsForTheRun)
{
    const struct {
        const char *why;
        int clipsBefore;   // converted in full before the stop comes
        const char *when;  // the observer's call, for the next clip, during which it comes
        int conversions;
    } cases[] = {
        {"the next clip is about to load its engine", 1, "clip starting", 1},
        {"the next clip's engine is loaded and the conversion about to begin", 1, "engine call starting", 2},
        {"the first clip is about to load its engine", 0, "clip starting", 0},
    };
    AddClips(3);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.why);
        FakeEngine::Reset();
        QDir(job.outputFolder).removeRecursively();
        FakeEngine::SetBlockConversion(true);
        ConversionRun run(job);
        RecordingObserver seen;
        const auto stopAt = [&](const QString &clip) {
            if (clip == QStringLiteral("MAQ7000%1.MP4").arg(c.clipsBefore + 1))
                run.RequestStop();
        };
        if (QLatin1String(c.when) == QLatin1String("clip starting"))
            seen.clipStarting = stopAt;
        else
            seen.engineCallStarting = stopAt;
        // The clips before the stopped one convert in full: each is released as soon as it waits.
        std::thread releaser([&] {
            for (int clip = 0; clip < c.clipsBefore; ++clip)
                if (FakeEngine::WaitUntilConverting(5000))
                    FakeEngine::ReleaseConversion();
        });
        std::atomic<int> outcome{99};
        std::thread worker([&] { outcome = run.Run(seen); });
        const bool ended = seen.WaitUntilFinished(5000);
        if (!ended)
            FakeEngine::ReleaseConversion();
        worker.join();
        releaser.join();

        EXPECT_TRUE(ended) << "the stop was lost and the clip converted to its end";
        EXPECT_EQ(outcome, RunOutcome::Stopped);
        EXPECT_EQ(int(SourcesConverted().size()), c.conversions);
        EXPECT_FALSE(run.EngineLoaded());
    }
}

// A stop that comes once the engine has returned, during a clip's thumbnail, stops nothing that
// was converting: after the last clip the run is complete, before another it ends there.
TEST_F(ConversionRunLoop, AStopAfterTheEngineReturnedEndsTheRunOnlyWhenClipsAreLeft)
{
    const struct {
        const char *why;
        const char *stoppedAfter;
        int outcome;
        int conversions;
    } cases[] = {
        {"the last clip's thumbnail: every clip is converted", "MAQ70002.MP4", RunOutcome::AllDone, 2},
        {"the first clip's thumbnail: the second is not converted", "MAQ70001.MP4", RunOutcome::Stopped, 1},
    };
    AddClips(2);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.why);
        FakeEngine::Reset();
        QDir(job.outputFolder).removeRecursively();
        ConversionRun run(job);
        RecordingObserver seen;
        seen.engineCallEnded = [&](const QString &clip) {
            if (clip == QLatin1String(c.stoppedAfter))
                run.RequestStop();
        };
        EXPECT_EQ(run.Run(seen), c.outcome);
        EXPECT_EQ(int(SourcesConverted().size()), c.conversions);
        EXPECT_EQ(int(FakeEngine::CallsTo("X_Get_Frame_JPEG").size()), c.conversions);
    }
}

// A stop before the first picture leaves no MP4 and the engine returns 0: there is nothing for a
// thumbnail to go with.
TEST_F(ConversionRunLoop, AStoppedClipThatLeftNoFileGetsNoThumbnail)
{
    AddClips(2);
    FakeEngine::SetBlockConversion(true);
    FakeEngine::SetConversionWritesOutput(false);
    ConversionRun run(job);
    std::atomic<int> outcome{99};
    std::thread worker([&] { outcome = run.Run(observer); });
    ASSERT_TRUE(FakeEngine::WaitUntilConverting(5000));
    run.RequestStop();
    worker.join();

    EXPECT_EQ(outcome, RunOutcome::Stopped);
    EXPECT_TRUE(FakeEngine::CallsTo("X_Get_Frame_JPEG").empty());
    EXPECT_FALSE(QFile::exists(Output("MAQ70001.THM")));
    EXPECT_EQ(observer.Events().last(), QStringLiteral("finished 0"));
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
