#include "SkinShape.h"
#include "TsuiSkinForm.h"

#include <QImage>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

constexpr QRgb Key = qRgb(255, 0, 255);

// 6 x 4: row 0 has a hole in the middle, row 1 is all key colour, row 2 has key pixels at both
// ends, row 3 is all skin. A run touching the last column must include it.
QImage testSkin()
{
    const char *rows[] = {"##..##", "......", ".####.", "######"};
    QImage image(6, 4, QImage::Format_RGB32);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x)
            image.setPixel(x, y, rows[y][x] == '.' ? Key : qRgb(10, 20, 30));
    return image;
}

TEST(SkinShape, RegionIsTheUnionOfNonKeyRuns)
{
    const QRegion region = skinRegion(testSkin(), Key);
    QRegion expected;
    expected += QRect(0, 0, 2, 1);
    expected += QRect(4, 0, 2, 1);
    expected += QRect(1, 2, 4, 1);
    expected += QRect(0, 3, 6, 1);
    EXPECT_EQ(region, expected);
}

TEST(SkinShape, ColourCloseToTheKeyStaysInTheShape)
{
    QImage image(3, 1, QImage::Format_RGB32);
    image.setPixel(0, 0, Key);
    image.setPixel(1, 0, qRgb(254, 0, 255));
    image.setPixel(2, 0, Key);
    EXPECT_EQ(skinRegion(image, Key), QRegion(1, 0, 1, 1));
}

TEST(SkinShape, AnotherKeyColourCutsOtherPixels)
{
    const QRegion region = skinRegion(testSkin(), qRgb(10, 20, 30));
    QRegion expected;
    expected += QRect(2, 0, 2, 1);
    expected += QRect(0, 1, 6, 1);
    expected += QRect(0, 2, 1, 1);
    expected += QRect(5, 2, 1, 1);
    EXPECT_EQ(region, expected);
}

TEST(TsuiSkinForm, WindowTakesTheSkinsSizeShapeAndNoFrame)
{
    QWidget window;
    window.resize(300, 200);
    TsuiSkinForm skin(&window);
    EXPECT_TRUE(window.windowFlags() & Qt::FramelessWindowHint);

    int changes = 0;
    QObject::connect(&skin, &TsuiSkinForm::regionChanged, [&] { ++changes; });
    skin.setGlyph(testSkin());
    EXPECT_EQ(window.size(), QSize(6, 4));
    EXPECT_EQ(skin.geometry(), QRect(0, 0, 6, 4));
    EXPECT_EQ(window.mask(), skinRegion(testSkin(), Key));
    // A press on a key pixel does not reach the window: it lies outside the window's shape.
    EXPECT_FALSE(window.mask().contains(QPoint(2, 0)));
    EXPECT_TRUE(window.mask().contains(QPoint(5, 0)));
    EXPECT_EQ(changes, 1);

    skin.setTransparentColor(qRgb(10, 20, 30));
    EXPECT_TRUE(window.mask().contains(QPoint(2, 1)));
    EXPECT_EQ(changes, 2);
}

TEST(TsuiSkinForm, NoSkinLeavesTheWindowAlone)
{
    QWidget window;
    window.resize(300, 200);
    TsuiSkinForm skin(&window);
    skin.setTransparentColor(qRgb(1, 2, 3));
    EXPECT_EQ(window.size(), QSize(300, 200));
    EXPECT_TRUE(window.mask().isEmpty());
}

TEST(TsuiSkinForm, PaintsTheSkinUnscaled)
{
    QWidget window;
    TsuiSkinForm skin(&window);
    skin.setGlyph(testSkin());
    const QImage shot = skin.grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shot.size(), QSize(6, 4));
    EXPECT_EQ(shot.pixel(0, 0), qRgb(10, 20, 30));
    EXPECT_EQ(shot.pixel(2, 0), Key);
}

} // namespace
