// Files named on the command line: the first start adds them, a later start hands its files to the
// running one, and both go through the Add button's adding. The running instance here is this
// test process, put together as main() puts the program together, with the scripted engine; the
// later starts are the real program.
#include "CommandLine.h"
#include "FakeEngineControl.h"
#include "FakeEngineInstall.h"
#include "InstanceStart.h"
#include "OpenFilesQueue.h"
#include "ScriptedPrompts.h"
#include "TMainForm.h"
#include "mainform/cliplist/ClipAdder.h"
#include "mainform/cliplist/ClipListComponent.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <csignal>
#include <memory>

namespace {

TEST(OpenFiles, CommandLineNamesFilesBesideQtsOptions)
{
    const struct {
        QStringList arguments;
        QStringList files;
    } cases[] = {
        {{}, {}},
        {{"a.mkv", "/videos/b c.avi", "./d/../e.mp4"}, {"/work/a.mkv", "/videos/b c.avi", "/work/e.mp4"}},
        {{"-platform", "offscreen", "a.mkv", "--style", "fusion", "-reverse", "b.avi"}, {"/work/a.mkv", "/work/b.avi"}},
        {{"-style=fusion", "-qwindowtitle", "x.avi", "a.mkv"}, {"/work/a.mkv"}},
        {{"--", "-platform", "--"}, {"/work/-platform", "/work/--"}},
        {{"", "-unknown", "a.mkv"}, {"/work/a.mkv"}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FilesToOpen(c.arguments, QStringLiteral("/work")), c.files) << c.arguments.join(u' ').toStdString();
}

FakeEngine::ProbeAnswer readable()
{
    FakeEngine::ProbeAnswer answer;
    answer.info = {95, 25.0f, 1500.0f, 1280, 720, 3, 48000, 0, 128.0f, 1};
    return answer;
}

// The program as main() makes it, on a runtime folder of its own.
class OpenFilesInRunningProgram : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(app.IsValid() && runtime.isValid() && media.isValid());
        QFile::setPermissions(runtime.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        FakeEngine::Reset();
        FakeEngine::SetDefaultProbeAnswer(readable());
    }

    void TearDown() override { FakeEngine::Reset(); }

    QString lockPath() const { return runtime.filePath(QStringLiteral("PocketReel.lock")); }

    QString mediaFile(const QString &name) const
    {
        const QString path = media.filePath(name);
        QFile(path).open(QIODevice::WriteOnly);
        return path;
    }

    void start(const QStringList &arguments)
    {
        const QStringList files = FilesToOpen(arguments, media.path());
        instance = std::make_unique<InstanceStart>(QStringList{lockPath()});
        ASSERT_EQ(instance->Claim(files), std::nullopt);
        ASSERT_TRUE(instance->Listener());
        form = std::make_unique<TMainForm>();
        ClipListComponent &clipList = *form->ClipListPart();
        opening = std::make_unique<OpenFilesQueue>(
            *form, [&clipList] { return clipList.Busy(); },
            [&clipList](const QStringList &paths) { clipList.AddFiles(paths); });
        instance->Listener()->Start([this](const QStringList &paths) { opening->OpenFromAnotherStart(paths); });
        opening->Open(files);
        form->show();
    }

    QProcessEnvironment environment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        env.insert(QStringLiteral("HOME"), runtime.filePath(QStringLiteral("home")));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        return env;
    }

    // Runs the real program with these arguments from the media folder, this process's events
    // going on meanwhile; its exit status, or -1 when it did not end in time.
    int runSecondStart(const QStringList &arguments, QByteArray *errors = nullptr)
    {
        QProcess second;
        second.setProcessEnvironment(environment());
        second.setWorkingDirectory(media.path());
        second.start(QStringLiteral(POCKETREEL_EXE), arguments);
        if (!second.waitForStarted() || !QTest::qWaitFor([&] { return second.state() == QProcess::NotRunning; }, 60000))
            return -1;
        if (errors)
            *errors = second.readAllStandardError();
        return second.exitStatus() == QProcess::NormalExit ? second.exitCode() : -1;
    }

    QStringList listedPaths() const
    {
        QStringList paths;
        for (int i = 0; i < form->Clips().Count(); ++i)
            paths << form->Clips().ClipAt(i)->SourcePath();
        return paths;
    }

    FakeEngine::FakeAppFolder app;
    QTemporaryDir runtime;
    QTemporaryDir media;
    ScriptedPrompts prompts;
    std::unique_ptr<InstanceStart> instance;
    std::unique_ptr<TMainForm> form;
    std::unique_ptr<OpenFilesQueue> opening;
};

TEST_F(OpenFilesInRunningProgram, FilesOfTheStartAndOfASecondStartAllReachTheList)
{
    const QString a = mediaFile(QStringLiteral("a.avi"));
    const QString b = mediaFile(QStringLiteral("b clip.mkv"));
    const QString c = mediaFile(QStringLiteral("c.mp4"));
    const QString junk = mediaFile(QStringLiteral("notes.txt"));
    const QString d = mediaFile(QStringLiteral("-d.mov"));
    FakeEngine::SetProbeAnswer(junk.toStdString(), FakeEngine::ProbeAnswer{-1, {}});

    ASSERT_NO_FATAL_FAILURE(start({QStringLiteral("-platform"), QStringLiteral("offscreen"), a, QStringLiteral("b clip.mkv")}));
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->Clips().Count() == 2; }, 10000)) << form->Clips().Count();
    EXPECT_EQ(form->Clips().CurrentClip(), form->Clips().ClipAt(0));

    // Relative names, from the second start's own folder; the one the engine cannot read is
    // reported in the Add button's one message.
    EXPECT_EQ(runSecondStart({QStringLiteral("c.mp4"), junk, QStringLiteral("--"), QStringLiteral("-d.mov")}), 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->Clips().Count() == 4; }, 10000)) << form->Clips().Count();
    EXPECT_EQ(listedPaths(), QStringList({a, b, c, d}));
    EXPECT_EQ(prompts.TextsOf(ScriptedPrompts::Kind::Information), QStringList{ClipAdder::RejectedMessage + junk + u'\n'});
    // As after the Add button: the selection stays where it was.
    EXPECT_EQ(form->Clips().CurrentClip(), form->Clips().ClipAt(0));

    // With no files, a second start still ends as the single-instance rule says.
    EXPECT_EQ(runSecondStart({}), 255);
    EXPECT_EQ(form->Clips().Count(), 4);
}

// A run's window is modal and its clips must not change under it; a message or dialog is modal
// too. Files that come meanwhile wait until it closes.
TEST_F(OpenFilesInRunningProgram, FilesWaitWhileAModalWindowIsOpen)
{
    ASSERT_NO_FATAL_FAILURE(start({}));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    QDialog modal(form.get());
    modal.setWindowModality(Qt::ApplicationModal);
    modal.show();

    EXPECT_EQ(runSecondStart({mediaFile(QStringLiteral("a.avi"))}), 0);
    QTest::qWait(600);
    EXPECT_EQ(form->Clips().Count(), 0);

    modal.close();
    EXPECT_TRUE(QTest::qWaitFor([&] { return form->Clips().Count() == 1; }, 10000));
}

// An instance that ended without cleaning up leaves its lock and socket behind: the next start
// takes both over and takes the files of the starts after it.
TEST_F(OpenFilesInRunningProgram, AStartAfterACrashTakesTheSocketOver)
{
    QProcess crashed;
    crashed.setProcessEnvironment(environment());
    crashed.start(QStringLiteral(POCKETREEL_EXE), {});
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(runtime.filePath(QStringLiteral("PocketReel.socket"))); }, 30000));
    ::kill(pid_t(crashed.processId()), SIGKILL);
    ASSERT_TRUE(crashed.waitForFinished());
    ASSERT_TRUE(QFile::exists(runtime.filePath(QStringLiteral("PocketReel.socket"))));

    ASSERT_NO_FATAL_FAILURE(start({mediaFile(QStringLiteral("a.avi"))}));
    EXPECT_EQ(runSecondStart({mediaFile(QStringLiteral("b.avi"))}), 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return form->Clips().Count() == 2; }, 10000)) << form->Clips().Count();
}

// A running instance that takes no files (one made before it could, or one that cannot make its
// socket): the start says so and fails instead of dropping the files silently.
TEST(OpenFilesRefused, ASecondStartWhoseFilesNobodyTakesFails)
{
    QTemporaryDir runtime;
    ASSERT_TRUE(runtime.isValid());
    QFile::setPermissions(runtime.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    SingleInstance running({runtime.filePath(QStringLiteral("PocketReel.lock"))});
    ASSERT_EQ(running.TryAcquire(), SingleInstance::Claim::Held);

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QProcess second;
    second.setProcessEnvironment(env);
    second.start(QStringLiteral(POCKETREEL_EXE), {QStringLiteral("/videos/a.avi")});
    ASSERT_TRUE(second.waitForFinished(60000));
    EXPECT_EQ(second.exitCode(), 1);
    EXPECT_TRUE(second.readAllStandardError().contains("runs already and takes no files"));
    EXPECT_TRUE(second.readAllStandardOutput().isEmpty());
}

} // namespace
