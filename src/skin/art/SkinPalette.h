#pragma once

// The colours of the skinned windows: what the picture generator paints with and what the windows
// colour their texts, fields and rows with, so a text and the picture behind it cannot drift apart.

#include <QRgb>

namespace SkinPalette {

// Pixels of exactly this colour are cut out of a window's shape.
inline constexpr QRgb KeyColour = 0xFFFF00FF;

// Window bodies, title bars, wells and accents.
inline constexpr QRgb BodyTop = 0xFF262D37;
inline constexpr QRgb BodyBottom = 0xFF161A20;
inline constexpr QRgb TitleTop = 0xFF323B48;
inline constexpr QRgb TitleBottom = 0xFF1F252E;
inline constexpr QRgb Outline = 0xFF07090C;
inline constexpr QRgb Highlight = 0xFF4A5566;
inline constexpr QRgb WellFill = 0xFF0F1216;
inline constexpr QRgb WellEdge = 0xFF3A4352;
inline constexpr QRgb Accent = 0xFF2F8FE8;
inline constexpr QRgb AccentLight = 0xFF6DB8FF;
inline constexpr QRgb AccentDark = 0xFF1A5FA8;
inline constexpr QRgb RowStripe = 0xFF1B2028;
inline constexpr QRgb RowStripeAlt = 0xFF222833;

// Texts on the skin, and on a selected (silver) clip row.
inline constexpr QRgb Text = 0xFFE8EDF3;
inline constexpr QRgb TextDim = 0xFF98A4B3;
inline constexpr QRgb TextDisabled = 0xFF5E6875;
inline constexpr QRgb TextOnSelectedRow = 0xFF101216;
// "Seeking please wait..." and the time fields while a slider marker moves; a time field whose
// time lies outside the clip.
inline constexpr QRgb Lime = 0xFF00FF00;
inline constexpr QRgb OutOfRange = 0xFFFF0000;

// Fields and drop-down lists: light grey in the main window, a shade darker in the options dialog,
// whose profile list has a lighter button.
inline constexpr QRgb MainField = 0xFFDADADA;
inline constexpr QRgb OptionField = 0xFFD7D7D7;
inline constexpr QRgb DropDownButton = 0xFFD7D7D7;
inline constexpr QRgb ProfileDropDownButton = 0xFFE7E7E7;
inline constexpr QRgb FieldBorder = 0xFF000000;
inline constexpr QRgb DropDownArrow = 0xFF000000;

// A disabled drop-down or spin arrow: grey, over a white copy one pixel down and right.
inline constexpr QRgb DisabledArrow = 0xFF808080;
inline constexpr QRgb DisabledArrowShadow = 0xFFFFFFFF;
inline constexpr QRgb SpinArrow = 0xFF000000;

// An opaque panel, and with it a selected clip row: silver. The preview pane behind its picture.
inline constexpr QRgb PanelFill = 0xFFC0C0C0;
inline constexpr QRgb PreviewPane = 0xFF000000;
// The frame a skinned window draws while it has no skin.
inline constexpr QRgb NoSkinFrame = 0xFF000000;

// The numeric field's arrow buttons: face gradient (top, bottom) and edge, raised and pressed.
inline constexpr QRgb SpinFaceTop = 0xFFF0F4FC;
inline constexpr QRgb SpinFaceBottom = 0xFFC6D4EE;
inline constexpr QRgb SpinPressedTop = 0xFFB0C2E6;
inline constexpr QRgb SpinPressedBottom = 0xFFCCD8F0;
inline constexpr QRgb SpinEdge = 0xFF869CC4;

// What each style of the input controls brings: border, drop-down button face and arrow, and the
// tint of its slider pictures. In the order of the styles (BlueGlass, Protein, WinXP, FromThemeFile).
struct StyleColours {
    QRgb border, button, arrow, accent;
};
inline constexpr StyleColours Styles[] = {
    {0xFF3A547A, 0xFFD7D7D7, 0xFF000000, 0xFF5694DE},
    {0xFF606860, 0xFFD6DCD4, 0xFF000000, 0xFF62B07C},
    {0xFF7F9DB9, 0xFFE1EAFE, 0xFF000000, 0xFF316AC5},
    {0xFF000000, 0xFFD7D7D7, 0xFF000000, 0xFF969CA6},
};

} // namespace SkinPalette
