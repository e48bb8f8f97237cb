#include "skin/inputs/StylePictures.h"

#include "skin/SkinPictures.h"
#include "skin/art/SkinPictureNames.h"

namespace N = SkinPictureName;

namespace {
SkinPicture trackBarPicture(UIStyle style, const char *suffix)
{
    return skinPicture(QLatin1String(N::TrackBarPrefix) + QLatin1String(N::StyleNames[int(style)])
                       + QLatin1String(suffix));
}
}

SkinPicture trackBarBarPicture(UIStyle style)
{
    return trackBarPicture(style, N::TrackBarBarSuffix);
}

SkinPicture trackBarThumbPicture(UIStyle style)
{
    return trackBarPicture(style, N::TrackBarThumbSuffix);
}

SkinPicture comboXPButtonPicture()
{
    return skinPicture(QLatin1String(N::ComboXPButton));
}
