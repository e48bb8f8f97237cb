#include "WindowOnScreen.h"

#include "skin/art/SkinPalette.h"

namespace {

QRgb opaque(QRgb pixel)
{
    return pixel | 0xFF000000u;
}

bool probeMatches(const QImage &screen, const QImage &window, const QRect &probe, QPoint at)
{
    for (int y = probe.top(); y <= probe.bottom(); ++y)
        for (int x = probe.left(); x <= probe.right(); ++x)
            if (opaque(screen.pixel(at.x() + x, at.y() + y)) != opaque(window.pixel(x, y)))
                return false;
    return true;
}

} // namespace

std::optional<QPoint> findOnScreen(const QImage &screen, const QImage &window, const QRect &probe)
{
    const QRgb first = opaque(window.pixel(probe.topLeft()));
    for (int y = -probe.top(); y + probe.bottom() < screen.height(); ++y)
        for (int x = -probe.left(); x + probe.right() < screen.width(); ++x)
            if (opaque(screen.pixel(x + probe.left(), y + probe.top())) == first
                && probeMatches(screen, window, probe, QPoint(x, y)))
                return QPoint(x, y);
    return std::nullopt;
}

QStringList cornerFaults(const QImage &screen, const QImage &behind, const QImage &window, QPoint at, int side)
{
    QStringList faults;
    const int right = window.width() - side, bottom = window.height() - side;
    for (const QPoint corner : {QPoint(0, 0), QPoint(right, 0), QPoint(0, bottom), QPoint(right, bottom)})
        for (int y = corner.y(); y < corner.y() + side; ++y)
            for (int x = corner.x(); x < corner.x() + side; ++x) {
                const QPoint onScreen = at + QPoint(x, y);
                if (!screen.rect().contains(onScreen))
                    continue;
                const QRgb shown = opaque(screen.pixel(onScreen));
                const QRgb own = window.pixel(x, y);
                const bool seeThrough = qAlpha(own) == 0;
                const QRgb expected = seeThrough ? opaque(behind.pixel(onScreen)) : opaque(own);
                if (shown == opaque(SkinPalette::KeyColour) || shown != expected)
                    faults << QStringLiteral("(%1, %2) of the window, %3: shows #%4, not #%5")
                                  .arg(x)
                                  .arg(y)
                                  .arg(seeThrough ? QStringLiteral("transparent") : QStringLiteral("opaque"))
                                  .arg(shown & 0xFFFFFF, 6, 16, QLatin1Char('0'))
                                  .arg(expected & 0xFFFFFF, 6, 16, QLatin1Char('0'));
            }
    return faults;
}
