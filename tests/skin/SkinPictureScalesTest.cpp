#include "NamedPicture.h"

#include <gtest/gtest.h>

// Every picture is drawn a second time at twice the size for HiDPI screens, on the same canvas
// and with the same names, and the generator refuses a picture that missed it.
TEST(SkinPictureScales, EveryPictureIsDrawnAgainAtTwiceTheSize)
{
    const PictureList pictures = allPictures(1);
    PictureList doubled = allPictures(2);
    EXPECT_EQ(doublesThatDoNotMatch(pictures, doubled), QStringList());
    for (const NamedPicture &picture : pictures)
        EXPECT_EQ(picture.image.devicePixelRatio(), 1) << picture.name.toStdString();

    // A picture started on a plain QImage instead of a canvas stays at 1x and is caught, and so is
    // one left out.
    doubled[3].image = QImage(pictures[3].image.size(), QImage::Format_RGB32);
    doubled.removeLast();
    const QStringList found = doublesThatDoNotMatch(pictures, doubled);
    ASSERT_EQ(found.size(), 2);
    EXPECT_TRUE(found[0].contains(QStringLiteral("at 1x and"))) << found[0].toStdString();
    EXPECT_TRUE(found[1].startsWith(QLatin1Char('"') + pictures[3].name)) << found[1].toStdString();
}

// The window pixels a drawing works in, on a canvas and on a part of another picture.
TEST(SkinPictureScales, CanvasAndPartWorkInWindowPixels)
{
    const SkinArt::DrawingScale drawing(2);
    const QImage canvas = SkinArt::canvas(QSize(30, 20));
    EXPECT_EQ(canvas.size(), QSize(60, 40));
    EXPECT_EQ(SkinArt::sizeOf(canvas), QSize(30, 20));
    QImage marked = canvas;
    marked.setPixel(20, 10, qRgb(1, 2, 3));
    const QImage piece = SkinArt::part(marked, QRect(10, 5, 10, 10));
    EXPECT_EQ(SkinArt::sizeOf(piece), QSize(10, 10));
    EXPECT_EQ(piece.devicePixelRatio(), 2);
    EXPECT_EQ(piece.pixel(0, 0), qRgb(1, 2, 3));
}
