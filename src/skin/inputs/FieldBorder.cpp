#include "FieldBorder.h"

#include <QPainter>

void paintFieldBorder(QPainter &painter, const QRect &area, const QColor &border, const QColor &fill)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(border, 1));
    painter.drawRect(area.adjusted(0, 0, -1, -1));
    painter.setPen(QPen(fill, 1));
    painter.drawRect(area.adjusted(1, 1, -2, -2));
    painter.restore();
}
