#include "skin/SkinLabels.h"

#include "skin/art/SkinPalette.h"

#include <QLabel>

void useSkinTextColour(QWidget &window)
{
    QPalette colours = window.palette();
    colours.setColor(QPalette::WindowText, QColor::fromRgb(SkinPalette::Text));
    window.setPalette(colours);
}

QLabel *newCaption(QWidget *parent, const QString &text, QPoint at)
{
    auto *label = new QLabel(text, parent);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->adjustSize();
    label->move(at);
    return label;
}

QLabel *newLabel(QWidget *parent, const QString &text, const QRect &place, Qt::Alignment align)
{
    auto *label = new QLabel(text, parent);
    label->setGeometry(place);
    label->setAlignment(align | Qt::AlignVCenter);
    return label;
}
