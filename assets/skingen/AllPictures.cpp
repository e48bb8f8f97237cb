#include "NamedPicture.h"

PictureList allPictures(int scale)
{
    const SkinArt::DrawingScale drawing(scale);
    PictureList pictures = mainFormPictures();
    pictures += optionFormPictures();
    pictures += processFormPictures();
    pictures += aboutFormPictures();
    pictures += skinKitPictures();
    return pictures;
}

QStringList doublesThatDoNotMatch(const PictureList &pictures, const PictureList &doubled)
{
    QStringList found;
    if (doubled.size() != pictures.size())
        found << QStringLiteral("%1 pictures at 1x and %2 at 2x").arg(pictures.size()).arg(doubled.size());
    for (qsizetype i = 0; i < qMin(pictures.size(), doubled.size()); ++i) {
        const NamedPicture &one = pictures[i];
        const NamedPicture &two = doubled[i];
        if (two.name != one.name)
            found << QStringLiteral("\"%1\" at 1x has \"%2\" in its place at 2x").arg(one.name, two.name);
        else if (two.image.size() != one.image.size() * 2 || two.image.devicePixelRatio() != 2)
            found << QStringLiteral("\"%1\" is %2 x %3 pixels at 1x and %4 x %5 at 2x (ratio %6), not drawn on a canvas")
                         .arg(one.name)
                         .arg(one.image.width())
                         .arg(one.image.height())
                         .arg(two.image.width())
                         .arg(two.image.height())
                         .arg(two.image.devicePixelRatio());
    }
    return found;
}
