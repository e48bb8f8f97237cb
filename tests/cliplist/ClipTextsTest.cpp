#include "mainform/cliplist/ClipTexts.h"

#include "abi/DVDEncoder.h"

#include <gtest/gtest.h>

TEST(CliplistTexts, PadNameCutsOrFills)
{
    EXPECT_EQ(PadName("abc", 5), "abc  ");
    EXPECT_EQ(PadName("abcdef", 3), "abc");
    EXPECT_EQ(PadName("", 2), "  ");
    EXPECT_EQ(RowNameText("Fête «été».avi"),
              QString("      Fête «été».avi") + QString(16, u' '));
    EXPECT_EQ(RowNameText(QString(40, u'x')), "      " + QString(30, u'x'));
}

TEST(CliplistTexts, InfoTextUsesTheLocaleDecimalSeparatorWithoutGrouping)
{
    EngineFileInfo info{};
    info.width = 1280;
    info.height = 720;
    info.videoBitRate = 12345.678f;
    info.frameRate = 29.97f;
    info.audioBitRate = 0.0f;
    info.sampleRate = 48000;
    EXPECT_EQ(ClipInfoText("it's a clip.mp4", info, QLocale::c()),
              "Clip Name : it's a clip.mp4\nVideo : Size 1280X720 , Bitrate 12345.68 , FPS 29.97"
              "\nAudio : Bitrate 0.00, Samplerate 48000");
    EXPECT_EQ(ClipInfoText("a", info, QLocale(QLocale::German)),
              "Clip Name : a\nVideo : Size 1280X720 , Bitrate 12345,68 , FPS 29,97"
              "\nAudio : Bitrate 0,00, Samplerate 48000");
}

TEST(CliplistTexts, InfoTextShowsTheReportedSizeEvenWhenUnknown)
{
    EngineFileInfo info{};
    info.width = 8;
    info.height = 6;
    info.frameRate = 0.5f;
    EXPECT_EQ(ClipInfoText("x", info, QLocale::c()),
              "Clip Name : x\nVideo : Size 8X6 , Bitrate 0.00 , FPS 0.50"
              "\nAudio : Bitrate 0.00, Samplerate 0");
}
