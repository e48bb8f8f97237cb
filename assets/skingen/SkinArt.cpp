#include "SkinArt.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace SkinArt {
namespace {

QStringList *overflows = nullptr;  // collecting while textsThatDoNotFit runs

void checkFits(const QString &text, const QFont &font, const QRect &rect, int flags)
{
    if (!overflows)
        return;
    const QFontMetrics metrics(font);
    const QRect needed = metrics.boundingRect(QRect(0, 0, rect.width(), 100000), flags, text);
    // A word wider than the place sticks out of a wrapped text too.
    if (needed.width() > rect.width() || needed.height() > rect.height())
        *overflows << QStringLiteral("\"%1\" needs %2 x %3 pixels and has %4 x %5")
                          .arg(text)
                          .arg(needed.width())
                          .arg(needed.height())
                          .arg(rect.width())
                          .arg(rect.height());
}

QColor withAlpha(QRgb rgb, int alpha)
{
    QColor c = QColor::fromRgb(rgb);
    c.setAlpha(alpha);
    return c;
}

QLinearGradient vertical(qreal top, qreal bottom, QRgb from, QRgb to)
{
    QLinearGradient g(0, top, 0, bottom);
    g.setColorAt(0, QColor::fromRgb(from));
    g.setColorAt(1, QColor::fromRgb(to));
    return g;
}

int currentScale = 1;

// Turns an antialiased drawing on transparency into one with a hard edge: a pixel that is mostly
// shape becomes opaque, blended onto the backdrop, and the rest becomes `outside`. An antialiased
// edge would leave pixels that are neither shape nor hole.
QImage hardenEdge(const QImage &drawing, QRgb backdrop, QRgb outside)
{
    QImage out(drawing.size(), QImage::Format_ARGB32);
    out.setDevicePixelRatio(drawing.devicePixelRatio());
    const QImage src = drawing.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < src.height(); ++y) {
        const QRgb *in = reinterpret_cast<const QRgb *>(src.constScanLine(y));
        QRgb *dst = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < src.width(); ++x) {
            const int a = qAlpha(in[x]);
            if (a < 128) {
                dst[x] = outside;
                continue;
            }
            const int rest = 255 - a;
            dst[x] = qRgb(qRed(in[x]) + qRed(backdrop) * rest / 255,
                          qGreen(in[x]) + qGreen(backdrop) * rest / 255,
                          qBlue(in[x]) + qBlue(backdrop) * rest / 255);
        }
    }
    return out;
}

struct Face {
    QRgb top, bottom, border, text;
    int shift;  // pressed faces move their content by one pixel
};

Face faceFor(ButtonState state)
{
    switch (state) {
    case ButtonState::Hover: return {0xFF3E6FA3, 0xFF254A73, 0xFF0B1524, Colour::Text, 0};
    case ButtonState::Down: return {0xFF1B3658, 0xFF28507F, 0xFF050A12, Colour::Text, 1};
    case ButtonState::Disabled: return {0xFF2A3038, 0xFF23282F, 0xFF111419, Colour::TextDisabled, 0};
    case ButtonState::Normal: break;
    }
    return {0xFF3C4654, 0xFF262D37, 0xFF0B0E12, Colour::Text, 0};
}

void drawFace(QPainter &p, const QRectF &r, qreal radius, ButtonState state)
{
    const Face face = faceFor(state);
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    p.fillPath(path, vertical(r.top(), r.bottom(), face.top, face.bottom));
    if (state != ButtonState::Down && state != ButtonState::Disabled) {
        p.setPen(QPen(withAlpha(0xFFFFFFFF, state == ButtonState::Hover ? 70 : 45), 1));
        p.drawLine(QPointF(r.left() + radius, r.top() + 1.5), QPointF(r.right() - radius, r.top() + 1.5));
    }
    p.setPen(QPen(QColor::fromRgb(face.border), 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

// Room left between a caption and a button's edges.
constexpr int ButtonPadding = 3;

int captionWidth(const QString &caption, int pixelSize)
{
    return QFontMetrics(font(pixelSize, true)).horizontalAdvance(caption);
}

// A glyph and a caption side by side, centred on a button: the glyph's left, and the caption's
// place, as wide as all the room the caption has.
struct Beside {
    int glyphLeft;
    QRect caption;
};

Beside besideGlyph(QSize button, int glyph, int gap, int textWidth, int shift)
{
    const int room = button.width() - 2 * ButtonPadding - glyph - gap;
    const int left = (button.width() - glyph - gap - qMin(textWidth, room)) / 2 + shift;
    return {left, QRect(left + glyph + gap, shift, room, button.height())};
}

} // namespace

DrawingScale::DrawingScale(int scale) : previous_(currentScale)
{
    currentScale = scale;
}

DrawingScale::~DrawingScale()
{
    currentScale = previous_;
}

int drawingScale()
{
    return currentScale;
}

QImage canvas(QSize size, QImage::Format format)
{
    QImage image(size * currentScale, format);
    image.setDevicePixelRatio(currentScale);
    image.fill(Qt::transparent);
    return image;
}

QSize sizeOf(const QImage &picture)
{
    return picture.deviceIndependentSize().toSize();
}

QRectF areaOf(const QImage &picture)
{
    return QRectF(QPointF(0, 0), picture.deviceIndependentSize());
}

QImage part(const QImage &picture, const QRect &rect)
{
    const qreal scale = picture.devicePixelRatio();
    QImage piece = picture.copy(QRectF(QPointF(rect.topLeft()) * scale, QSizeF(rect.size()) * scale).toRect());
    piece.setDevicePixelRatio(scale);
    return piece;
}

QFont font(int pixelSize, bool bold)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

QImage windowSkin(QSize size, int cornerRadius, int titleBarHeight, const QString &title)
{
    QImage drawing = canvas(size);
    QPainter p(&drawing);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF outer(0, 0, size.width(), size.height());
    QPainterPath body;
    body.addRoundedRect(outer, cornerRadius, cornerRadius);
    p.fillPath(body, vertical(0, size.height(), Colour::BodyTop, Colour::BodyBottom));

    p.save();
    p.setClipPath(body);
    p.fillRect(QRectF(0, 0, size.width(), titleBarHeight),
               vertical(0, titleBarHeight, Colour::TitleTop, Colour::TitleBottom));
    QLinearGradient accentLine(0, 0, size.width(), 0);
    accentLine.setColorAt(0, withAlpha(Colour::Accent, 0));
    accentLine.setColorAt(0.25, withAlpha(Colour::Accent, 200));
    accentLine.setColorAt(0.75, withAlpha(Colour::AccentLight, 200));
    accentLine.setColorAt(1, withAlpha(Colour::Accent, 0));
    p.fillRect(QRectF(0, titleBarHeight, size.width(), 1), accentLine);
    p.fillRect(QRectF(0, titleBarHeight + 1, size.width(), 1), withAlpha(0xFF000000, 120));
    p.restore();

    // Product mark: a small handheld screen with a play sign.
    const QRectF mark(11, (titleBarHeight - 14) / 2.0, 22, 14);
    QPainterPath markPath;
    markPath.addRoundedRect(mark, 5, 5);
    p.fillPath(markPath, vertical(mark.top(), mark.bottom(), Colour::AccentLight, Colour::AccentDark));
    drawGlyph(p, Glyph::Play, QRectF(mark.center().x() - 4, mark.center().y() - 4, 8, 8), Qt::white);
    drawText(p, QRect(40, 0, size.width() / 2, titleBarHeight), title, Colour::Text, 13, true,
             Qt::AlignLeft | Qt::AlignVCenter);

    p.setPen(QPen(withAlpha(Colour::Highlight, 160), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(outer.adjusted(1.5, 1.5, -1.5, -1.5), cornerRadius - 1, cornerRadius - 1);
    p.setPen(QPen(QColor::fromRgb(Colour::Outline), 1.4));
    p.drawRoundedRect(outer.adjusted(0.7, 0.7, -0.7, -0.7), cornerRadius, cornerRadius);
    p.end();
    return hardenEdge(drawing, Colour::Outline, 0);
}

void drawWell(QPainter &p, const QRect &rect, int radius)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5);
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    p.fillPath(path, QColor::fromRgb(Colour::WellFill));
    p.setPen(QPen(QColor::fromRgb(0xFF050608), 1));
    p.drawPath(path);
    p.setPen(QPen(withAlpha(Colour::WellEdge, 150), 1));
    p.drawLine(QPointF(r.left() + radius, r.bottom() + 1), QPointF(r.right() - radius, r.bottom() + 1));
    p.restore();
}

void drawGroup(QPainter &p, const QRect &rect, const QString &heading)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5);
    QPainterPath path;
    path.addRoundedRect(r, 7, 7);
    p.fillPath(path, vertical(r.top(), r.bottom(), 0xFF2B3340, 0xFF20262F));
    p.setPen(QPen(withAlpha(0xFFFFFFFF, 22), 1));
    p.drawLine(QPointF(r.left() + 7, r.top() + 1), QPointF(r.right() - 7, r.top() + 1));
    p.setPen(QPen(QColor::fromRgb(0xFF0C0F13), 1));
    p.drawPath(path);
    if (!heading.isEmpty())
        drawText(p, rect.adjusted(10, 3, -10, 0), heading.toUpper(), Colour::TextDim, 9, true,
                 Qt::AlignLeft | Qt::AlignTop);
    p.restore();
}

void drawFieldFrame(QPainter &p, const QRect &controlRect)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    const QRect r = controlRect.adjusted(-1, -1, 1, 1);
    p.fillRect(r, QColor::fromRgb(0xFF07090C));
    p.fillRect(controlRect, QColor::fromRgb(Colour::MainField));
    p.setPen(QColor::fromRgb(Colour::WellEdge));
    p.drawLine(r.bottomLeft() + QPoint(1, 1), r.bottomRight() + QPoint(0, 1));
    p.restore();
}

QStringList textsThatDoNotFit(const std::function<void()> &draw)
{
    QStringList found;
    overflows = &found;
    draw();
    overflows = nullptr;
    return found;
}

void drawText(QPainter &p, const QRect &rect, const QString &text, QRgb colour, int pixelSize,
              bool bold, int flags)
{
    p.save();
    p.setFont(font(pixelSize, bold));
    checkFits(text, p.font(), rect, flags);
    p.setPen(withAlpha(0xFF000000, 140));
    p.drawText(rect.translated(0, 1), flags, text);
    p.setPen(QColor::fromRgb(colour));
    p.drawText(rect, flags, text);
    p.restore();
}

void drawGlyph(QPainter &p, Glyph glyph, const QRectF &box, const QColor &colour)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = box.width(), h = box.height();
    const qreal stroke = qMax<qreal>(1.5, qMin(w, h) / 6.5);
    QPen pen(colour, stroke, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    const QPointF c = box.center();
    switch (glyph) {
    case Glyph::None:
        break;
    case Glyph::Add:
        p.drawLine(QPointF(c.x(), box.top() + 1), QPointF(c.x(), box.bottom() - 1));
        p.drawLine(QPointF(box.left() + 1, c.y()), QPointF(box.right() - 1, c.y()));
        break;
    case Glyph::Remove:
        p.drawLine(QPointF(box.left() + 1, c.y()), QPointF(box.right() - 1, c.y()));
        break;
    case Glyph::Clear:
    case Glyph::Close: {
        const qreal in = glyph == Glyph::Close ? w * 0.22 : w * 0.15;
        p.drawLine(box.topLeft() + QPointF(in, in), box.bottomRight() - QPointF(in, in));
        p.drawLine(QPointF(box.right() - in, box.top() + in), QPointF(box.left() + in, box.bottom() - in));
        break;
    }
    case Glyph::Option: {
        const qreal outerR = qMin(w, h) / 2 - 0.5;
        QPainterPath gear;
        for (int i = 0; i < 8; ++i) {
            p.save();
            p.translate(c);
            p.rotate(i * 45);
            p.fillRect(QRectF(-stroke * 0.8, -outerR, stroke * 1.6, outerR * 0.5), colour);
            p.restore();
        }
        p.setPen(QPen(colour, stroke * 1.2));
        p.drawEllipse(c, outerR * 0.55, outerR * 0.55);
        break;
    }
    case Glyph::Help: {
        QFont f = font(int(h * 1.05), true);
        p.setFont(f);
        p.drawText(box, Qt::AlignCenter, QStringLiteral("?"));
        break;
    }
    case Glyph::Minimise:
        p.drawLine(QPointF(box.left() + w * 0.2, box.bottom() - h * 0.25),
                   QPointF(box.right() - w * 0.2, box.bottom() - h * 0.25));
        break;
    case Glyph::Folder: {
        QPainterPath folder;
        folder.moveTo(box.left(), box.top() + h * 0.15);
        folder.lineTo(box.left() + w * 0.38, box.top() + h * 0.15);
        folder.lineTo(box.left() + w * 0.48, box.top() + h * 0.3);
        folder.lineTo(box.right(), box.top() + h * 0.3);
        folder.lineTo(box.right(), box.bottom() - h * 0.05);
        folder.lineTo(box.left(), box.bottom() - h * 0.05);
        folder.closeSubpath();
        p.setPen(Qt::NoPen);
        p.fillPath(folder, colour);
        break;
    }
    case Glyph::Camera: {
        QPainterPath cam;
        cam.addRoundedRect(QRectF(box.left(), box.top() + h * 0.25, w, h * 0.7), 2, 2);
        cam.addRect(QRectF(box.left() + w * 0.32, box.top() + h * 0.1, w * 0.36, h * 0.2));
        p.setPen(Qt::NoPen);
        p.fillPath(cam.simplified(), colour);
        p.setBrush(QColor(0, 0, 0, 170));
        p.drawEllipse(QPointF(c.x(), box.top() + h * 0.6), w * 0.2, w * 0.2);
        break;
    }
    case Glyph::Play: {
        QPainterPath tri;
        tri.moveTo(box.left() + w * 0.15, box.top());
        tri.lineTo(box.right(), c.y());
        tri.lineTo(box.left() + w * 0.15, box.bottom());
        tri.closeSubpath();
        p.setPen(Qt::NoPen);
        p.fillPath(tri, colour);
        break;
    }
    case Glyph::Stop: {
        QPainterPath sq;
        sq.addRoundedRect(box, w * 0.12, h * 0.12);
        p.setPen(Qt::NoPen);
        p.fillPath(sq, colour);
        break;
    }
    case Glyph::Upload:
        p.drawLine(QPointF(c.x(), box.top() + 1), QPointF(c.x(), box.bottom() - h * 0.3));
        p.drawLine(QPointF(c.x(), box.top() + 1), QPointF(c.x() - w * 0.3, box.top() + h * 0.35));
        p.drawLine(QPointF(c.x(), box.top() + 1), QPointF(c.x() + w * 0.3, box.top() + h * 0.35));
        p.drawLine(QPointF(box.left() + 1, box.bottom() - 1), QPointF(box.right() - 1, box.bottom() - 1));
        break;
    }
    p.restore();
}

QImage toolButton(const QImage &background, ButtonState state, Glyph glyph, const QString &caption)
{
    QImage image = background.convertToFormat(QImage::Format_RGB32);
    const QSize size = sizeOf(image);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = areaOf(image).adjusted(0.5, 0.5, -0.5, -0.5);
    drawFace(p, r, 7, state);
    const Face face = faceFor(state);
    const int s = face.shift;
    const QColor glyphColour = QColor::fromRgb(state == ButtonState::Disabled ? Colour::TextDisabled
                                               : state == ButtonState::Normal ? Colour::AccentLight
                                                                              : Colour::Text);
    const int glyphSize = 12;
    const Beside place = besideGlyph(size, glyphSize, 7, captionWidth(caption, 12), s);
    drawGlyph(p, glyph, QRectF(place.glyphLeft, (size.height() - glyphSize) / 2.0 + s, glyphSize, glyphSize),
              glyphColour);
    drawText(p, place.caption, caption, face.text, 12, true, Qt::AlignLeft | Qt::AlignVCenter);
    return image;
}

QImage titleButton(const QImage &background, ButtonState state, Glyph glyph)
{
    QImage image = background.convertToFormat(QImage::Format_RGB32);
    const QSize size = sizeOf(image);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = areaOf(image).adjusted(1.5, 1.5, -1.5, -1.5);
    if (state == ButtonState::Hover || state == ButtonState::Down) {
        const bool closing = glyph == Glyph::Close;
        const QRgb fill = closing ? (state == ButtonState::Down ? 0xFFA8322A : 0xFFD9453B)
                                  : (state == ButtonState::Down ? 0xFF1E2833 : 0xFF46536A);
        QPainterPath path;
        path.addRoundedRect(r, 5, 5);
        p.fillPath(path, QColor::fromRgb(fill));
    }
    const QColor colour = QColor::fromRgb(state == ButtonState::Normal ? Colour::TextDim : Colour::Text);
    const qreal g = 10;
    const int s = state == ButtonState::Down ? 1 : 0;
    drawGlyph(p, glyph, QRectF((size.width() - g) / 2 + s, (size.height() - g) / 2 + s, g, g), colour);
    return image;
}

QImage roundButton(const QImage &background, ButtonState state, Glyph glyph, const QString &caption)
{
    QImage image = background.convertToFormat(QImage::Format_RGB32);
    const QSize size = sizeOf(image);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c = areaOf(image).center();
    const qreal radius = size.width() / 2.0 - 2;
    const int s = state == ButtonState::Down ? 1 : 0;

    // A soft ring around the button.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 150));
    p.drawEllipse(c + QPointF(0, 1), radius + 1, radius + 1);
    QLinearGradient ring(0, c.y() - radius, 0, c.y() + radius);
    ring.setColorAt(0, QColor::fromRgb(0xFF4B5666));
    ring.setColorAt(1, QColor::fromRgb(0xFF151A20));
    p.setBrush(ring);
    p.drawEllipse(c, radius, radius);

    const qreal inner = radius - 7;
    QRadialGradient core(c + QPointF(-inner * 0.3, -inner * 0.45), inner * 1.5);
    const bool lit = state == ButtonState::Hover;
    const bool down = state == ButtonState::Down;
    core.setColorAt(0, QColor::fromRgb(down ? 0xFF3C86C8 : lit ? 0xFF9AD2FF : 0xFF74BCFA));
    core.setColorAt(0.55, QColor::fromRgb(down ? 0xFF1B4E85 : lit ? 0xFF3D9BF0 : Colour::Accent));
    core.setColorAt(1, QColor::fromRgb(down ? 0xFF0E2C4D : 0xFF14487E));
    p.setBrush(core);
    p.setPen(QPen(QColor::fromRgb(0xFF081524), 1.2));
    p.drawEllipse(c + QPointF(s, s), inner, inner);

    if (!down) {
        QLinearGradient shine(0, c.y() - inner, 0, c.y());
        shine.setColorAt(0, QColor(255, 255, 255, lit ? 120 : 90));
        shine.setColorAt(1, QColor(255, 255, 255, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(shine);
        p.drawEllipse(QRectF(c.x() - inner * 0.72, c.y() - inner * 0.92, inner * 1.44, inner * 0.95));
    }
    const qreal g = inner * 0.62;
    drawGlyph(p, glyph, QRectF(c.x() - g * 0.38 + s, c.y() - g * 0.62 + s, g, g), Qt::white);
    drawText(p, QRect(0, int(c.y() + inner * 0.2) + s, size.width() + 2 * s, 16), caption, 0xFFFFFFFF,
             11, true, Qt::AlignHCenter | Qt::AlignTop);
    return image;
}

QImage smallButton(const QImage &background, ButtonState state, Glyph glyph, const QString &caption)
{
    QImage image = background.convertToFormat(QImage::Format_RGB32);
    const QSize size = sizeOf(image);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawFace(p, areaOf(image).adjusted(0.5, 0.5, -0.5, -0.5), 5, state);
    const Face face = faceFor(state);
    const int s = face.shift;
    if (caption.isEmpty()) {
        const qreal g = qMin(size.width(), size.height()) * 0.55;
        drawGlyph(p, glyph, QRectF((size.width() - g) / 2 + s, (size.height() - g) / 2 + s, g, g),
                  QColor::fromRgb(face.text));
    } else {
        drawText(p, QRect(QPoint(0, 0), size).adjusted(ButtonPadding, 0, -ButtonPadding, 0).translated(s, s), caption,
                 face.text, 10, true);
    }
    return image;
}

QImage keyedButton(QSize size, ButtonState state, Glyph glyph, const QString &caption)
{
    QImage drawing = canvas(size);
    QPainter p(&drawing);
    p.setRenderHint(QPainter::Antialiasing);
    drawFace(p, QRectF(QPointF(0, 0), QSizeF(size)).adjusted(0.5, 0.5, -0.5, -0.5), 6, state);
    const Face face = faceFor(state);
    const int s = face.shift;
    const int g = 11;
    const Beside place = besideGlyph(size, g, 4, captionWidth(caption, 10), s);
    drawGlyph(p, glyph, QRectF(place.glyphLeft, (size.height() - g) / 2.0 + s, g, g * 0.85),
              QColor::fromRgb(0xFFF2C14E));
    drawText(p, place.caption, caption, face.text, 10, true, Qt::AlignLeft | Qt::AlignVCenter);
    p.end();
    return hardenEdge(drawing, face.border, KeyColour);
}

} // namespace SkinArt
