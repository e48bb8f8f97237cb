#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QStringList>

#include <optional>

// Reading screenshots of the compositor's output. A window's own picture is its rendering
// (QWidget::grab()): transparent outside its outline, the screen's pixels elsewhere.

// Where the window's picture lies on the screen: the place where the screen shows every pixel of
// the window's `probe` area exactly; nothing when the window is not shown.
std::optional<QPoint> findOnScreen(const QImage &screen, const QImage &window, const QRect &probe);

// What is wrong at the window's four corners (squares of `side` pixels) on the screen, the window
// lying at `at`: an opaque pixel of the window shown otherwise, or a transparent one showing the
// key colour or anything but what the screen showed there before the window came (`behind`).
QStringList cornerFaults(const QImage &screen, const QImage &behind, const QImage &window, QPoint at, int side);
