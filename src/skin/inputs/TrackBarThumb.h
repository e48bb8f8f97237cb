#pragma once

#include "skin/SkinPicture.h"

#include <QWidget>

// The slider's thumb: a child panel showing the slider picture at its own size. Mouse input
// passes through to the slider, which decides what a press on the thumb does.
class TrackBarThumb : public QWidget {
    Q_OBJECT
public:
    explicit TrackBarThumb(QWidget *parent);

    const SkinPicture &picture() const { return picture_; }
    void setPicture(const SkinPicture &picture);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    SkinPicture picture_;
};
