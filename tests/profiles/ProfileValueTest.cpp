#include "core/profiles/ProfileValue.h"
#include "core/profiles/VolumeSlider.h"

#include <gtest/gtest.h>

TEST(ProfilesValue, FieldsReadAsTheStoreWritesThem)
{
    struct Case {
        const char *value;
        int field;
        int expected;
    } cases[] = {
        {"1,0,2,3,768,1,0,5,0,", 5, 768},
        {"1,0,2,3,768,1,0,5,0,", 9, 0},
        {"1,0,2,3,768,1,0,5,3,", 9, 3},
        {"1,2", 1, 1},
        {"1,2", 2, 0},            // no comma after it
        {" 7 ,", 1, 7},
        {"\t-3\r,", 1, -3},
        {"+4,", 1, 4},
        {"12abc,", 1, 12},       // leading digits only
        {"abc,", 1, 0},
        {",,", 1, 0},             // empty field
        {"", 1, 0},
        {"1,2,3,", 4, 0},         // missing
        {"1,2,3,", 0, 0},
        {"99999999999,", 1, 2147483647},
        {"-99999999999,", 1, -2147483647 - 1},
        {"nodef", 9, 0},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ProfileField(QString::fromLatin1(c.value), c.field), c.expected) << c.value << " field " << c.field;
}

TEST(ProfilesValue, WrittenValueStringReadsBackFieldByField)
{
    const QString value = ProfileValueString(1, -1, 2, 3, 812, 4, 0, 9);
    EXPECT_EQ(value, QStringLiteral("1,-1,2,3,812,4,0,9,0,"));
    const int expected[] = {1, -1, 2, 3, 812, 4, 0, 9, 0};
    for (int n = 1; n <= 9; ++n)
        EXPECT_EQ(ProfileField(value, n), expected[n - 1]) << n;
}

TEST(ProfilesValue, NamesThatCannotBeKeysAreRefused)
{
    const struct {
        const char *name;
        bool accepted;
    } cases[] = {
        {"My Profile", true},
        {"  padded  ", true},
        {"h264 [fast]", true},
        {"a;b", true},
        {"", false},
        {"   ", false},
        {"a=b", false},
        {"line\nbreak", false},
        {"line\rbreak", false},
        {"[section", false},
        {";comment", false},
        {"  ;comment", false},
        {"nodef", false},
        {"NoDef", false},
        {"ProfileCount", false},
        {"profiledefault", false},
        {"ProfileText3", false},
        {"ProfileText", true},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ProfileNameProblem(QString::fromLatin1(c.name)).isEmpty(), c.accepted) << c.name;
}

TEST(ProfilesValue, VolumeSliderFollowsTheHiddenList)
{
    const QStringList zeroToNine = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
    const struct {
        QStringList entries;
        int selected;
        int minimum, maximum, position;
    } cases[] = {
        {zeroToNine, 0, 0, 9, 0},
        {zeroToNine, 4, 0, 9, 4},
        {zeroToNine, -1, 0, 9, 0},          // nothing selected: moved to the nearer end
        {{"2 dB", "4 dB", "6 dB"}, 1, 2, 6, 2}, // the index, not its number, within 2..6
        {{"5", "1"}, 0, 5, 5, 5},            // maximum never below minimum
        {{"x", "y"}, 1, 0, 0, 0},
        {{}, 3, 0, 0, 0},
    };
    for (const auto &c : cases) {
        const VolumeSliderSetting s = VolumeSliderFrom(c.entries, c.selected);
        EXPECT_EQ(s.minimum, c.minimum) << c.entries.join(',').toStdString();
        EXPECT_EQ(s.maximum, c.maximum) << c.entries.join(',').toStdString();
        EXPECT_EQ(s.position, c.position) << c.entries.join(',').toStdString();
    }
    EXPECT_EQ(VolumeLabelText(7), QStringLiteral("+ 7 db."));
}
