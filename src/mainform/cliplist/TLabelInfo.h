#pragma once

#include <QLabel>

// A text label of a clip row: transparent, as high as the row, text centred vertically. It takes
// no mouse input of its own, so a press on it is a press on its row.
class TLabelInfo : public QLabel {
    Q_OBJECT

public:
    TLabelInfo(int left, int width, QWidget *row);
};
