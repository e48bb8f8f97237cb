#include "TLabelInfo.h"

#include "SkinFonts.h"

TLabelInfo::TLabelInfo(int left, int width, QWidget *row)
    : QLabel(row)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAutoFillBackground(false);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setTextFormat(Qt::PlainText);
    setWordWrap(false);
    setFont(tahomaPixels(11));
    setGeometry(left, 0, width, row->height());
}
