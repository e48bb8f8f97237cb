#include "core/AppGlobals.h"
#include "core/ClipList.h"
#include "core/conversion/ClipJobs.h"

#include <QFile>
#include <QTemporaryDir>
#include "QtPrinting.h"

#include <gtest/gtest.h>

namespace {

// A definition file with a Value key, a Text key only, and a family missing altogether.
const char Definition[] = R"([PSP]
VideoFormatCount=2
VideoFormatText0=h264
VideoFormatValue0=h264
VideoFormatText1=MPEG-4 (older players)
VideoFormatValue1=mpeg4
[PSP-MPEG-4 (older players)]
VideoResolutionCount=2
VideoResolutionText0=320:240
VideoResolutionText1=Wide
VideoResolutionValue1=368:208
VideoFrameRateCount=1
VideoFrameRateText0=29.97
AudioSampleRateCount=2
AudioSampleRateText0=48
AudioSampleRateValue0=48000
AudioSampleRateText1=24
AudioSampleRateValue1=24000
)";

class RunJob : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        saved = {path_PNG, g_s_OutputFolder, i_MinDurationTime, i_OutputPSPSerialNumber};
        path_PNG = dir.path() + u'/';
        QFile file(path_PNG + QStringLiteral("PfDef.dll"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(Definition);
    }

    void TearDown() override
    {
        path_PNG = saved.path;
        g_s_OutputFolder = saved.output;
        i_MinDurationTime = saved.minDuration;
        i_OutputPSPSerialNumber = saved.serial;
    }

    QTemporaryDir dir;
    struct {
        QString path, output;
        int minDuration, serial;
    } saved;
};

} // namespace

TEST_F(RunJob, SettingsComeFromTheDefinitionFileOfTheChosenFormat)
{
    EncodingChoices choices;
    choices.videoFormat = 1;
    choices.videoFormatText = QStringLiteral("MPEG-4 (older players)");
    choices.resolution = 1;
    choices.frameRate = 0;
    choices.audioBitRate = 2;
    choices.videoBitRateText = QStringLiteral(" 640 ");
    choices.volume = 7;

    const RunSettings s = ResolveRunSettings(path_PNG + QStringLiteral("PfDef.dll"), choices);
    EXPECT_EQ(s.videoFormat, QStringLiteral("mpeg4"));
    EXPECT_EQ(s.resolution, QStringLiteral("368:208"));    // the Value key
    EXPECT_EQ(s.frameRate, QStringLiteral("29.97"));       // only a Text key
    EXPECT_EQ(s.audioBitRate, QStringLiteral("nodef"));    // no such family
    EXPECT_EQ(s.sampleRate, QStringLiteral("48000"));      // always entry 0
    EXPECT_EQ(s.videoBitRate, QStringLiteral("640"));
    EXPECT_EQ(s.volume, QStringLiteral("7"));

    choices.resolution = -1;  // nothing selected
    EXPECT_EQ(ResolveRunSettings(path_PNG + QStringLiteral("PfDef.dll"), choices).resolution, QStringLiteral("nodef"));
}

TEST_F(RunJob, TakesOnlyTheTickedClipsAsValuesWithTheOptions)
{
    i_OutputPSPSerialNumber = 1;
    g_s_OutputFolder = QStringLiteral("/out/PSP/");
    i_MinDurationTime = 60;
    ClipList clips;
    for (int i = 0; i < 5; ++i) {
        auto clip = std::make_unique<TVideoInfo>();
        clip->SetSourcePath(QStringLiteral("/v/clip%1.avi").arg(i));
        clip->SetDuration(100);
        clip->SetStartTime(i);
        clip->SetEndTime(50 + i);
        clip->SetVideoSize(3, 720, 480);
        clip->SetDisplayAspect(true);
        clip->SetAudioStreams(QStringList{QStringLiteral("main#201")});
        clip->SetTicked(i == 3);
        clips.AppendClip(std::move(clip));
    }

    const ConversionJob job = TakeConversionJob(clips, EncodingChoices{});
    ASSERT_EQ(job.clips.size(), 1);
    const ClipJob &taken = job.clips.first();
    EXPECT_EQ(taken.sourcePath, QStringLiteral("/v/clip3.avi"));
    EXPECT_EQ(taken.position, 3);
    EXPECT_EQ(taken.outputName, QStringLiteral("MAQ70004.MP4"));
    EXPECT_EQ(taken.startTime, 3);
    EXPECT_EQ(taken.endTime, 53);
    EXPECT_EQ(taken.duration, 100);
    EXPECT_EQ(taken.aspectIndex, 1);
    EXPECT_TRUE(taken.displayAspect);
    EXPECT_EQ(taken.audioStreams, QStringList{QStringLiteral("main#201")});
    EXPECT_EQ(job.outputFolder, QStringLiteral("/out/PSP/"));
    EXPECT_EQ(job.minDuration, 60);
    EXPECT_EQ(job.enginePath, path_PNG + QStringLiteral("DVDEncoder.so"));
}
