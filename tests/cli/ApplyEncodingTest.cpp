// The command line's encoding options against the shipped definition file and profile store.
#include "ConvertCommand.h"
#include "CliArguments.h"
#include "ProgramFiles.h"
#include "QtPrinting.h"
#include "core/AppGlobals.h"
#include "core/profiles/EncodingSelection.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using List = EncodingSelection::List;

class EncodingOptions : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(app.isValid());
        for (const char *name : {"PfDef.dll", "PfSetting.ini"})
            ASSERT_TRUE(QFile::copy(QStringLiteral(POCKETREEL_SOURCE_DIR "/assets/ini/") + QLatin1String(name),
                                    app.filePath(QLatin1String(name))));
        savedPath = path_PNG;
        path_PNG = app.path() + u'/';
    }
    void TearDown() override { path_PNG = savedPath; }

    // The refusal, or "" with the selection left as asked.
    QString Apply(const EncodingRequest &request)
    {
        selection = std::make_unique<EncodingSelection>(files);
        selection->Load();
        return ApplyEncoding(*selection, request).value_or(QString());
    }
    QString Chosen(List list, int position) const { return selection->Known(list).value(position); }

    QTemporaryDir app;
    QString savedPath;
    NoPrompts prompts;
    ProfileFiles files{app.path() + u'/', prompts};
    std::unique_ptr<EncodingSelection> selection;
};

EncodingRequest Profile(const char *name)
{
    EncodingRequest request;
    request.profile = QString::fromUtf8(name);
    return request;
}

} // namespace

TEST_F(EncodingOptions, ValuesTheDefinitionOffersAreTakenOverTheProfile)
{
    EncodingRequest mpeg4;
    mpeg4.format = "MPEG4";
    EncodingRequest custom;
    custom.resolution = "400x192";
    custom.frameRate = "25";
    custom.audioBitRate = "128";
    custom.videoBitRate = 1500;
    custom.volume = 9;
    EncodingRequest highOnMpeg4 = Profile("PSP H.264 480x272 High Quality");
    highOnMpeg4.format = "mpeg4";
    highOnMpeg4.videoBitRate = 768;
    const struct {
        const char *what;
        EncodingRequest request;
        const char *format, *resolution, *frameRate, *audio, *videoKbps;
        int volume;
    } cases[] = {
        {"the default profile", {}, "h264", "480:272", "29.97", "96", "768", 0},
        {"a profile named in other letters", Profile(" psp mpeg-4 320X240 older firmware "), "mpeg4", "320:240",
         "29.97", "96", "768", 0},
        {"another format: its defaults", mpeg4, "mpeg4", "320:240", "29.97", "96", "768", 0},
        {"every value", custom, "h264", "400:192", "25", "128", "1500", 9},
        {"a profile, then a format and a rate", highOnMpeg4, "mpeg4", "320:240", "29.97", "96", "768", 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_EQ(Apply(c.request), QString());
        const EncodingChoices choices = selection->Choices();
        EXPECT_EQ(choices.videoFormatText, QLatin1String(c.format));
        EXPECT_EQ(selection->FirstVideoFormatSelected(), choices.videoFormatText == "h264");
        EXPECT_EQ(Chosen(List::Resolution, choices.resolution), QLatin1String(c.resolution));
        EXPECT_EQ(Chosen(List::FrameRate, choices.frameRate), QLatin1String(c.frameRate));
        EXPECT_EQ(Chosen(List::AudioBitRate, choices.audioBitRate), QLatin1String(c.audio));
        EXPECT_EQ(choices.videoBitRateText, QLatin1String(c.videoKbps));
        EXPECT_EQ(choices.volume, c.volume);
    }
}

TEST_F(EncodingOptions, ValuesItDoesNotOfferAreRefusedWithTheKnownOnes)
{
    const auto with = [](auto set) {
        EncodingRequest request;
        set(request);
        return request;
    };
    const struct {
        EncodingRequest request;
        const char *refusal;
    } cases[] = {
        {Profile("Nope"), "unknown profile \"Nope\"; the profiles are:\n"
                          "* PSP H.264 480x272 Standard : Video-h264,480:272,768kbps,Audio-96kbps,48hz\n"
                          "  PSP H.264 480x272 High Quality : "},
        {with([](EncodingRequest &r) { r.format = "vp9"; }),
         "--format \"vp9\" is not offered; the video formats are: h264, mpeg4"},
        {with([](EncodingRequest &r) { r.resolution = "640:480"; }),
         "--resolution \"640:480\" is not offered; the h264 resolutions are: 320:240, 368:208, 400:192, 480:272"},
        {with([](EncodingRequest &r) { r.format = "mpeg4"; r.resolution = "480:272"; }),
         "the mpeg4 resolutions are: 320:240, 368:208"},
        {with([](EncodingRequest &r) { r.frameRate = "30"; }),
         "--fps \"30\" is not offered; the h264 frame rates are: 23.976, 24, 25, 29.97"},
        {with([](EncodingRequest &r) { r.audioBitRate = "256"; }), "the h264 audio bit rates are: 32, 48, 64, 96, 128"},
        {with([](EncodingRequest &r) { r.videoBitRate = 1600; }),
         "--video-kbps 1600 is outside the h264 range, 200 to 1500 kbit/s"},
        {with([](EncodingRequest &r) { r.format = "mpeg4"; r.videoBitRate = 1000; }),
         "--video-kbps 1000 is outside the mpeg4 range, 200 to 768 kbit/s"},
        {with([](EncodingRequest &r) { r.volume = 10; }), "--volume 10 is outside the range 0 to 9 dB"},
        {with([](EncodingRequest &r) { r.volume = -1; }), "--volume -1 is outside the range 0 to 9 dB"},
    };
    for (const auto &c : cases)
        EXPECT_TRUE(Apply(c.request).contains(QLatin1String(c.refusal))) << Apply(c.request).toStdString() << "\n" << c.refusal;

    QFile::remove(app.filePath("PfDef.dll"));
    EXPECT_EQ(Apply({}), "no video format is chosen: PfDef.dll lists none, or the profile names none");
}
