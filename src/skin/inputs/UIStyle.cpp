#include "skin/inputs/UIStyle.h"

#include "skin/art/SkinPalette.h"

UIStyleColors uiStyleColors(UIStyle style)
{
    const SkinPalette::StyleColours &colours = SkinPalette::Styles[int(style)];
    return {QColor::fromRgb(colours.border), QColor::fromRgb(colours.button), QColor::fromRgb(colours.arrow)};
}
