#include "ProgressText.h"
#include "QtPrinting.h"

#include <gtest/gtest.h>

TEST(ProgressText, PercentSpeedElapsedAndTimeLeft)
{
    const struct {
        ConversionProgress progress;
        const char *text;
    } cases[] = {
        {{0, 0, 0, 2500, 60}, "seeking  00:00:02 elapsed"},
        {{3, 90, 0, 2500, 60}, "seeking  00:00:02 elapsed"},
        {{15, 87, 450, 10000, 60}, " 25%  87 fps  00:00:10 elapsed  00:00:30 left"},
        {{59, 87, 1770, 39000, 60}, " 98%  87 fps  00:00:39 elapsed  00:00:00 left"},
        {{60, 87, 1800, 40000, 60}, "100%  87 fps  00:00:40 elapsed"},
        // The engine may count a little past the range; a range of no length shows 0 %.
        {{62, 87, 1860, 41000, 60}, "100%  87 fps  00:00:41 elapsed"},
        {{5, 30, 150, 5000, 0}, "  0%  30 fps  00:00:05 elapsed"},
        {{0, 30, 10, 400, 60}, "  0%  30 fps  00:00:00 elapsed"},
        {{600, 25, 15000, 3600000, 7200}, "  8%  25 fps  01:00:00 elapsed  11:00:00 left"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ProgressText(c.progress), QLatin1String(c.text)) << c.text;
}
