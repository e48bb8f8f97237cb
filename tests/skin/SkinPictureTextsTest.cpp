#include "NamedPicture.h"

#include <QStringList>
#include <gtest/gtest.h>

// Captions, headings and the intro's paragraphs are drawn into the pictures at build time: each
// must fit the place the picture gives it, at the font it is drawn in.
TEST(SkinPictureTexts, EveryTextDrawnIntoAPictureFitsItsPlace)
{
    PictureList pictures, doubled;
    EXPECT_EQ(SkinArt::textsThatDoNotFit([&pictures, &doubled] {
                  pictures = allPictures(1);
                  doubled = allPictures(2);
              }),
              QStringList());
    EXPECT_FALSE(pictures.isEmpty());

    // The check itself: a caption too long for its button is caught.
    const QImage background(QSize(42, 20), QImage::Format_RGB32);
    const QStringList found = SkinArt::textsThatDoNotFit([&background] {
        SkinArt::smallButton(background, SkinArt::ButtonState::Normal, SkinArt::Glyph::None,
                             QStringLiteral("Delete all"));
    });
    ASSERT_EQ(found.size(), 1);
    EXPECT_TRUE(found[0].startsWith(QStringLiteral("\"Delete all\" needs"))) << found[0].toStdString();
}
