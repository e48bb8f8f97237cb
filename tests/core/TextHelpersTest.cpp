#include "core/AppGlobals.h"
#include "core/TextHelpers.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

TEST(CoreTextHelpers, TwoDigitsPadsOnlyBelowTen)
{
    const struct {
        int n;
        const char *text;
    } cases[] = {{0, "00"}, {7, "07"}, {9, "09"}, {10, "10"}, {59, "59"}, {123, "123"}};
    for (const auto &c : cases)
        EXPECT_EQ(TwoDigits(c.n), QLatin1String(c.text)) << c.n;
}

TEST(CoreTextHelpers, SecondsToTextWritesHoursMinutesSeconds)
{
    const struct {
        int seconds;
        const char *text;
    } cases[] = {
        {0, "00:00:00"},      {59, "00:00:59"},    {60, "00:01:00"},   {3599, "00:59:59"},
        {3725, "01:02:05"},   {86400, "24:00:00"}, {86399, "23:59:59"},
        {360000, "100:00:00"}, // hours are not cut to two digits
    };
    for (const auto &c : cases)
        EXPECT_EQ(SecondsToText(c.seconds), QLatin1String(c.text)) << c.seconds;
}

TEST(CoreAppGlobals, ProductStringsHaveTheirRequiredForms)
{
    EXPECT_FALSE(ProductName.contains(QLatin1Char(' ')));
    EXPECT_FALSE(ProductName.isEmpty());
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^ \\d+\\.\\d+\\.\\d+ Build on \\d{8}$"))
                    .match(g_s_Version)
                    .hasMatch())
        << g_s_Version.toStdString();
    EXPECT_TRUE(SupportEmail.startsWith(QLatin1String("mailto:")));
    EXPECT_FALSE(SupportEmail.contains(QLatin1Char('?')));
    EXPECT_TRUE(path_PNG.endsWith(QLatin1Char('/')));
    EXPECT_TRUE(path_PNG.startsWith(QLatin1Char('/')));
}
