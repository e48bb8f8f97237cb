#include "ScreenCursors.h"

#include <QFile>
#include <QHash>
#include <QImage>
#include <QPixmap>
#include <QtEndian>

namespace {

QHash<int, QCursor> &cursorTable()
{
    static QHash<int, QCursor> table;
    return table;
}

} // namespace

std::optional<QCursor> loadCursorFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // ICONDIR (6 bytes) then the first entry; a cursor entry keeps its hot spot where an icon
    // keeps planes and bit count.
    const QByteArray head = file.read(6 + 16);
    if (head.size() < 22 || qFromLittleEndian<quint16>(head.constData() + 2) != 2)
        return std::nullopt;
    const int hotX = qFromLittleEndian<quint16>(head.constData() + 6 + 4);
    const int hotY = qFromLittleEndian<quint16>(head.constData() + 6 + 6);
    file.seek(0);
    QImage image;
    if (!image.load(&file, "cur") || image.isNull())
        return std::nullopt;
    return QCursor(QPixmap::fromImage(image), hotX, hotY);
}

void installScreenCursor(int id, const QCursor &cursor)
{
    cursorTable().insert(id, cursor);
}

QCursor screenCursor(int id)
{
    return cursorTable().value(id, QCursor(Qt::ArrowCursor));
}
