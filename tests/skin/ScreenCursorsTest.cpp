#include "ScreenCursors.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

struct Size {
    int side;
    QPoint hotSpot;
};

// A cursor file with one 32-bit DIB and its AND mask per size, each filled with its own colour.
QByteArray tinyCursor(quint16 type, const QList<Size> &sizes = {{2, QPoint(1, 0)}})
{
    QByteArray head, data;
    auto put16 = [](QByteArray &to, quint16 v) { char b[2]; qToLittleEndian(v, b); to.append(b, 2); };
    auto put32 = [](QByteArray &to, quint32 v) { char b[4]; qToLittleEndian(v, b); to.append(b, 4); };
    put16(head, 0); put16(head, type); put16(head, quint16(sizes.size()));
    for (const Size &size : sizes) {
        const int n = size.side;
        const quint32 bytes = 40 + n * n * 4 + 4 * n;
        head.append(char(n)); head.append(char(n)); head.append(char(0)); head.append(char(0));
        put16(head, quint16(size.hotSpot.x())); put16(head, quint16(size.hotSpot.y()));
        put32(head, bytes); put32(head, quint32(6 + 16 * sizes.size() + data.size()));
        put32(data, 40); put32(data, n); put32(data, 2 * n); put16(data, 1); put16(data, 32); put32(data, 0);
        put32(data, bytes - 40);
        for (int i = 0; i < 4; ++i) put32(data, 0);
        for (int i = 0; i < n * n; ++i) put32(data, 0xFF000000 | quint32(n));
        for (int i = 0; i < n; ++i) put32(data, 0);
    }
    return head + data;
}

QString write(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
}

TEST(ScreenCursors, ReadsACurFileWithItsHotSpot)
{
    QTemporaryDir dir;
    const auto cursor = loadCursorFile(write(dir, "a.cur", tinyCursor(2)));
    ASSERT_TRUE(cursor.has_value());
    EXPECT_EQ(cursor->hotSpot(), QPoint(1, 0));
    EXPECT_EQ(cursor->pixmap().size(), QSize(2, 2));
}

// A file with a 2 x 2 and a 4 x 4 picture: the first is the cursor's size in window pixels, the
// second serves screens with two pixels per window pixel, with its own hot spot.
TEST(ScreenCursors, TakesTheSizeThatSuitsTheScreen)
{
    QTemporaryDir dir;
    const QString path = write(dir, "two.cur", tinyCursor(2, {{2, QPoint(1, 0)}, {4, QPoint(3, 1)}}));
    const struct { qreal ratio; QSize pixels; QPoint hotSpot; } cases[] = {
        {1, QSize(2, 2), QPoint(1, 0)}, {1.5, QSize(2, 2), QPoint(1, 0)}, {2, QSize(4, 4), QPoint(3, 1)},
        {3, QSize(4, 4), QPoint(3, 1)}};
    for (const auto &c : cases) {
        const auto cursor = loadCursorFile(path, c.ratio);
        ASSERT_TRUE(cursor.has_value()) << c.ratio;
        EXPECT_EQ(cursor->pixmap().size(), c.pixels) << c.ratio;
        EXPECT_EQ(cursor->pixmap().toImage().pixel(0, 0), qRgb(0, 0, c.pixels.width())) << c.ratio;
        EXPECT_EQ(cursor->pixmap().devicePixelRatio(), c.pixels.width() / 2.0) << c.ratio;
        EXPECT_EQ(cursor->hotSpot(), c.hotSpot) << c.ratio;
    }
}

TEST(ScreenCursors, MissingOrBrokenFilesGiveNoCursor)
{
    QTemporaryDir dir;
    EXPECT_FALSE(loadCursorFile(dir.filePath("missing.cur")).has_value());
    EXPECT_FALSE(loadCursorFile(write(dir, "empty.cur", {})).has_value());
    EXPECT_FALSE(loadCursorFile(write(dir, "icon.cur", tinyCursor(1))).has_value());
    EXPECT_FALSE(loadCursorFile(write(dir, "cut.cur", tinyCursor(2).left(30))).has_value());
    EXPECT_FALSE(loadCursorFile(write(dir, "none.cur", tinyCursor(2, {}))).has_value());
}

TEST(ScreenCursors, UninstalledIdsShowTheArrow)
{
    EXPECT_EQ(screenCursor(4242).shape(), Qt::ArrowCursor);
    installScreenCursor(4243, QCursor(Qt::SizeHorCursor));
    EXPECT_EQ(screenCursor(4243).shape(), Qt::SizeHorCursor);
}

} // namespace
