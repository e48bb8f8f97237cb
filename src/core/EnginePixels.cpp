#include "EnginePixels.h"

#include <cstring>

QImage PictureFromEnginePixels(const uint8_t *pixels, const QSize &size)
{
    QImage picture(size, QImage::Format_BGR888);
    if (!pixels) {
        picture.fill(Qt::black);
        return picture;
    }
    const qsizetype rowBytes = qsizetype(size.width()) * 3;
    for (int row = 0; row < size.height(); ++row)
        std::memcpy(picture.scanLine(row), pixels + row * rowBytes, size_t(rowBytes));
    return picture;
}
