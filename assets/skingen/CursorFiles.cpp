#include "CursorFiles.h"

#include "SkinArt.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPainterPath>
#include <QtEndian>

namespace {

constexpr int Side = 32;  // in window pixels
constexpr int Scales[] = {1, 2};

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
    QImage image = SkinArt::canvas(QSize(Side, Side));
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

// The cursor at 1x and at 2x; the hot spot is given in window pixels.
QByteArray cursorFile(QImage (*draw)(), QPoint hotSpot)
{
    QList<CursorImage> images;
    for (int scale : Scales) {
        const SkinArt::DrawingScale drawing(scale);
        images.append({draw(), hotSpot * scale});
    }
    return curFileBytes(images);
}

} // namespace

QByteArray curFileBytes(const QList<CursorImage> &images)
{
    QByteArray head, data;
    put16(head, 0);
    put16(head, 2);  // a cursor resource
    put16(head, quint16(images.size()));
    const int dataStart = 6 + 16 * int(images.size());
    for (const CursorImage &cursor : images) {
        const QImage image = cursor.image.convertToFormat(QImage::Format_ARGB32);
        const int side = image.width();
        const int maskStride = (side + 31) / 32 * 4;  // one-bit pixels, rows padded to 32 bits
        const quint32 xorSize = side * side * 4, andSize = maskStride * side;
        head.append(char(side));
        head.append(char(side));
        head.append(char(0));
        head.append(char(0));
        put16(head, quint16(cursor.hotSpot.x()));
        put16(head, quint16(cursor.hotSpot.y()));
        put32(head, 40 + xorSize + andSize);
        put32(head, quint32(dataStart + data.size()));
        // BITMAPINFOHEADER; the height counts the colour rows and the mask rows.
        put32(data, 40);
        put32(data, side);
        put32(data, side * 2);
        put16(data, 1);
        put16(data, 32);
        put32(data, 0);
        put32(data, xorSize + andSize);
        for (int i = 0; i < 4; ++i)
            put32(data, 0);
        QByteArray mask(andSize, '\0');
        for (int y = side - 1; y >= 0; --y) {
            char *maskRow = mask.data() + (side - 1 - y) * maskStride;
            for (int x = 0; x < side; ++x) {
                const QRgb pixel = image.pixel(x, y);
                put32(data, pixel);  // BGRA in memory order
                if (qAlpha(pixel) == 0)
                    maskRow[x / 8] = char(maskRow[x / 8] | (0x80 >> (x % 8)));
            }
        }
        data.append(mask);
    }
    return head + data;
}

bool writeCursorFiles(const QString &folder)
{
    QDir dir(folder);
    if (!dir.mkpath(QStringLiteral("Cursor")))
        return false;
    return writeFile(dir.filePath(QStringLiteral("Cursor/DragWE.cur")), cursorFile(dragWE, QPoint(15, 15)))
           && writeFile(dir.filePath(QStringLiteral("Cursor/Press.cur")), cursorFile(press, QPoint(12, 2)));
}
