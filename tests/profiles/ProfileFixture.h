#pragma once

#include "FakeProfileWindow.h"

#include "core/profiles/ProfileFiles.h"
#include "ScriptedPrompts.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Two formats: h264 with three resolutions and mpeg4 with two, small enough to reason about.
inline const char *SmallDefinition = R"([PSP]
VideoFormatCount=2
VideoFormatText0=h264
VideoFormatText1=mpeg4
VideoFormatDefault=0

[PSP-h264]
VideoAspectCount=2
VideoAspectText0=4:3
VideoAspectText1=16:9
VideoAspectDefault=1
VideoResolutionCount=3
VideoResolutionText0=320:240
VideoResolutionText1=368:208
VideoResolutionText2=400:192
VideoResolutionDefault=2
VideoFrameRateCount=2
VideoFrameRateText0=25
VideoFrameRateText1=29.97
VideoFrameRateDefault=0
AudioBitrateCount=4
AudioBitrateText0=16
AudioBitrateText1=32
AudioBitrateText2=48
AudioBitrateText3=64
AudioBitrateValue3=64000
AudioBitrateDefault=1
AudioSampleRateCount=3
AudioSampleRateText0=24
AudioSampleRateText1=32
AudioSampleRateText2=48
AudioSampleRateDefault=0
AudioVolumeMin=0
AudioVolumeMax=9
AudioVolumeStep=1
AudioVolumeDefault=0
VideoBitRateMin=100
VideoBitRateMax=1600
VideoBitRateDefault=812
VideoBitRateStep=4

[PSP-mpeg4]
VideoResolutionCount=2
VideoResolutionText0=320:240
VideoResolutionText1=368:208
VideoResolutionDefault=0
VideoFrameRateCount=1
VideoFrameRateText0=25
VideoFrameRateDefault=0
AudioBitrateCount=1
AudioBitrateText0=64
AudioBitrateDefault=0
AudioSampleRateCount=1
AudioSampleRateText0=48
AudioVolumeCount=3
AudioVolumeText0=0
AudioVolumeText1=1
AudioVolumeText2=2
AudioVolumeDefault=2
VideoBitRateMin=200
VideoBitRateMax=700
VideoBitRateDefault=500
)";

class ProfileFilesTest : public ::testing::Test {
protected:
    QString folder() const { return dir.path() + u'/'; }

    void write(const QString &name, const QByteArray &text)
    {
        QFile file(folder() + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
    }

    QByteArray read(const QString &name) const
    {
        QFile file(folder() + name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    void writeDefinition(const QByteArray &text = SmallDefinition) { write(QStringLiteral("PfDef.dll"), text); }
    void writeStore(const QByteArray &text) { write(QStringLiteral("PfSetting.ini"), text); }
    QByteArray store() const { return read(QStringLiteral("PfSetting.ini")); }

    // Loads formats and profiles as the windows do when they open.
    void open(FakeProfileWindow &window)
    {
        files.LoadVideoFormats(window, QStringLiteral("PSP"));
        files.LoadProfileList(window);
    }

    QTemporaryDir dir;
    ScriptedPrompts prompts;
    ProfileFiles files{folder(), prompts};
};
