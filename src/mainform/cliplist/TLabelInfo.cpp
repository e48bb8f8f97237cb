#include "TLabelInfo.h"

TLabelInfo::TLabelInfo(int left, int width, QWidget *row)
    : QLabel(row)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAutoFillBackground(false);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setTextFormat(Qt::PlainText);
    setWordWrap(false);
    setFont(QFont(QStringLiteral("Tahoma"), -1));
    QFont f = font();
    f.setPixelSize(11);
    setFont(f);
    setGeometry(left, 0, width, row->height());
}
