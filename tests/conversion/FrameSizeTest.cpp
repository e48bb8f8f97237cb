#include "core/conversion/FrameSize.h"

#include "QtPrinting.h"

#include <gtest/gtest.h>

TEST(FrameSize, FitsTheSourceShapeIntoTheResolution)
{
    const struct {
        const char *why;
        const char *resolution;
        int width, height;
        bool displayAspect;
        int aspectIndex;
        const char *expected;
    } cases[] = {
        {"16:9 display of a 720x480 source into 4:3 (sw = 853)", "320:240", 720, 480, true, 1, "320:180"},
        {"4:3 source into a wider frame: width raised to a multiple of 4", "480:272", 640, 480, false, 0, "364:272"},
        {"the display aspect overrides the stored picture shape", "480:272", 720, 576, true, 0, "364:272"},
        {"same shape fills the frame", "320:240", 640, 480, false, -1, "320:240"},
        {"aspect index 4 is the source's own shape", "480:272", 1280, 720, true, 4, "480:272"},
        {"portrait source pillarboxed", "480:272", 360, 640, false, -1, "156:272"},
        {"2.21 display: the height raised to a multiple of 4", "480:272", 720, 480, true, 3, "480:220"},
        {"a raised side never passes the frame", "480:270", 481, 270, false, -1, "480:270"},
        {"only five characters of the height are read", "9999:123456", 360, 640, false, -1, "6944:12345"},
        {"letters after the height end it", "368:208px", 720, 480, true, 1, "368:208"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FrameSizeText(QString::fromLatin1(c.resolution), c.width, c.height, c.displayAspect,
                                c.aspectIndex),
                  QString::fromLatin1(c.expected))
            << c.why;
}

// Both would divide by zero; the sound answers are a full frame for a source of unknown size, and
// the resolution as read (which the engine refuses) for a resolution without a size.
TEST(FrameSize, NoHeightInTheSourceOrTheResolution)
{
    const struct {
        const char *why;
        const char *resolution;
        int width, height;
        bool displayAspect;
        const char *expected;
    } cases[] = {
        {"source without height", "480:272", 720, 0, false, "480:272"},
        {"source without height, display aspect set", "480:272", 720, 0, true, "480:272"},
        {"source without width", "480:272", 0, 480, false, "480:272"},
        {"resolution without height", "480:", 640, 480, false, "480:0"},
        {"resolution without a colon", "480", 640, 480, false, "480:0"},
        {"resolution missing from the definition file", "nodef", 640, 480, false, "0:0"},
        {"negative height", "480:-272", 640, 480, false, "480:-272"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FrameSizeText(QString::fromLatin1(c.resolution), c.width, c.height, c.displayAspect, 1),
                  QString::fromLatin1(c.expected))
            << c.why;
}
