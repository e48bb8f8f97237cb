#include "ScreenCursors.h"

#include <QFile>
#include <QHash>
#include <QImage>
#include <QImageReader>
#include <QPixmap>
#include <QtEndian>

namespace {

QHash<int, QCursor> &cursorTable()
{
    static QHash<int, QCursor> table;
    return table;
}

} // namespace

std::optional<QCursor> loadCursorFile(const QString &path, qreal ratio)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // ICONDIR (6 bytes) then one 16-byte entry per size; a cursor entry keeps its hot spot where
    // an icon keeps planes and bit count.
    const QByteArray head = file.read(6);
    if (head.size() < 6 || qFromLittleEndian<quint16>(head.constData() + 2) != 2)
        return std::nullopt;
    const int count = qFromLittleEndian<quint16>(head.constData() + 4);
    const QByteArray entries = file.read(16 * qsizetype(count));
    if (count == 0 || entries.size() < 16 * count)
        return std::nullopt;
    const auto widthOf = [&entries](int i) {
        const int width = quint8(entries[16 * i]);
        return width == 0 ? 256 : width;
    };
    // The largest size that the screen does not have to shrink.
    const int wanted = qRound(widthOf(0) * ratio);
    int chosen = 0;
    for (int i = 1; i < count; ++i)
        if (widthOf(i) <= wanted && widthOf(i) > widthOf(chosen))
            chosen = i;
    const char *entry = entries.constData() + 16 * chosen;
    const QPoint hotSpot(qFromLittleEndian<quint16>(entry + 4), qFromLittleEndian<quint16>(entry + 6));
    file.seek(0);
    QImageReader reader(&file, "cur");
    if (!reader.jumpToImage(chosen))
        return std::nullopt;
    const QImage image = reader.read();
    if (image.isNull())
        return std::nullopt;
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(qreal(widthOf(chosen)) / widthOf(0));
    // The hot spot counts the chosen picture's own pixels, which is what the X11 platform reads.
    return QCursor(pixmap, hotSpot.x(), hotSpot.y());
}

void installScreenCursor(int id, const QCursor &cursor)
{
    cursorTable().insert(id, cursor);
}

QCursor screenCursor(int id)
{
    return cursorTable().value(id, QCursor(Qt::ArrowCursor));
}
