#include "SpinValue.h"

#include <gtest/gtest.h>
#include <limits>

namespace {
constexpr int kIntMax = std::numeric_limits<int>::max();
constexpr int kIntMin = std::numeric_limits<int>::min();

TEST(SkinInputsSpinValue, ClampHoldsBoundsUnlessTheyAreEqual)
{
    const struct {
        qint64 value;
        int min, max, expected;
    } cases[] = {
        {50, 100, 1600, 100},  {2000, 100, 1600, 1600}, {812, 100, 1600, 812},
        {100, 100, 1600, 100}, {1600, 100, 1600, 1600},
        {-5, 0, 0, -5},        {99999, 0, 0, 99999},  // equal bounds: no limit
        {qint64(kIntMax) + 1, 0, 0, kIntMax},           // a step past the top saturates
        {qint64(kIntMin) - 1, 0, 0, kIntMin},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.value << " in " << c.min << ".." << c.max);
        EXPECT_EQ(clampSpinValue(c.value, c.min, c.max), c.expected);
    }
}

TEST(SkinInputsSpinValue, TextThatIsNoIntegerReadsAsMinValue)
{
    const struct {
        const char *text;
        int expected;
    } cases[] = {
        {"812", 812}, {"-40", -40}, {" 812 ", 812}, {"", 100},
        {"abc", 100}, {"8a1", 100}, {"12.5", 100}, {"-", 100}, {"--5", 100},
        // A number too large for the field is still a number: it reads as the largest there is.
        {"99999999999", kIntMax}, {"-99999999999", kIntMin}, {"99999999999999999999999999", kIntMax},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(spinValueFromText(QString::fromLatin1(c.text), 100), c.expected);
    }
}

TEST(SkinInputsSpinValue, TypedCharacters)
{
    // Delete arrives as 0x7F on X11: a control character like Backspace.
    for (const char c : {'0', '5', '9', '-', '\b', '\x03', '\x16', '\x1b', '\x7f'})
        EXPECT_TRUE(spinAcceptsCharacter(QLatin1Char(c))) << int(c);
    for (const char c : {'a', 'Z', ' ', '+', '.', ',', '\r'})
        EXPECT_FALSE(spinAcceptsCharacter(QLatin1Char(c))) << int(c);
    EXPECT_FALSE(spinAcceptsCharacter(QChar(0x0663)));  // a non-ASCII digit
}
}
