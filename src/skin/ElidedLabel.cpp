#include "skin/ElidedLabel.h"

#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>

ElidedLabel::ElidedLabel(QWidget *parent, Qt::TextElideMode mode)
    : QLabel(parent), mode_(mode)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(false);
}

namespace {
// Blanks at the end (a name filled up to a number of characters) show as nothing and take no room.
QString withoutTrailingBlanks(QString text)
{
    while (text.endsWith(QLatin1Char(' ')))
        text.chop(1);
    return text;
}
}

QString ElidedLabel::shownText() const
{
    return fontMetrics().elidedText(withoutTrailingBlanks(text()), mode_, contentsRect().width());
}

bool ElidedLabel::isElided() const
{
    return shownText() != withoutTrailingBlanks(text());
}

bool ElidedLabel::event(QEvent *event)
{
    // A tooltip of the label's own wins; otherwise the whole text, and only when it is cut.
    if (event->type() == QEvent::ToolTip && toolTip().isEmpty()) {
        if (isElided())
            QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(), text(), this);
        else
            QToolTip::hideText();
        return true;
    }
    return QLabel::event(event);
}

void ElidedLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    style()->drawItemText(&painter, contentsRect(), int(alignment()), palette(), isEnabled(), shownText(),
                          foregroundRole());
}
