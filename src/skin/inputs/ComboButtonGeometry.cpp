#include "ComboButtonGeometry.h"


namespace {
constexpr int kBorder = 2;
constexpr int kButtonWidth = 17;
}

QRect comboButtonRect(QSize controlSize)
{
    return QRect(controlSize.width() - kBorder - kButtonWidth, kBorder, kButtonWidth,
                 controlSize.height() - 2 * kBorder);
}

QLine comboButtonEdge(const QRect &button)
{
    return QLine(button.left(), button.top() - 1, button.left(), button.bottom() + 1);
}

QPoint comboArrowOrigin(const QRect &button)
{
    return QPoint(button.left() + button.width() / 2 - 3, button.height() / 2);
}

QPolygon comboArrow(QPoint origin)
{
    return QPolygon({origin, origin + QPoint(6, 0), origin + QPoint(3, 3)});
}
