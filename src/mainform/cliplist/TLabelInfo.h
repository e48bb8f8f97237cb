#pragma once

#include "skin/ElidedLabel.h"

#include <QRect>

// A text label of a clip row: transparent, as high as the row, text centred vertically, in the
// windows' font; a text wider than its column is elided. It takes no mouse input of its own, so a
// press on it is a press on its row (whose tooltip holds the clip's whole name).
class TLabelInfo : public ElidedLabel {
    Q_OBJECT

public:
    TLabelInfo(const QRect &place, QWidget *row);
};
