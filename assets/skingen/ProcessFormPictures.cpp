#include "NamedPicture.h"
#include "skin/art/SkinLayout.h"
#include "skin/art/SkinPictureNames.h"

#include <QPainter>
#include <QPainterPath>

using namespace SkinArt;
namespace Process = ProcessFormLayout;
namespace N = SkinPictureName;

namespace {

QImage processSkin()
{
    QImage skin = windowSkin(Process::Window, Process::CornerRadius, Process::TitleBarHeight, QStringLiteral("Converting"));
    QPainter p(&skin);
    p.setRenderHint(QPainter::Antialiasing);
    drawWell(p, Process::InfoArea, 7);
    drawWell(p, Process::ProgressTrack, 4);
    QRadialGradient glow(QRectF(Process::StopConvert).center(), Process::StopConvert.width() * 0.62);
    glow.setColorAt(0, QColor(232, 80, 64, 70));
    glow.setColorAt(1, QColor(232, 80, 64, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(QRectF(Process::StopConvert).adjusted(-12, -12, 12, 12));
    return skin;
}

// The Stop button: a red round button with a square.
QImage stopButton(const QImage &background, ButtonState state)
{
    QImage image = background.convertToFormat(QImage::Format_RGB32);
    const QSize size = sizeOf(image);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c = areaOf(image).center();
    const qreal r = qMin(size.width(), size.height()) / 2.0 - 3;
    const int s = state == ButtonState::Down ? 1 : 0;
    QLinearGradient ring(0, c.y() - r, 0, c.y() + r);
    ring.setColorAt(0, QColor::fromRgb(0xFF4B5666));
    ring.setColorAt(1, QColor::fromRgb(0xFF151A20));
    p.setPen(QPen(QColor(0, 0, 0, 160), 1));
    p.setBrush(ring);
    p.drawEllipse(c, r, r);
    const qreal inner = r - 6;
    QRadialGradient core(c + QPointF(-inner * 0.3, -inner * 0.45), inner * 1.5);
    const bool lit = state == ButtonState::Hover, down = state == ButtonState::Down;
    core.setColorAt(0, QColor::fromRgb(down ? 0xFFB0443A : lit ? 0xFFFF9A8C : 0xFFF57A6A));
    core.setColorAt(0.55, QColor::fromRgb(down ? 0xFF7E2A22 : lit ? 0xFFE8503F : 0xFFD2402F));
    core.setColorAt(1, QColor::fromRgb(down ? 0xFF4A1510 : 0xFF7A1E16));
    p.setBrush(core);
    p.setPen(QPen(QColor::fromRgb(0xFF240806), 1.2));
    p.drawEllipse(c + QPointF(s, s), inner, inner);
    const qreal g = inner * 0.55;
    drawGlyph(p, Glyph::Stop, QRectF(c.x() - g / 2 + s, c.y() - g / 2 - 5 + s, g, g * 0.8), Qt::white);
    drawText(p, QRect(0, int(c.y() + inner * 0.35) + s, size.width() + 2 * s, 14), QStringLiteral("STOP"),
             0xFFFFFFFF, 10, true, Qt::AlignHCenter | Qt::AlignTop);
    return image;
}

} // namespace

PictureList processFormPictures()
{
    PictureList out;
    const QImage skin = processSkin();
    out.append({N::ProcessForm, skin});
    addButtonStates(out, N::ProcessClose, false, [&](ButtonState s) {
        return smallButton(part(skin, Process::Close), s, Glyph::None, QStringLiteral("Close"));
    });
    addButtonStates(out, N::StopConvert, false, [&](ButtonState s) { return stopButton(part(skin, Process::StopConvert), s); });
    addButtonStates(out, N::Copy, true, [&](ButtonState s) {
        return toolButton(part(skin, Process::Copy), s, Glyph::Upload, QStringLiteral("Upload to PSP"));
    });
    return out;
}
