#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QString>

// One size of a cursor: a square picture with alpha, and its hot spot in the picture's pixels.
struct CursorImage {
    QImage image;
    QPoint hotSpot;
};

// A Windows .cur file holding each image as a 32-bit DIB with its AND mask, in the given order.
QByteArray curFileBytes(const QList<CursorImage> &images);

// Writes Cursor/DragWE.cur and Cursor/Press.cur into folder, each with its 32 x 32 picture and,
// for HiDPI screens, its 64 x 64 one; false when a file cannot be written.
bool writeCursorFiles(const QString &folder);
