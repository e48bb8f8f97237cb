// The command line's convert command in this process with the scripted engine, for what the real
// engine will not do on demand.
#include "CliArguments.h"
#include "ConvertCommand.h"
#include "ExitCodes.h"
#include "FakeEngineControl.h"
#include "FakeEngineInstall.h"
#include "platform/IniFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// The window's run ends at a failed clip; the command line goes on with the other files, and
// its status says that some failed. Their names stay used.
TEST(FakeEngineConvert, AFailedConversionLeavesTheOtherFilesToConvert)
{
    FakeEngine::FakeAppFolder app;
    ASSERT_TRUE(app.IsValid());
    for (const char *name : {"PfDef.dll", "PfSetting.ini"})
        ASSERT_TRUE(QFile::copy(QStringLiteral(POCKETREEL_SOURCE_DIR "/assets/ini/") + QLatin1String(name),
                                app.Path() + QLatin1String(name)));
    QTemporaryDir home, media;
    const QByteArray savedHome = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(home.path()));
    FakeEngine::Reset();
    FakeEngine::ProbeAnswer probe;
    probe.info = {20, 25.0f, 1500.0f, 640, 480, 0, 44100, 0, 128.0f, 1};
    FakeEngine::SetDefaultProbeAnswer(probe);
    FakeEngine::SetConversionResult(-1);

    ConvertRequest request;
    request.quiet = true;
    request.outputFolder = media.filePath("out");
    for (const char *name : {"first.avi", "second.avi"}) {
        request.files << media.filePath(QLatin1String(name));
        QFile(request.files.last()).open(QIODevice::WriteOnly);
    }
    EXPECT_EQ(RunConvert(request), ExitCode::SomeFailed);

    const auto conversions = FakeEngine::CallsTo("X_SetPar_D2PSP");
    ASSERT_EQ(conversions.size(), 2u);
    EXPECT_EQ(conversions[1].texts[0], request.files[1].toStdString());
    EXPECT_EQ(conversions[1].texts[14], (media.filePath("out") + "/MAQ70002.MP4").toStdString());
    EXPECT_TRUE(FakeEngine::CallsTo("X_Get_Frame_JPEG").empty());
    EXPECT_EQ(IniFile(app.Path() + "Option.ini").readInteger("Option", "OutputSerialNumber", 0), 3);
    FakeEngine::Reset();
    qputenv("HOME", savedHome);
}
