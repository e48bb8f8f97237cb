#include "ProbeCommand.h"
#include "QtPrinting.h"

#include <QJsonDocument>
#include <gtest/gtest.h>

namespace {

EngineFileInfo Info(int width, int height, int aspectCode, bool squarePixels)
{
    EngineFileInfo info{};
    info.duration = 95;
    info.frameRate = 29.97f;
    info.videoBitRate = 1500.456f;
    info.width = width;
    info.height = height;
    info.aspectCode = aspectCode;
    info.sampleRate = 48000;
    info.audioBitRate = 192.0f;
    info.flag = squarePixels ? 1 : 0;
    return info;
}

} // namespace

TEST(ProbeReport, DisplayAspectIsTheEnginesForNonSquarePixelsElseThePictures)
{
    const struct {
        EngineFileInfo info;
        const char *text;
    } cases[] = {
        {Info(720, 480, 3, false), "16:9"},   {Info(720, 576, 2, false), "4:3"},
        {Info(720, 480, 4, false), "2.21:1"}, {Info(720, 480, 1, false), "1:1"},
        {Info(1280, 720, 3, true), "16:9"},   {Info(720, 480, 2, true), "3:2"},
        {Info(327, 245, 0, true), "327:245"}, {Info(0, 0, 0, true), "unknown"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(DisplayAspectText(c.info), QLatin1String(c.text)) << c.text;
}

TEST(ProbeReport, JsonCarriesEveryFactInNumbersAndTheTextSaysTheSame)
{
    const EngineFileInfo anamorphic = Info(720, 480, 3, false);
    const QJsonObject json = ProbeJson("dvd.vob", anamorphic);
    EXPECT_EQ(QJsonDocument(json).toJson(QJsonDocument::Compact),
              QByteArray(R"({"audioBitRate":192,"displayAspect":"16:9","displayAspectRatio":1.7778,"duration":95,)"
                         R"("file":"dvd.vob","frameRate":29.97,"height":480,"sampleRate":48000,)"
                         R"("squarePixels":false,"videoBitRate":1500.46,"width":720})"));
    EXPECT_EQ(ProbeText("dvd.vob", anamorphic),
              "dvd.vob\n"
              "  length:          00:01:35 (95 s)\n"
              "  picture:         720 x 480, display 16:9 (pixels not square)\n"
              "  frame rate:      29.97 fps\n"
              "  video bit rate:  1500.46 kbit/s\n"
              "  audio:           192.00 kbit/s, 48000 Hz");

    EngineFileInfo silent = Info(320, 240, 0, true);
    silent.sampleRate = 0;
    silent.audioBitRate = 0;
    EXPECT_TRUE(ProbeText("silent.mp4", silent).endsWith("  audio:           none"));
}
