#include "core/preview/TimeText.h"

#include <gtest/gtest.h>

TEST(CoreTimeText, ParseTimeTextReadsSixDigitPositions)
{
    const struct {
        const char16_t *text;
        int seconds;
    } cases[] = {
        {u"00:00:00", 0},
        {u"01:02:03", 3723},
        {u"00:01:45", 105},
        {u"00:99:99", 6039},       // minutes and seconds are not limited to 59
        {u"99:59:59", 359999},
        {u"  :  :  ", 0},          // nothing typed
        {u" 1:30:00", 5400},       // the optional first hour digit left blank
        {u"00:0 :5 ", 50},         // a blank counts 0
        {u"12:3", 45000},          // missing positions count 0
        {u"", 0},
        {u"ab:-1:+9", 69},         // only digits count, each on its own
        {u"\u0661\u0662:00:00", 0}, // digits of other scripts are not decimal digits here
    };
    for (const auto &c : cases)
        EXPECT_EQ(ParseTimeText(QString::fromUtf16(c.text)), c.seconds) << QString::fromUtf16(c.text).toStdString();
}

TEST(CoreTimeText, RangeCheckComparesWithTheStoredTimes)
{
    // A 100-second clip from 10 to 90.
    EXPECT_TRUE(StartTimeInRange(90, 90));   // a start equal to the end
    EXPECT_TRUE(StartTimeInRange(0, 90));
    EXPECT_FALSE(StartTimeInRange(91, 90));
    EXPECT_FALSE(StartTimeInRange(-1, 90));
    EXPECT_TRUE(EndTimeInRange(10, 10, 100));  // an end equal to the start
    EXPECT_TRUE(EndTimeInRange(100, 10, 100));
    EXPECT_FALSE(EndTimeInRange(105, 10, 100)); // beyond the duration
    EXPECT_FALSE(EndTimeInRange(5, 10, 100));   // below the start
    EXPECT_FALSE(EndTimeInRange(86401, 0, 86400));
}
