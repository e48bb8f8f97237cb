// The output folder fails the run through the conversion window, with the real engine: it fills
// up, it is read-only, or it is removed while the first clip converts. Each time the run ends with
// the error box after the first clip, nothing partial is left, the sources are untouched, and
// standard error says why.
#include "ModalRun.h"
#include "PrivateMounts.h"
#include "RealEngineWindow.h"
#include "ScriptedPrompts.h"
#include "StderrCapture.h"
#include "TProcessForm.h"
#include "TsuiImageButton.h"

#include <QDir>
#include <QLabel>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

using Kind = ScriptedPrompts::Kind;

struct OutputFault {
    const char *what;
    const char *reason; // what standard error must name
    // Before the run: makes the fault (or what it needs) and says why it cannot, if it cannot.
    std::function<std::string(const QString &folder, std::shared_ptr<void> &held)> before;
    // While the first clip converts.
    std::function<void(const QString &folder)> during;
};

template <typename Mount, typename... Args>
std::string Hold(std::shared_ptr<void> &held, Args &&...args)
{
    auto mount = std::make_shared<Mount>(std::forward<Args>(args)...);
    held = mount;
    return mount->Failure();
}

} // namespace

TEST(FaultOutput, AFullReadOnlyOrRemovedFolderEndsTheRunAfterItsClipWithTheErrorBox)
{
    if (const auto why = RealEngineMissing())
        GTEST_SKIP() << *why;
    if (const std::string why = EnterPrivateMountNamespace(); !why.empty())
        GTEST_SKIP() << why;

    const OutputFault faults[] = {
        {"the volume fills up", "No space left on device",
         [](const QString &folder, std::shared_ptr<void> &held) { return Hold<SmallTmpfs>(held, folder, 96 * 1024); },
         {}},
        {"the folder is read-only", "Read-only file system",
         [](const QString &folder, std::shared_ptr<void> &held) { return Hold<ReadOnlyMount>(held, folder); },
         {}},
        {"the folder is removed", "No such file or directory",
         [](const QString &, std::shared_ptr<void> &) { return std::string(); },
         [](const QString &folder) { QDir(folder).removeRecursively(); }},
    };
    for (const OutputFault &fault : faults) {
        SCOPED_TRACE(fault.what);
        QTemporaryDir sources, root;
        const QString output = root.filePath("out/");
        ASSERT_TRUE(QDir().mkpath(output));
        std::shared_ptr<void> held;
        if (const std::string why = fault.before(output, held); !why.empty()) {
            std::cout << "[  SKIPPED ] " << fault.what << ": " << why << '\n';
            continue;
        }
        const ConversionJob job = RealEngineJob(sources, output, {"long", "avi"});
        const QByteArray sourceDigests[] = {Digest(job.clips[0].sourcePath), Digest(job.clips[1].sourcePath)};

        ScriptedPrompts prompts;
        TProcessForm form;
        QString lastClip;
        StderrCapture errors;
        WhileShown(form, [&] {
            if (fault.during) {
                // The engine has begun writing once it lets the running clip be stopped.
                ASSERT_TRUE(QTest::qWaitFor([&] {
                    return (form.Timer_Info.isActive() && form.suiImageButton_StopConvert->isEnabled())
                        || !form.RunInProgress();
                }, 60000));
                fault.during(output);
            }
            ASSERT_TRUE(QTest::qWaitFor([&] { return !form.RunInProgress(); }, 120000));
            lastClip = form.Label_TitleName->text();
        });
        form.ShowRun(job);

        EXPECT_EQ(prompts.TextsOf(Kind::Error),
                  QStringList{QStringLiteral("Conversion wrong, please check parameter and try again!")});
        EXPECT_EQ(lastClip, job.clips[0].sourcePath) << "the second clip was attempted";
        EXPECT_EQ(QDir(output).entryList(QDir::Files | QDir::Hidden), QStringList()) << "something was left";
        EXPECT_EQ(Digest(job.clips[0].sourcePath), sourceDigests[0]);
        EXPECT_EQ(Digest(job.clips[1].sourcePath), sourceDigests[1]);
        const QByteArray said = errors.Text();
        EXPECT_TRUE(said.contains(fault.reason)) << said.toStdString();
        EXPECT_TRUE(said.contains(QFile::encodeName(job.clips[0].sourcePath))) << said.toStdString();
    }
}
