#include "core/DisplayAspect.h"
#include "PictureFit.h"

#include <gtest/gtest.h>

TEST(CliplistPictureFit, FitsTheBoxAtTheDisplayAspect)
{
    struct Case {
        int aspectCode, width, height;
        bool displayAspect;
        QSize expected;
    };
    const Case cases[] = {
        {2, 720, 480, true, {240, 180}},     // 4:3 display: w = 640
        {3, 720, 480, true, {240, 136}},     // 16:9 display: 135.05 -> 135 -> 136
        {0, 640, 480, false, {240, 180}},
        {0, 352, 576, false, {112, 180}},    // g = 0.611: 110 -> 112
        {0, 1280, 720, false, {240, 136}},
        {0, 1920, 800, false, {240, 100}},
        {4, 720, 576, true, {240, 108}},     // 2.21:1 display: w = 1272, 108.68 -> 108
        {1, 720, 480, true, {180, 180}},     // 1:1 display
        {0, 480, 720, false, {120, 180}},    // portrait
        {0, 100, 100, false, {180, 180}},
        {0, 8, 6, false, {240, 180}},
        {0, 1, 1000, false, {4, 180}},       // never narrower than 4
        {0, 640, 0, false, {240, 180}},      // no picture: the whole box
        {0, 0, 0, false, {240, 180}},
        {0, 0, 480, false, {240, 180}},
        {0, -5, 480, false, {240, 180}},
    };
    for (const Case &c : cases) {
        const double aspect =
            DisplayAspectOf(AspectIndexOfCode(c.aspectCode), c.width, c.height);
        EXPECT_EQ(FitPicture(c.width, c.height, c.displayAspect, aspect), c.expected)
            << c.width << "x" << c.height << " code " << c.aspectCode;
    }
}
