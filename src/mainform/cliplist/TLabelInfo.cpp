#include "mainform/cliplist/TLabelInfo.h"

#include "skin/SkinFonts.h"

TLabelInfo::TLabelInfo(const QRect &place, QWidget *row)
    : ElidedLabel(row)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAutoFillBackground(false);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setFont(tahomaPixels(11));
    setGeometry(place);
}
