#include "skin/SkinPicture.h"

#include <QPainter>
#include <cmath>
#include <functional>

namespace {

QImage withRatio(QImage image, qreal ratio)
{
    image.setDevicePixelRatio(ratio);
    return image;
}

// Scaling by a whole factor keeps every pixel sharp; any other factor reads better smoothed.
void paintScaled(QPainter &painter, const QImage &shown, const std::function<void()> &paint)
{
    const qreal scale = painter.device()->devicePixelRatio() / shown.devicePixelRatio();
    const bool smooth = scale != std::floor(scale);
    if (smooth == painter.testRenderHint(QPainter::SmoothPixmapTransform)) {
        paint();
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, smooth);
    paint();
    painter.restore();
}

} // namespace

SkinPicture::SkinPicture(const QImage &picture) : picture_(picture) {}

SkinPicture::SkinPicture(const QImage &picture, const QImage &doubled)
    : picture_(picture), doubled_(doubled.isNull() ? doubled : withRatio(doubled, 2))
{
}

const QImage &SkinPicture::forRatio(qreal ratio) const
{
    return ratio > 1 && !doubled_.isNull() ? doubled_ : picture_;
}

SkinPicture SkinPicture::copy(const QRect &rect) const
{
    if (doubled_.isNull())
        return SkinPicture(picture_.copy(rect));
    return SkinPicture(picture_.copy(rect), doubled_.copy(QRect(rect.topLeft() * 2, rect.size() * 2)));
}

void SkinPicture::draw(QPainter &painter, const QPoint &at) const
{
    const QImage &shown = forRatio(painter.device()->devicePixelRatio());
    paintScaled(painter, shown, [&] { painter.drawImage(at, shown); });
}

void SkinPicture::draw(QPainter &painter, const QRect &target) const
{
    const QImage &shown = forRatio(painter.device()->devicePixelRatio());
    paintScaled(painter, shown, [&] { painter.drawImage(target, shown); });
}
