#include "core/DisplayAspect.h"
#include "core/OutputNames.h"

#include <gtest/gtest.h>
#include <limits>

TEST(CoreOutputNames, SerialTextIsFourDigitsOrTheInvalidMarker)
{
    const struct {
        qint64 n;
        const char *text;
    } cases[] = {
        {-5, "8888"},  {0, "8888"},     {1, "0001"},     {9, "0009"},  {10, "0010"},
        {99, "0099"},  {100, "0100"},   {999, "0999"},   {1000, "1000"}, {9999, "9999"},
        {10000, "8888"}, {10001, "0001"}, {123456, "3456"}, {std::numeric_limits<int>::min(), "8888"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(SerialText(c.n), QLatin1String(c.text)) << c.n;
}

TEST(CoreOutputNames, OutputNameFollowsPositionSerialAndFormat)
{
    const struct {
        int position;
        int serial;
        bool firstFormat;
        const char *name;
    } cases[] = {
        {0, 1, true, "MAQ70001.MP4"},
        {1, 1, true, "MAQ70002.MP4"},
        {2, 1, false, "M4V70003.MP4"},
        {0, 0, true, "MAQ78888.MP4"},
        {0, 9999, true, "MAQ79999.MP4"},
        {1, 9999, true, "MAQ78888.MP4"},
        {2, 9999, false, "M4V70001.MP4"},
        // The sum must not overflow: INT_MAX + 1 is 2147483648, whose last four digits are 3648.
        {1, std::numeric_limits<int>::max(), true, "MAQ73648.MP4"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(OutputNameOf(c.position, c.serial, c.firstFormat), QLatin1String(c.name))
            << c.position << " " << c.serial;
}

TEST(CoreOutputNames, ThumbnailNameReplacesTheLastThreeCharacters)
{
    EXPECT_EQ(ThumbnailNameOf(QStringLiteral("M4V70003.MP4")), QLatin1String("M4V70003.THM"));
    EXPECT_EQ(ThumbnailNameOf(QStringLiteral("MAQ70001.MP4")), QLatin1String("MAQ70001.THM"));
    EXPECT_EQ(ThumbnailNameOf(QString()), QLatin1String("THM"));
}

TEST(CoreDisplayAspect, CodesMapToTableIndexesAndRatios)
{
    const struct {
        int code;
        int index;
        double ratio;
    } cases[] = {
        {1, 2, 1.0}, {2, 0, 4.0 / 3.0}, {3, 1, 16.0 / 9.0}, {4, 3, 2.21}, {0, 4, 720.0 / 480.0}, {7, 4, 720.0 / 480.0},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(AspectIndexOfCode(c.code), c.index) << c.code;
        EXPECT_DOUBLE_EQ(DisplayAspectOf(c.index, 720, 480), c.ratio) << c.code;
    }
    EXPECT_DOUBLE_EQ(DisplayAspectOf(SourceAspectIndex, 640, 0), 1.0);
}
