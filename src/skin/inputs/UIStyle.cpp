#include "UIStyle.h"

UIStyleColors uiStyleColors(UIStyle style)
{
    switch (style) {
    case UIStyle::BlueGlass:
        return {QColor(58, 84, 122), QColor(215, 215, 215), Qt::black, QColor(86, 148, 222)};
    case UIStyle::Protein:
        return {QColor(96, 104, 96), QColor(214, 220, 212), Qt::black, QColor(98, 176, 124)};
    case UIStyle::WinXP:
        return {QColor(127, 157, 185), QColor(225, 234, 254), Qt::black, QColor(49, 106, 197)};
    case UIStyle::FromThemeFile:
        break;
    }
    return {Qt::black, QColor(215, 215, 215), Qt::black, QColor(150, 156, 166)};
}
