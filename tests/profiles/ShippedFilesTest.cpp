#include "ProfileFixture.h"

#include "core/AppGlobals.h"
#include "core/profiles/OptionsFile.h"
#include "core/profiles/ProfileValue.h"
#include "platform/IniFile.h"

#include <QRegularExpression>

namespace {

const QString Assets = QStringLiteral(POCKETREEL_SOURCE_DIR "/assets/ini/");

bool matches(const QString &pattern, const QString &text)
{
    return QRegularExpression(QStringLiteral("^(") + pattern + QStringLiteral(")$")).match(text).hasMatch();
}

} // namespace

class ShippedFilesTest : public ProfileFilesTest {
protected:
    void SetUp() override
    {
        for (const char *name : {"PfDef.dll", "PfSetting.ini", "Option.ini"}) {
            QFile::remove(folder() + QLatin1String(name));
            ASSERT_TRUE(QFile::copy(Assets + QLatin1String(name), folder() + QLatin1String(name)));
        }
    }
};

TEST_F(ShippedFilesTest, DefinitionOffersWhatThePspPlays)
{
    FakeProfileWindow window(files);
    files.LoadVideoFormats(window, QStringLiteral("PSP"));
    ASSERT_EQ(window.formats.texts, QStringList({"h264", "mpeg4"}));

    const QStringList resolutions[] = {{"320:240", "368:208", "400:192", "480:272"}, {"320:240", "368:208"}};
    // The PSP's own manual allows MPEG-4 video up to 768 kbit/s on the memory stick.
    const int highestBitRate[] = {1500, 768};
    for (int format = 0; format < 2; ++format) {
        SCOPED_TRACE(format);
        window.formats.select(format);
        window.videoFormatChanged();
        const QString section = "PSP-" + window.formats.texts[format];
        EXPECT_EQ(files.DefinitionValue("PSP", "VideoFormat", format), window.formats.texts[format]);
        EXPECT_EQ(window.list(FormatFamily::VideoResolution).texts, resolutions[format]);
        EXPECT_EQ(window.list(FormatFamily::VideoFrameRate).texts, QStringList({"23.976", "24", "25", "29.97"}));
        EXPECT_EQ(window.list(FormatFamily::AudioVolume).texts.size(), 10);
        EXPECT_GE(window.bitRate.minimum, 100);
        EXPECT_LE(window.bitRate.maximum, highestBitRate[format]);

        // Every entry hands the engine a value it accepts.
        const struct {
            FormatFamily family;
            const char *prefix;
            const char *accepted;
        } families[] = {
            {FormatFamily::VideoResolution, "VideoResolution", "[0-9]+:[0-9]+"},
            {FormatFamily::VideoFrameRate, "VideoFrameRate", "23\\.976|24|25|29\\.97"},
            {FormatFamily::AudioBitrate, "AudioBitrate", "32|48|64|96|128"},
            {FormatFamily::AudioSampleRate, "AudioSampleRate", "24000|48000"},
            {FormatFamily::AudioVolume, "AudioVolume", "[0-9]|10"},
        };
        for (const auto &f : families) {
            const FakeChoiceList &list = window.list(f.family);
            EXPECT_GE(list.selected(), 0) << f.prefix;
            for (int n = 0; n < list.count(); ++n)
                EXPECT_TRUE(matches(f.accepted, files.DefinitionValue(section, f.prefix, n))) << f.prefix << n;
        }
        EXPECT_EQ(files.DefinitionValue(section, "AudioSampleRate", 0), QStringLiteral("48000"));
    }
}

TEST_F(ShippedFilesTest, BuiltInProfilesApplyCompletely)
{
    FakeProfileWindow window(files);
    open(window);
    ASSERT_GE(window.profiles.count(), 3);
    EXPECT_EQ(window.profiles.selected(), 0);

    const IniFile store(files.storePath());
    for (int position = 0; position < window.profiles.count(); ++position) {
        SCOPED_TRACE(window.profiles.textAt(position).toStdString());
        EXPECT_TRUE(window.profiles.textAt(position).contains(" : Video-"));
        files.ApplyProfile(window, position);
        EXPECT_NE(ProfileField(store.readString("PSP-Profile", window.profileName, "nodef"), 9), 0);
        EXPECT_GE(window.formats.selected(), 0);
        for (FormatFamily family : {FormatFamily::VideoAspect, FormatFamily::VideoResolution, FormatFamily::VideoFrameRate,
                                    FormatFamily::AudioBitrate, FormatFamily::AudioSampleRate, FormatFamily::AudioVolume})
            EXPECT_GE(window.list(family).selected(), 0) << int(family);
        EXPECT_GE(window.bitRate.value(), window.bitRate.minimum);
        EXPECT_LE(window.bitRate.value(), window.bitRate.maximum);
    }
}

TEST_F(ShippedFilesTest, OptionsNameThePspFolders)
{
    QDir(folder()).mkdir("home");
    OptionsFile options(folder() + "Option.ini", folder() + "home");
    options.LoadOptions();
    EXPECT_EQ(PSPUploadFolder, QStringLiteral("PSP/"));
    EXPECT_EQ(PSPAVCFolder, QStringLiteral("MP_ROOT/100ANV01/"));
    EXPECT_EQ(PSPMP4Folder, QStringLiteral("MP_ROOT/100MNV01/"));
    EXPECT_EQ(i_MinDurationTime, -1);
    EXPECT_EQ(g_s_OutputFolder, folder() + "home/OrvoOutput/PSP/");
    const QStringList filter = OpenDialogFilter.split(u'|');
    ASSERT_EQ(filter.size() % 2, 0);
    EXPECT_TRUE(filter[1].contains("*.mp4"));
    EXPECT_EQ(filter.last(), QStringLiteral("*.*"));
}
