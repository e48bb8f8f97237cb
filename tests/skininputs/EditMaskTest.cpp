#include "EditMask.h"

#include <gtest/gtest.h>

namespace {
const QString kTimeMask = QStringLiteral("!90:00:00;1;_");

TEST(SkinInputsEditMask, TimeMaskMapsOntoQtNotation)
{
    const EditMask mask = EditMask::parse(kTimeMask);
    // Qt's digit letters are the other way round: '0' optional, '9' required.
    EXPECT_EQ(mask.qtInputMask(), QStringLiteral("09:99:99;_"));
    EXPECT_EQ(mask.blank(), QLatin1Char('_'));
    EXPECT_TRUE(mask.savesLiterals());
    using S = EditMask::Slot;
    EXPECT_EQ(mask.kinds(), QList<S>({S::Optional, S::Required, S::Literal, S::Required, S::Required,
                                      S::Literal, S::Required, S::Required}));
}

TEST(SkinInputsEditMask, ShownTextReadsBlanksAsSpacesInPlace)
{
    const EditMask mask = EditMask::parse(kTimeMask);
    const struct {
        const char *display;
        const char *text;
        int firstBlankRequired;
    } cases[] = {
        {"__:__:__", "  :  :  ", 1},
        {"_1:30:00", " 1:30:00", -1},
        {"12:_5:00", "12: 5:00", 3},
        {"00:01:3_", "00:01:3 ", 7},
        {"99:99:99", "99:99:99", -1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.display);
        EXPECT_EQ(mask.textFromDisplay(QString::fromLatin1(c.display)), QString::fromLatin1(c.text));
        EXPECT_EQ(mask.displayFromText(QString::fromLatin1(c.text)), QString::fromLatin1(c.display));
        EXPECT_EQ(mask.firstBlankRequired(QString::fromLatin1(c.display)), c.firstBlankRequired);
    }
    EXPECT_EQ(mask.displayFromText(QString()), QStringLiteral("__:__:__"));
}

TEST(SkinInputsEditMask, LiteralsEscapesAndUnsavedLiterals)
{
    // 'A' escaped is a literal, and a literal Qt would read as a mask letter; '_' is a space.
    const EditMask mask = EditMask::parse(QStringLiteral(">\\A_LL-#0;0;*"));
    EXPECT_EQ(mask.qtInputMask(), QStringLiteral(">\\A AA-#9;*"));
    EXPECT_FALSE(mask.savesLiterals());
    EXPECT_EQ(mask.blank(), QLatin1Char('*'));
    EXPECT_EQ(mask.textFromDisplay(QStringLiteral("A XY-*7")), QStringLiteral("XY 7"));
    EXPECT_EQ(mask.displayFromText(QStringLiteral("XY 7")), QStringLiteral("A XY-*7"));
}

TEST(SkinInputsEditMask, EmptyMaskMeansPlainText)
{
    const EditMask mask = EditMask::parse(QString());
    EXPECT_TRUE(mask.isEmpty());
    EXPECT_TRUE(mask.qtInputMask().isEmpty());
}
}
