#pragma once

#include <QPoint>
#include <QRect>
#include <QString>

class QLabel;
class QWidget;

// Texts of a window on its skin take the skin's text colour (children inherit it).
void useSkinTextColour(QWidget &window);

// A caption on the skin, sized to its text, with its top-left corner at `at`.
QLabel *newCaption(QWidget *parent, const QString &text, QPoint at);

// A label with a place of its own; its text is centred vertically.
QLabel *newLabel(QWidget *parent, const QString &text, const QRect &place, Qt::Alignment align = Qt::AlignLeft);
