#pragma once

// The drawing kit behind every skin and button picture: one font, and the shapes (window body,
// title bar, wells, fields, button faces, glyphs) that the windows are made of, in the windows'
// palette, so all windows look alike.

#include "skin/art/SkinPalette.h"
#include "skin/art/SkinPictureNames.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>

#include <functional>

class QPainter;

namespace SkinArt {

// The palette and the button states are the windows' too.
namespace Colour = SkinPalette;
using SkinPalette::KeyColour;
using SkinPictureName::AllButtonStates;
using SkinPictureName::ButtonState;
using SkinPictureName::stateName;

enum class Glyph { None, Add, Remove, Clear, Option, Help, Minimise, Close, Folder, Camera, Play,
                   Stop, Upload };

QFont font(int pixelSize, bool bold = false);

// Every picture is drawn twice: at the windows' own size, and at twice that size for screens that
// show two pixels per window pixel. Drawing code works in window pixels on a canvas() or a part()
// of another picture; the painter doubles everything on a 2x picture, so texts, shapes and edges
// come out sharp instead of scaled up. While a DrawingScale lives, canvases are made at its scale.
class DrawingScale {
public:
    explicit DrawingScale(int scale);
    ~DrawingScale();
    DrawingScale(const DrawingScale &) = delete;
    DrawingScale &operator=(const DrawingScale &) = delete;

private:
    int previous_;
};
int drawingScale();
// A transparent picture of `size` window pixels at the drawing scale.
QImage canvas(QSize size, QImage::Format format = QImage::Format_ARGB32_Premultiplied);
// A picture's size and rectangle in window pixels.
QSize sizeOf(const QImage &picture);
QRectF areaOf(const QImage &picture);
// The part of a picture under rect (in window pixels), at the picture's scale.
QImage part(const QImage &picture, const QRect &rect);

// A window skin: rounded dark body with a hard edge on transparency (every pixel is either opaque
// or fully transparent, so the window's shape and its look agree), outline, title bar with the
// product mark and the title. Content is drawn on top by the caller.
QImage windowSkin(QSize size, int cornerRadius, int titleBarHeight, const QString &title);

// A sunken dark area (preview pane, list, info block).
void drawWell(QPainter &painter, const QRect &rect, int radius = 6);
// A raised, faintly lit group area with an optional heading in its top-left corner.
void drawGroup(QPainter &painter, const QRect &rect, const QString &heading = {});
// The light field behind an edit or list box, one pixel larger than the control on each side.
void drawFieldFrame(QPainter &painter, const QRect &controlRect);
// flags: alignment and text flags (Qt::TextWordWrap for a paragraph).
void drawText(QPainter &painter, const QRect &rect, const QString &text, QRgb colour,
              int pixelSize, bool bold = false, int flags = Qt::AlignCenter);

// Every text drawn into a picture must fit its place. Runs `draw` and returns the texts it drew
// that did not, each with the size it needs and the size it has; the generator refuses them.
QStringList textsThatDoNotFit(const std::function<void()> &draw);
void drawGlyph(QPainter &painter, Glyph glyph, const QRectF &box, const QColor &colour);

// Button pictures are drawn over a copy of the skin under the button so their corners blend in.
QImage toolButton(const QImage &background, ButtonState state, Glyph glyph, const QString &caption);
QImage titleButton(const QImage &background, ButtonState state, Glyph glyph);
QImage roundButton(const QImage &background, ButtonState state, Glyph glyph, const QString &caption);
QImage smallButton(const QImage &background, ButtonState state, Glyph glyph, const QString &caption);
// A button with a flat key-coloured backdrop: its top-left pixel marks what is left out.
QImage keyedButton(QSize size, ButtonState state, Glyph glyph, const QString &caption);

} // namespace SkinArt
