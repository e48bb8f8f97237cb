#pragma once

#include <QCursor>
#include <QString>
#include <optional>

// The program's own cursors, installed under numeric ids when the main window is created.
enum ScreenCursorId : int { crDragWE = 1001, crPress = 1002 };

// Reads a Windows .cur file, hot spot included; nothing when the file is missing or unreadable.
// Of a file with several sizes, the first is the cursor's size in window pixels, and the largest
// that fits `ratio` screen pixels per window pixel is used.
std::optional<QCursor> loadCursorFile(const QString &path, qreal ratio = 1);

void installScreenCursor(int id, const QCursor &cursor);
// The cursor installed under id, or the default arrow when none is.
QCursor screenCursor(int id);
