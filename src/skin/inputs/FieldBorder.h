#pragma once

#include <QColor>
#include <QRect>

class QPainter;

// The flat look of a skinned field: the outermost pixel ring of `area` in `border`, the next ring
// inward in the field's own `fill`, so the inner ring follows colour changes of the field.
void paintFieldBorder(QPainter &painter, const QRect &area, const QColor &border, const QColor &fill);
