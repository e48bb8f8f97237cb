#include "CursorFiles.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPainterPath>
#include <QtEndian>

namespace {

constexpr int Side = 32;

void put16(QByteArray &out, quint16 value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

void put32(QByteArray &out, quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

QImage drawCursor(const QPainterPath &shape)
{
    QImage image(Side, Side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPath(shape);
    return image;
}

// A horizontal double arrow, for dragging the slider markers sideways.
QImage dragWE()
{
    QPainterPath path;
    const qreal c = 15.5;
    path.moveTo(3, c);
    path.lineTo(10, c - 7);
    path.lineTo(10, c - 3);
    path.lineTo(21, c - 3);
    path.lineTo(21, c - 7);
    path.lineTo(28, c);
    path.lineTo(21, c + 7);
    path.lineTo(21, c + 3);
    path.lineTo(10, c + 3);
    path.lineTo(10, c + 7);
    path.closeSubpath();
    return drawCursor(path);
}

// A pointing hand, for the tick boxes of the clip rows.
QImage press()
{
    QPainterPath finger;
    finger.addRoundedRect(QRectF(9.5, 1.5, 5, 16), 2.5, 2.5);
    QPainterPath palm;
    palm.addRoundedRect(QRectF(5.5, 11.5, 17, 15), 5, 5);
    QPainterPath knuckles;
    knuckles.addRoundedRect(QRectF(14.5, 9.5, 4, 8), 2, 2);
    knuckles.addRoundedRect(QRectF(18.5, 10.5, 4, 8), 2, 2);
    QPainterPath hand = finger.united(palm).united(knuckles);
    return drawCursor(hand);
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
}

} // namespace

QByteArray curFileBytes(const QImage &picture, QPoint hotSpot)
{
    const QImage image = picture.convertToFormat(QImage::Format_ARGB32).scaled(Side, Side);
    const int maskStride = 4;  // 32 one-bit pixels, rows padded to 32 bits
    const quint32 xorSize = Side * Side * 4, andSize = maskStride * Side;
    QByteArray out;
    put16(out, 0);
    put16(out, 2);  // a cursor resource
    put16(out, 1);
    out.append(char(Side));
    out.append(char(Side));
    out.append(char(0));
    out.append(char(0));
    put16(out, quint16(hotSpot.x()));
    put16(out, quint16(hotSpot.y()));
    put32(out, 40 + xorSize + andSize);
    put32(out, 6 + 16);
    // BITMAPINFOHEADER; the height counts the colour rows and the mask rows.
    put32(out, 40);
    put32(out, Side);
    put32(out, Side * 2);
    put16(out, 1);
    put16(out, 32);
    put32(out, 0);
    put32(out, xorSize + andSize);
    for (int i = 0; i < 4; ++i)
        put32(out, 0);
    QByteArray mask;
    for (int y = Side - 1; y >= 0; --y) {
        quint32 bits = 0;
        for (int x = 0; x < Side; ++x) {
            const QRgb pixel = image.pixel(x, y);
            put32(out, pixel);  // BGRA in memory order
            if (qAlpha(pixel) == 0)
                bits |= 0x80000000u >> x;
        }
        char bytes[4];
        qToBigEndian(bits, bytes);
        mask.append(bytes, 4);
    }
    out.append(mask);
    return out;
}

bool writeCursorFiles(const QString &folder)
{
    QDir dir(folder);
    if (!dir.mkpath(QStringLiteral("Cursor")))
        return false;
    return writeFile(dir.filePath(QStringLiteral("Cursor/DragWE.cur")), curFileBytes(dragWE(), QPoint(15, 15)))
           && writeFile(dir.filePath(QStringLiteral("Cursor/Press.cur")), curFileBytes(press(), QPoint(12, 2)));
}
