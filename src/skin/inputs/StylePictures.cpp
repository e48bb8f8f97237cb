#include "skin/inputs/StylePictures.h"

#include "skin/SkinPictures.h"
#include "skin/art/SkinPictureNames.h"

namespace N = SkinPictureName;

namespace {
QImage trackBarPicture(UIStyle style, const char *suffix)
{
    return skinPicture(QLatin1String(N::TrackBarPrefix) + QLatin1String(N::StyleNames[int(style)])
                       + QLatin1String(suffix));
}
}

QImage trackBarBarPicture(UIStyle style)
{
    return trackBarPicture(style, N::TrackBarBarSuffix);
}

QImage trackBarThumbPicture(UIStyle style)
{
    return trackBarPicture(style, N::TrackBarThumbSuffix);
}

QImage comboXPButtonPicture()
{
    return skinPicture(QLatin1String(N::ComboXPButton));
}
