#pragma once

#include <QLine>
#include <QPolygon>
#include <QRect>
#include <QSize>

// Where a drop-down list draws its button and arrow, apart from any widget.

// The drop-down button: the width of a scroll bar at the right, inside the two-pixel border.
QRect comboButtonRect(QSize controlSize);

// The separating line down the button's left edge, one pixel beyond its top and bottom.
QLine comboButtonEdge(const QRect &button);

// The arrow's reference point: half the button's width less 3 from its left, half its height down.
QPoint comboArrowOrigin(const QRect &button);

// The arrow triangle through (x, y), (x + 6, y), (x + 3, y + 3) from `origin`.
QPolygon comboArrow(QPoint origin);
