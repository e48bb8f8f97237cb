#pragma once

// The drawing kit behind every skin and button picture: one palette, one font, and the shapes
// (window body, title bar, wells, fields, button faces, glyphs) that the windows are made of.
// Windows that draw their own skin use these so all windows look alike.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>

class QPainter;

namespace SkinArt {

// Pixels of exactly this colour are cut out of a window's shape.
inline constexpr QRgb KeyColour = 0xFFFF00FF;

namespace Colour {
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
inline constexpr QRgb Text = 0xFFE8EDF3;
inline constexpr QRgb TextDim = 0xFF98A4B3;
inline constexpr QRgb TextDisabled = 0xFF5E6875;
inline constexpr QRgb Field = 0xFFDADADA;  // edit fields: light grey, as the time fields expect
inline constexpr QRgb RowStripe = 0xFF1B2028;
inline constexpr QRgb RowStripeAlt = 0xFF222833;
} // namespace Colour

enum class ButtonState { Normal, Hover, Down, Disabled };
inline constexpr ButtonState AllButtonStates[] = {ButtonState::Normal, ButtonState::Hover,
                                                  ButtonState::Down, ButtonState::Disabled};
// File-name suffix of a state's picture: "normal", "hover", "down", "disabled".
const char *stateName(ButtonState state);

enum class Glyph { None, Add, Remove, Clear, Option, Help, Minimise, Close, Folder, Camera, Play,
                   Stop, Upload };

QFont font(int pixelSize, bool bold = false);

// A window skin: rounded dark body with a hard edge on the key colour, outline, title bar with the
// product mark and the title. Content is drawn on top by the caller.
QImage windowSkin(QSize size, int cornerRadius, int titleBarHeight, const QString &title);

// A sunken dark area (preview pane, list, info block).
void drawWell(QPainter &painter, const QRect &rect, int radius = 6);
// A raised, faintly lit group area with an optional heading in its top-left corner.
void drawGroup(QPainter &painter, const QRect &rect, const QString &heading = {});
// The light field behind an edit or list box, one pixel larger than the control on each side.
void drawFieldFrame(QPainter &painter, const QRect &controlRect);
void drawText(QPainter &painter, const QRect &rect, const QString &text, QRgb colour,
              int pixelSize, bool bold = false, Qt::Alignment align = Qt::AlignCenter);
void drawGlyph(QPainter &painter, Glyph glyph, const QRectF &box, const QColor &colour);

// Button pictures are drawn over a copy of the skin under the button so their corners blend in.
QImage toolButton(const QImage &background, ButtonState state, Glyph glyph, const QString &caption);
QImage titleButton(const QImage &background, ButtonState state, Glyph glyph);
QImage roundButton(const QImage &background, ButtonState state, Glyph glyph, const QString &caption);
QImage smallButton(const QImage &background, ButtonState state, Glyph glyph, const QString &caption);
// A button with a flat key-coloured backdrop: its top-left pixel marks what is left out.
QImage keyedButton(QSize size, ButtonState state, Glyph glyph, const QString &caption);

} // namespace SkinArt
