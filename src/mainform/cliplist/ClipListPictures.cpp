#include "ClipListPictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {
constexpr int Box = 15;

void DrawBox(QPainter &p, const QRectF &box, bool ticked)
{
    QLinearGradient fill(box.topLeft(), box.bottomLeft());
    fill.setColorAt(0, QColor(0x3a, 0x40, 0x4a));
    fill.setColorAt(1, QColor(0x1c, 0x20, 0x26));
    p.setPen(QPen(QColor(0x8a, 0x94, 0xa3), 1));
    p.setBrush(fill);
    p.drawRoundedRect(box.adjusted(1.5, 1.5, -1.5, -1.5), 2, 2);
    if (!ticked)
        return;
    QPainterPath tick;
    tick.moveTo(box.left() + 4, box.top() + 7.5);
    tick.lineTo(box.left() + 6.5, box.top() + 10.5);
    tick.lineTo(box.left() + 11, box.top() + 4);
    p.setPen(QPen(QColor(0x7d, 0xe0, 0x4a), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tick);
}

QImage Blank(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}
}

QImage TickBoxesPicture()
{
    QImage image = Blank(2 * Box, Box);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    DrawBox(p, QRectF(0, 0, Box, Box), false);
    DrawBox(p, QRectF(Box, 0, Box, Box), true);
    return image;
}

QImage UntickedPicture()
{
    return TickBoxesPicture().copy(0, 0, Box, Box);
}

QImage TickedPicture()
{
    return TickBoxesPicture().copy(Box, 0, Box, Box);
}

QImage ScrollTrackPicture()
{
    QImage image = Blank(19, 146);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(0, 0, 19, 0);
    fill.setColorAt(0, QColor(0x14, 0x17, 0x1c));
    fill.setColorAt(0.5, QColor(0x22, 0x26, 0x2d));
    fill.setColorAt(1, QColor(0x14, 0x17, 0x1c));
    p.setPen(QPen(QColor(0x3b, 0x42, 0x4d), 1));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(0.5, 0.5, 18, 145), 4, 4);
    p.setPen(QPen(QColor(0x0b, 0x0d, 0x10), 1));
    p.drawLine(QPointF(9.5, 6), QPointF(9.5, 140));
    return image;
}

QImage ScrollThumbPicture()
{
    QImage image = Blank(17, 20);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(0, 0, 17, 0);
    fill.setColorAt(0, QColor(0x6f, 0x7b, 0x8c));
    fill.setColorAt(0.45, QColor(0xb4, 0xbe, 0xcc));
    fill.setColorAt(1, QColor(0x55, 0x5f, 0x6d));
    p.setPen(QPen(QColor(0x2a, 0x2f, 0x37), 1));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(0.5, 0.5, 16, 19), 3, 3);
    p.setPen(QPen(QColor(0x3a, 0x41, 0x4b), 1));
    for (int y : {7, 10, 13})
        p.drawLine(QPointF(5, y + 0.5), QPointF(12, y + 0.5));
    return image;
}

QImage SoundOnlyPicture(const QSize &size)
{
    QImage image(size, QImage::Format_RGB888);
    image.fill(QColor(0x10, 0x12, 0x16));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double unit = qMin(size.width(), size.height()) / 12.0;
    const QPointF centre(size.width() / 2.0, size.height() / 2.0);
    p.translate(centre);
    p.scale(unit, unit);
    // A loudspeaker with two sound waves.
    QPainterPath speaker;
    speaker.moveTo(-4, -1.2);
    speaker.lineTo(-2.6, -1.2);
    speaker.lineTo(-0.6, -3);
    speaker.lineTo(-0.6, 3);
    speaker.lineTo(-2.6, 1.2);
    speaker.lineTo(-4, 1.2);
    speaker.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x8a, 0x94, 0xa3));
    p.drawPath(speaker);
    p.setPen(QPen(QColor(0x8a, 0x94, 0xa3), 0.5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(-1.5, -2, 4, 4), -50 * 16, 100 * 16);
    p.drawArc(QRectF(-1.5, -3.5, 7, 7), -50 * 16, 100 * 16);
    return image;
}
