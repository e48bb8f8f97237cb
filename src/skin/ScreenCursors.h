#pragma once

#include <QCursor>
#include <QString>
#include <optional>

// The program's own cursors, installed under numeric ids when the main window is created.
enum ScreenCursorId : int { crDragWE = 1001, crPress = 1002 };

// Reads a Windows .cur file, hot spot included; nothing when the file is missing or unreadable.
std::optional<QCursor> loadCursorFile(const QString &path);

void installScreenCursor(int id, const QCursor &cursor);
// The cursor installed under id, or the default arrow when none is.
QCursor screenCursor(int id);
