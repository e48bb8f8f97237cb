#include "SkinShape.h"

#include <QList>

namespace {

bool cutOut(QRgb pixel, QRgb key)
{
    return qAlpha(pixel) == 0 || (pixel & RGB_MASK) == key;
}

} // namespace

QRegion skinRegion(const QImage &skin, QRgb keyColour)
{
    const QImage pixels = skin.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = keyColour & RGB_MASK;
    QList<QRect> runs;
    for (int y = 0; y < pixels.height(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(pixels.constScanLine(y));
        int x = 0;
        while (x < pixels.width()) {
            while (x < pixels.width() && cutOut(line[x], key))
                ++x;
            const int start = x;
            while (x < pixels.width() && !cutOut(line[x], key))
                ++x;
            if (x > start)
                runs.append(QRect(start, y, x - start, 1));
        }
    }
    // One setRects call builds the region in a single pass instead of a union per run.
    QRegion region;
    region.setRects(runs.constData(), int(runs.size()));
    return region;
}
