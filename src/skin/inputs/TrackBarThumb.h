#pragma once

#include <QImage>
#include <QWidget>

// The slider's thumb: a child panel showing the slider picture at its own size. Mouse input
// passes through to the slider, which decides what a press on the thumb does.
class TrackBarThumb : public QWidget {
    Q_OBJECT
public:
    explicit TrackBarThumb(QWidget *parent);

    const QImage &picture() const { return picture_; }
    void setPicture(const QImage &picture);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage picture_;
};
