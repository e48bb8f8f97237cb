#pragma once

#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <QString>

// A Windows .cur file holding one 32 x 32 cursor with alpha, as a 32-bit DIB with its AND mask.
QByteArray curFileBytes(const QImage &picture, QPoint hotSpot);

// Writes Cursor/DragWE.cur and Cursor/Press.cur into folder; false when a file cannot be written.
bool writeCursorFiles(const QString &folder);
