#pragma once

#include "skin/SkinPicture.h"

#include <QWidget>

// A picture control: draws its picture at (0, 0) or stretched over itself, the same whether
// enabled or not (a label would grey a disabled picture).
class PictureBox : public QWidget {
    Q_OBJECT

public:
    explicit PictureBox(const SkinPicture &picture, QWidget *parent = nullptr);

    const SkinPicture &picture() const { return picture_; }
    void setPicture(const SkinPicture &picture);
    void setStretch(bool on);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    SkinPicture picture_;
    bool stretch_ = false;
};
