#include "ScreenCursors.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

// A 2 x 2 cursor with hot spot (1, 0): one 32-bit DIB with its AND mask.
QByteArray tinyCursor(quint16 type)
{
    QByteArray bytes;
    auto put16 = [&](quint16 v) { char b[2]; qToLittleEndian(v, b); bytes.append(b, 2); };
    auto put32 = [&](quint32 v) { char b[4]; qToLittleEndian(v, b); bytes.append(b, 4); };
    put16(0); put16(type); put16(1);
    bytes.append(char(2)); bytes.append(char(2)); bytes.append(char(0)); bytes.append(char(0));
    put16(1); put16(0);
    put32(40 + 16 + 8); put32(22);
    put32(40); put32(2); put32(4); put16(1); put16(32); put32(0); put32(16 + 8);
    for (int i = 0; i < 4; ++i) put32(0);
    for (int i = 0; i < 4; ++i) put32(0xFFFF0000);
    for (int i = 0; i < 2; ++i) put32(0);
    return bytes;
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

TEST(ScreenCursors, MissingOrBrokenFilesGiveNoCursor)
{
    QTemporaryDir dir;
    EXPECT_FALSE(loadCursorFile(dir.filePath("missing.cur")).has_value());
    EXPECT_FALSE(loadCursorFile(write(dir, "empty.cur", {})).has_value());
    EXPECT_FALSE(loadCursorFile(write(dir, "icon.cur", tinyCursor(1))).has_value());
    EXPECT_FALSE(loadCursorFile(write(dir, "cut.cur", tinyCursor(2).left(30))).has_value());
}

TEST(ScreenCursors, UninstalledIdsShowTheArrow)
{
    EXPECT_EQ(screenCursor(4242).shape(), Qt::ArrowCursor);
    installScreenCursor(4243, QCursor(Qt::SizeHorCursor));
    EXPECT_EQ(screenCursor(4243).shape(), Qt::SizeHorCursor);
}

} // namespace
