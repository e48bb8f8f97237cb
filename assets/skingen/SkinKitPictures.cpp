#include "NamedPicture.h"
#include "skin/art/SkinLayout.h"
#include "skin/art/SkinPalette.h"
#include "skin/art/SkinPictureNames.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <iterator>

using namespace SkinArt;
namespace Kit = SkinKitLayout;
namespace N = SkinPictureName;

namespace {

QColor mix(const QColor &a, const QColor &b, qreal t)
{
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t, a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t);
}

// A recessed groove for a dark skin: shadowed top edge, tinted floor, a faint lit lip below.
QImage trackBarBar(const QColor &accent)
{
    const int w = Kit::TrackBarBar.width();
    QImage bar = canvas(Kit::TrackBarBar);
    QPainter p(&bar);
    p.setPen(Qt::NoPen);
    p.fillRect(0, 0, w, 1, QColor(12, 14, 18));
    QLinearGradient floor(0, 1, 0, 5);
    floor.setColorAt(0, mix(QColor(24, 28, 34), accent, 0.25));
    floor.setColorAt(1, mix(QColor(40, 46, 56), accent, 0.45));
    p.fillRect(0, 1, w, 4, floor);
    p.fillRect(0, 5, w, 1, QColor(255, 255, 255, 46));
    return bar;
}

// A glassy rounded thumb with three grip lines, transparent around its outline.
QImage trackBarThumb(const QColor &accent)
{
    QImage thumb = canvas(Kit::TrackBarThumb);
    QPainter p(&thumb);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF body(0.5, 0.5, Kit::TrackBarThumb.width() - 1.0, Kit::TrackBarThumb.height() - 1.0);
    QLinearGradient glass(body.topLeft(), body.topRight());
    glass.setColorAt(0.0, mix(accent, Qt::white, 0.55));
    glass.setColorAt(0.45, accent);
    glass.setColorAt(1.0, mix(accent, Qt::black, 0.45));
    p.setPen(QPen(mix(accent, Qt::black, 0.7), 1));
    p.setBrush(glass);
    p.drawRoundedRect(body, 3, 3);
    QPainterPath gloss;
    gloss.addRoundedRect(body.adjusted(1.5, 1.5, -1.5, -body.height() / 2), 2, 2);
    p.fillPath(gloss, QColor(255, 255, 255, 70));
    p.setRenderHint(QPainter::Antialiasing, false);
    for (int y : {8, 10, 12}) {
        p.setPen(QColor(0, 0, 0, 90));
        p.drawLine(3, y, 7, y);
        p.setPen(QColor(255, 255, 255, 110));
        p.drawLine(3, y + 1, 7, y + 1);
    }
    return thumb;
}

// The WinXP drop-down button face with its arrow; stretched over the button where it is shown.
QImage comboXPButton()
{
    const QSize size = Kit::ComboXPButton;
    QImage face = canvas(size);
    QPainter p(&face);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(0, 0, 0, size.height());
    fill.setColorAt(0, QColor(233, 240, 255));
    fill.setColorAt(1, QColor(185, 205, 248));
    p.setPen(QPen(QColor(160, 183, 231), 1));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(0.5, 0.5, size.width() - 1.0, size.height() - 1.0), 2, 2);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QColor(77, 97, 133));
    p.setBrush(QColor(77, 97, 133));
    const int x = size.width() / 2 - 3;
    const int y = size.height() / 2 - 1;
    p.drawPolygon(QPolygon({QPoint(x, y), QPoint(x + 6, y), QPoint(x + 3, y + 3)}));
    return face;
}

} // namespace

PictureList skinKitPictures()
{
    static_assert(std::size(N::StyleNames) == std::size(SkinPalette::Styles));
    PictureList out;
    for (size_t i = 0; i < std::size(N::StyleNames); ++i) {
        const QString style = QLatin1String(N::TrackBarPrefix) + QLatin1String(N::StyleNames[i]);
        const QColor accent = QColor::fromRgb(SkinPalette::Styles[i].accent);
        out.append({style + QLatin1String(N::TrackBarBarSuffix), trackBarBar(accent)});
        out.append({style + QLatin1String(N::TrackBarThumbSuffix), trackBarThumb(accent)});
    }
    out.append({N::ComboXPButton, comboXPButton()});
    return out;
}
