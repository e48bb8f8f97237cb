// The engine's reading of the program's texts and of the PSP limits, without media.
#include "CodecOptions.h"
#include "ConversionSettings.h"
#include "DecoderOptions.h"
#include "EncoderOptions.h"
#include "PspMuxer.h"
#include "TextEncoding.h"

#include <gtest/gtest.h>

TEST(EngineValues, FrameRateTexts)
{
    struct Case {
        const char *text;
        int num, den; // 0/0 = refused
    };
    const Case cases[] = {{"23.976", 24000, 1001}, {"23.97", 24000, 1001}, {"29.97", 30000, 1001}, {"25", 25, 1},
                          {" 24 ", 24, 1},         {"12.5", 25, 2},       {"0", 0, 0},            {"31", 0, 0},
                          {"fast", 0, 0},          {"", 0, 0},            {"25fps", 0, 0}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        const auto rate = parseFrameRate(c.text);
        ASSERT_EQ(rate.has_value(), c.num != 0);
        if (rate) {
            EXPECT_EQ(rate->num, c.num);
            EXPECT_EQ(rate->den, c.den);
        }
    }
    EXPECT_FALSE(parseFrameRate(nullptr).has_value());
}

TEST(EngineValues, LevelsFollowPictureRateAndBitRate)
{
    ConversionSettings s;
    s.frameRate = {30000, 1001};
    struct Case {
        int width, height, kbps;
        int h264, mpeg4;
    };
    const Case cases[] = {
        {480, 272, 768, 21, 4}, {320, 240, 300, 21, 3}, {368, 208, 1500, 21, 4},
        {720, 480, 2000, 30, 5}, {480, 272, 6000, 30, 5}, {720, 576, 12000, 0, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << "x" << c.height << " " << c.kbps);
        s.width = c.width;
        s.height = c.height;
        s.videoKbps = c.kbps;
        EXPECT_EQ(h264Level(s), c.h264);
        EXPECT_EQ(mpeg4Level(s), c.mpeg4);
    }
}

TEST(EngineValues, TitleKeepsWhatThePspCanStore)
{
    EXPECT_EQ(pspTitle("Holiday 2024"), "Holiday 2024");
    EXPECT_EQ(pspTitle("\xC3\xA9t\xC3\xA9 \xE6\x97\xA5\xE6\x9C\xAC"), "\xC3\xA9t\xC3\xA9 \xE6\x97\xA5\xE6\x9C\xAC");
    EXPECT_EQ(pspTitle("cat \xF0\x9F\x90\x88!"), "cat ?!");           // outside the BMP
    EXPECT_EQ(pspTitle("caf\xE9"), "caf?");                            // Latin-1, not UTF-8
    EXPECT_EQ(pspTitle("cut \xE6\x97"), "cut ??");                     // cut inside a character
    EXPECT_EQ(pspTitle("\xC0\xAF/"), "?/");                            // overlong encoding
}

TEST(EngineValues, SettingsRefuseWhatTheEngineCannotUse)
{
    ConversionTexts t{"/in.avi", "0",     "5",     "48000",  "1:1",     "h264", "768", "96", "364:272",
                      "480:272", "Title", "29.97", "0",      "-1",      "/out/M.MP4", "3", "0"};
    const auto s = readConversionSettings(t);
    ASSERT_TRUE(s.has_value());
    EXPECT_EQ(s->frameWidth, 364);
    EXPECT_EQ(s->startSecond, 5);
    EXPECT_EQ(s->volumeDb, 3);
    EXPECT_EQ(s->lengthSeconds, 0);

    ConversionTexts odd = t;
    odd.frameSize = "363:999"; // beyond the resolution, odd: kept inside and even
    const auto fitted = readConversionSettings(odd);
    ASSERT_TRUE(fitted.has_value());
    EXPECT_EQ(fitted->frameWidth, 362);
    EXPECT_EQ(fitted->frameHeight, 272);

    const std::pair<const char *ConversionTexts::*, const char *> refused[] = {
        {&ConversionTexts::aspect, "4:3"},        {&ConversionTexts::resolution, "481:272"},
        {&ConversionTexts::frameSize, "0:272"},   {&ConversionTexts::audioBitRate, "nodef"},
        {&ConversionTexts::length, "-5"},         {&ConversionTexts::subtitleStream, "-2"},
        {&ConversionTexts::subtitleStream, "film.srt"}, {&ConversionTexts::subtitleStream, ""},
        {&ConversionTexts::sourcePath, ""},       {&ConversionTexts::outputPath, nullptr},
    };
    for (const auto &[field, value] : refused) {
        SCOPED_TRACE(value ? value : "null");
        ConversionTexts bad = t;
        bad.*field = value;
        EXPECT_FALSE(readConversionSettings(bad).has_value());
    }
}

TEST(EngineValues, SubtitleTextNamesAnEntryOrAFile)
{
    ConversionTexts t{"/in.mkv", "0",     "0",     "48000", "1:1",  "h264",       "768", "96", "480:272",
                      "480:272", "Title", "29.97", "001",   "-1",   "/out/M.MP4", "0",   "0"};
    const struct {
        const char *text;
        int entry;
        const char *file;
    } cases[] = {{"-1", -1, ""}, {"003", 3, ""}, {" 12 ", 12, ""}, {"/films/film.fr.srt", -1, "/films/film.fr.srt"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        t.subtitleStream = c.text;
        const auto s = readConversionSettings(t);
        ASSERT_TRUE(s.has_value());
        EXPECT_EQ(s->subtitleEntry, c.entry);
        EXPECT_EQ(s->subtitleFile, c.file);
        EXPECT_EQ(s->audioStream, 1);
    }
}

// Unicode is read as it is; anything else in the code page its language was written in.
TEST(EngineValues, SubtitleFileCharacterSets)
{
    const struct {
        std::string_view bytes;
        const char *language, *encoding;
    } cases[] = {
        {"plain ASCII", "", ""},
        {"\xEF\xBB\xBF\xC3\xA9t\xC3\xA9", "", ""},                   // UTF-8 with its mark
        {"\xFF\xFE\xE9\x00", "", ""},                                // UTF-16
        {"d\xC3\xA9j\xC3\xA0 vu, \xC3\xA7" "a, d\xE9", "fr", ""},    // UTF-8 with a stray byte
        {"d\xE9j\xE0 vu", "", "CP1252"},
        {"d\xE9j\xE0 vu", "pt-BR", "CP1252"},
        {"\xCF\xF0\xE8\xE2\xE5\xF2", "RUS", "CP1251"},
        {"\xCF\xF0\xE8\xE2\xE5\xF2", "ru", "CP1251"},
        {"\xC4\xE3\xE3", "zh-Hans", "GB18030"},
        {"\xE3\xC5\xE3\xE3\xE1", "jpn", "CP932"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.bytes) + " " + c.language);
        EXPECT_EQ(legacyTextEncoding(c.bytes, c.language), c.encoding);
    }
}

// A misspelt option would otherwise be dropped without a word and silently change the work.
TEST(EngineValues, CodecsTakeEveryOptionOrRefuseToOpen)
{
    struct Case {
        const char *name;
        AVCodecID decoder;
        OptionList options;
        int expected;
    };
    const Case cases[] = {
        {"the conversion's options, H.264", AV_CODEC_ID_H264, videoDecoderOptions(), 0},
        {"the conversion's options, MPEG-2", AV_CODEC_ID_MPEG2VIDEO, videoDecoderOptions(), 0},
        {"the conversion's options, HEVC", AV_CODEC_ID_HEVC, videoDecoderOptions(), 0},
        {"an option nobody has", AV_CODEC_ID_H264, {{"skip_loop_filtre", "noref"}}, AVERROR_OPTION_NOT_FOUND},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const AVCodec *codec = avcodec_find_decoder(c.decoder);
        ASSERT_NE(codec, nullptr);
        CodecContextPtr ctx(avcodec_alloc_context3(codec));
        ASSERT_NE(ctx, nullptr);
        EXPECT_EQ(openCodec(ctx.get(), codec, c.options), c.expected);
    }
}
