#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>

class QPainter;

// A picture of the skin in window pixels, with its copy drawn at twice the size for screens that
// show two pixels per window pixel. Sizes, places and pixel tests use the picture itself; painting
// takes the copy that suits the device painted on, so a HiDPI screen shows the sharp one.
class SkinPicture {
public:
    SkinPicture() = default;
    // A picture with no sharp copy (drawn at run time, or by a test): painted scaled where needed.
    SkinPicture(const QImage &picture);  // NOLINT(google-explicit-constructor): any picture will do
    // doubled: the same picture at twice the size, with a device pixel ratio of 2.
    SkinPicture(const QImage &picture, const QImage &doubled);

    bool isNull() const { return picture_.isNull(); }
    QSize size() const { return picture_.size(); }
    int width() const { return picture_.width(); }
    int height() const { return picture_.height(); }
    const QImage &image() const { return picture_; }
    const QImage &doubled() const { return doubled_; }

    // The copy to paint where one window pixel covers `ratio` screen pixels.
    const QImage &forRatio(qreal ratio) const;
    // Both copies of the part under rect (in window pixels).
    SkinPicture copy(const QRect &rect) const;
    // Both copies passed through change (a QImage to QImage function that keeps the proportions).
    template <typename Change>
    SkinPicture mapped(Change change) const
    {
        return SkinPicture(change(picture_), doubled_.isNull() ? QImage() : change(doubled_));
    }

    // Paints the picture at `at`, or stretched over target, with the copy that suits the
    // painter's device.
    void draw(QPainter &painter, const QPoint &at) const;
    void draw(QPainter &painter, const QRect &target) const;

private:
    QImage picture_;
    QImage doubled_;
};
