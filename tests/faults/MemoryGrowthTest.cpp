// Memory that stays behind: the engine library loaded, used for a probe and a picture and released
// a thousand times, and two hundred clips added and removed through the main window with the
// scripted engine. Resident memory may grow by less than 5 MB after a warm-up round. Measured
// only without sanitizers, whose quarantine holds freed memory on purpose.
#include "FakeEngineControl.h"
#include "FakeEngineInstall.h"
#include "ScriptedPrompts.h"
#include "TMainForm.h"
#include "TestMedia.h"
#include "TsuiImageButton.h"
#include "core/AppGlobals.h"
#include "engine/EngineLibrary.h"

#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <unistd.h>

namespace {

constexpr long long Allowed = 5ll << 20;

long long ResidentBytes()
{
    std::ifstream statm("/proc/self/statm");
    long long pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * ::sysconf(_SC_PAGESIZE);
}

// How much resident memory `rounds` more rounds add once a first round has run.
long long GrowthAfterWarmUp(int rounds, const std::function<void()> &round)
{
    round();
    const long long before = ResidentBytes();
    for (int i = 0; i < rounds; ++i)
        round();
    return ResidentBytes() - before;
}

bool Sanitized()
{
#ifdef POCKETREEL_SANITIZED
    return true;
#else
    return false;
#endif
}

} // namespace

TEST(MemoryGrowth, EngineLoadedProbedAndReleasedAThousandTimes)
{
    if (Sanitized())
        GTEST_SKIP() << "measured outside the sanitizer passes";
    const QString library = QStringLiteral(POCKETREEL_APP_DIR "/DVDEncoder.so");
    if (!QFile::exists(library) || QStandardPaths::findExecutable("ffmpeg").isEmpty())
        GTEST_SKIP() << "no engine library or no ffmpeg tool to make the source";
    const QByteArray source = QFile::encodeName(mediaPath("silent"));

    const auto cycle = [&] {
        EngineLibrary engine(library);
        ASSERT_TRUE(engine.Load(EngineLibrary::AddingEntries));
        QByteArray path = source + QByteArray(10, '\0');
        EngineFileInfo info{};
        ASSERT_EQ(engine.X_GetFileinfo_GetPic(path.data(), 10, &info), 0);
        const uint8_t *pixels = nullptr;
        int32_t second = 0;
        ASSERT_EQ(engine.X_Get_Frame(240, 180, nullptr, &pixels, &second), 0);
        ASSERT_NE(pixels, nullptr);
        engine.Release();
    };
    const long long growth = GrowthAfterWarmUp(1000, cycle);
    std::cout << "resident memory after 1000 more cycles: " << growth / 1024 << " KiB more\n";
    EXPECT_LT(growth, Allowed);
}

TEST(MemoryGrowth, TwoHundredClipsAddedAndRemovedThroughTheWindow)
{
    if (Sanitized())
        GTEST_SKIP() << "measured outside the sanitizer passes";
    FakeEngine::FakeAppFolder app;
    ASSERT_TRUE(app.IsValid());
    QTemporaryDir media;
    QStringList files;
    for (int i = 0; i < 200; ++i) {
        files.append(media.filePath(QStringLiteral("clip %1.avi").arg(i)));
        QFile(files.last()).open(QIODevice::WriteOnly);
    }
    ScriptedPrompts prompts;
    TMainForm form;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));

    const auto round = [&] {
        FakeEngine::Reset();
        FakeEngine::ProbeAnswer answer;
        answer.info = {95, 25.0f, 1500.0f, 1280, 720, 3, 48000, 0, 128.0f, 1};
        FakeEngine::SetDefaultProbeAnswer(answer);
        prompts.QueueOpenFiles(files);
        QTest::mouseClick(form.suiImageButton_OpenDir, Qt::LeftButton, {}, QPoint(5, 5));
        ASSERT_EQ(form.Clips().Count(), 200);
        QTest::mouseClick(form.suiImageButton_Clear, Qt::LeftButton, {}, QPoint(5, 5));
        ASSERT_EQ(form.Clips().Count(), 0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        prompts.ClearQuestions();
    };
    const long long growth = GrowthAfterWarmUp(3, round);
    std::cout << "resident memory after 3 more rounds of 200 clips: " << growth / 1024 << " KiB more\n";
    EXPECT_LT(growth, Allowed);
    FakeEngine::Reset();
}
