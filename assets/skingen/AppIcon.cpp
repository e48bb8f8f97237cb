#include "NamedPicture.h"

#include <QPainter>
#include <QPainterPath>

namespace {

// The icon in a 128 x 128 frame: a handheld with a screen showing a play sign, the product mark
// of the title bars drawn large. One description feeds both the scalable and the pixel icons.
constexpr qreal Frame = 128;

struct Panel {
    QRectF rect;
    qreal radius;
    QRgb top, bottom, edge;
    qreal edgeWidth;
};
struct Disc {
    QPointF centre;
    qreal radius;
    QRgb fill;
};

constexpr Panel Body{{4, 30, 120, 68}, 30, 0xFF3C4654, 0xFF161A20, 0xFF07090C, 2.5};
constexpr Panel Screen{{32, 40, 64, 48}, 6, SkinArt::Colour::AccentLight, SkinArt::Colour::AccentDark, 0xFF0B1524, 1.5};
constexpr Disc Pads[] = {{{18, 64}, 6.5, SkinArt::Colour::Highlight}, {{110, 64}, 6.5, SkinArt::Colour::Highlight}};
constexpr QPointF Play[] = {{56, 52}, {56, 76}, {77, 64}};

QString svgColour(QRgb rgb)
{
    return QColor::fromRgb(rgb).name();
}

QString svgPanel(const Panel &panel, const QString &gradientId)
{
    return QStringLiteral("  <linearGradient id=\"%1\" x1=\"0\" y1=\"%2\" x2=\"0\" y2=\"%3\" "
                          "gradientUnits=\"userSpaceOnUse\"><stop offset=\"0\" stop-color=\"%4\"/>"
                          "<stop offset=\"1\" stop-color=\"%5\"/></linearGradient>\n"
                          "  <rect x=\"%6\" y=\"%2\" width=\"%7\" height=\"%8\" rx=\"%9\" fill=\"url(#%1)\" "
                          "stroke=\"%10\" stroke-width=\"%11\"/>\n")
        .arg(gradientId)
        .arg(panel.rect.top())
        .arg(panel.rect.bottom())
        .arg(svgColour(panel.top), svgColour(panel.bottom))
        .arg(panel.rect.left())
        .arg(panel.rect.width())
        .arg(panel.rect.height())
        .arg(panel.radius)
        .arg(svgColour(panel.edge))
        .arg(panel.edgeWidth);
}

void paintPanel(QPainter &p, const Panel &panel)
{
    QLinearGradient fill(0, panel.rect.top(), 0, panel.rect.bottom());
    fill.setColorAt(0, QColor::fromRgb(panel.top));
    fill.setColorAt(1, QColor::fromRgb(panel.bottom));
    p.setBrush(fill);
    p.setPen(QPen(QColor::fromRgb(panel.edge), panel.edgeWidth));
    p.drawRoundedRect(panel.rect, panel.radius, panel.radius);
}

} // namespace

QImage appIconPicture(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / Frame, size / Frame);
    paintPanel(p, Body);
    paintPanel(p, Screen);
    p.setPen(Qt::NoPen);
    for (const Disc &pad : Pads) {
        p.setBrush(QColor::fromRgb(pad.fill));
        p.drawEllipse(pad.centre, pad.radius, pad.radius);
    }
    p.setBrush(Qt::white);
    p.drawPolygon(Play, 3);
    return image;
}

QByteArray appIconSvg()
{
    QString svg = QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" "
                                 "viewBox=\"0 0 %1 %1\">\n")
                      .arg(Frame);
    svg += svgPanel(Body, QStringLiteral("body"));
    svg += svgPanel(Screen, QStringLiteral("screen"));
    for (const Disc &pad : Pads)
        svg += QStringLiteral("  <circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"%4\"/>\n")
                   .arg(pad.centre.x())
                   .arg(pad.centre.y())
                   .arg(pad.radius)
                   .arg(svgColour(pad.fill));
    svg += QStringLiteral("  <polygon points=\"");
    for (const QPointF &corner : Play)
        svg += QStringLiteral("%1,%2 ").arg(corner.x()).arg(corner.y());
    svg = svg.trimmed() + QStringLiteral("\" fill=\"#ffffff\"/>\n</svg>\n");
    return svg.toUtf8();
}
