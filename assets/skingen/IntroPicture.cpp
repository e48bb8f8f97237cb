#include "NamedPicture.h"

#include <QPainter>
#include <QPainterPath>

using namespace SkinArt;

namespace {

constexpr int CardTop = 44;
constexpr int CardHeight = 198;
constexpr int CardWidth = 253;
constexpr int Margin = 16;

QRect cardRect(int index, int pictureWidth)
{
    const int gap = (pictureWidth - 2 * Margin - 3 * CardWidth) / 2;
    return QRect(Margin + index * (CardWidth + gap), CardTop, CardWidth, CardHeight);
}

void drawCard(QPainter &p, const QRect &card, int number, const QString &title, const QString &text)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(card).adjusted(0.5, 0.5, -0.5, -0.5), 10, 10);
    QLinearGradient fill(0, card.top(), 0, card.bottom());
    fill.setColorAt(0, QColor::fromRgb(0xFF2E3744));
    fill.setColorAt(1, QColor::fromRgb(0xFF1C222A));
    p.fillPath(path, fill);
    p.setPen(QPen(QColor::fromRgb(0xFF0A0D11), 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.setPen(QPen(QColor(255, 255, 255, 28), 1));
    p.drawLine(QPointF(card.left() + 10, card.top() + 1.5), QPointF(card.right() - 10, card.top() + 1.5));

    const QRectF badge(card.left() + 14, card.top() + 12, 26, 26);
    QLinearGradient badgeFill(0, badge.top(), 0, badge.bottom());
    badgeFill.setColorAt(0, QColor::fromRgb(Colour::AccentLight));
    badgeFill.setColorAt(1, QColor::fromRgb(Colour::AccentDark));
    p.setPen(Qt::NoPen);
    p.setBrush(badgeFill);
    p.drawEllipse(badge);
    drawText(p, badge.toRect(), QString::number(number), 0xFFFFFFFF, 14, true);
    drawText(p, QRect(card.left() + 48, card.top() + 12, card.width() - 56, 26), title, Colour::Text, 15, true,
             Qt::AlignLeft | Qt::AlignVCenter);
    drawText(p, QRect(card.left() + 16, card.bottom() - 52, card.width() - 32, 44), text, Colour::TextDim, 12, false,
             Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);
}

void drawArrow(QPainter &p, const QRect &from, const QRect &to)
{
    const qreal y = from.top() + from.height() / 2.0;
    const qreal x = (from.right() + to.left()) / 2.0;
    QPainterPath arrow;
    arrow.moveTo(x - 5, y - 9);
    arrow.lineTo(x + 6, y);
    arrow.lineTo(x - 5, y + 9);
    p.setPen(QPen(QColor::fromRgb(Colour::Accent), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arrow);
}

// Illustration area of a card: between its heading and its text.
QRect artArea(const QRect &card)
{
    return QRect(card.left() + 16, card.top() + 48, card.width() - 32, 90);
}

void drawAddArt(QPainter &p, QImage &picture, const QRect &area)
{
    const QSize button(84, 34);
    const QRect add(area.left() + 4, area.top() + 2, button.width(), button.height());
    const QRect remove(add.right() + 10, add.top(), button.width(), button.height());
    p.drawImage(add.topLeft(), toolButton(part(picture, add), ButtonState::Hover, Glyph::Add, QStringLiteral("Add")));
    p.drawImage(remove.topLeft(),
                toolButton(part(picture, remove), ButtonState::Normal, Glyph::Remove, QStringLiteral("Remove")));
    for (int row = 0; row < 3; ++row) {
        const QRect r(area.left() + 4, add.bottom() + 10 + row * 15, area.width() - 8, 13);
        p.fillRect(r, QColor::fromRgb(row == 0 ? 0xFF3A4A5E : Colour::RowStripe));
        p.fillRect(QRect(r.left() + 3, r.top() + 3, 7, 7), QColor::fromRgb(Colour::Accent));
        p.fillRect(QRect(r.left() + 16, r.top() + 5, 60 + row * 14, 3), QColor::fromRgb(0xFF7D8A9A));
        p.fillRect(QRect(r.left() + 120, r.top() + 5, 40, 3), QColor::fromRgb(0xFF55606E));
    }
}

void drawTrimArt(QPainter &p, const QRect &area)
{
    const QRectF track(area.left() + 6, area.top() + 18, area.width() - 12, 6);
    QPainterPath groove;
    groove.addRoundedRect(track, 3, 3);
    p.fillPath(groove, QColor::fromRgb(0xFF0A0C0F));
    const qreal from = track.left() + track.width() * 0.22, to = track.left() + track.width() * 0.74;
    p.fillRect(QRectF(from, track.top(), to - from, track.height()), QColor::fromRgb(Colour::Accent));
    for (qreal x : {from, to}) {
        QPainterPath knob;
        knob.addRoundedRect(QRectF(x - 6, track.top() - 7, 12, 20), 3, 3);
        p.fillPath(knob, QColor::fromRgb(Colour::Text));
        p.setPen(QPen(QColor::fromRgb(0xFF0B0E12), 1));
        p.drawPath(knob);
        p.setPen(QPen(QColor::fromRgb(Colour::AccentLight), 1.5, Qt::DashLine));
        p.drawLine(QPointF(x, track.bottom() + 9), QPointF(x, track.bottom() + 22));
    }
    const QStringList times{QStringLiteral("00:00:12"), QStringLiteral("00:01:30")};
    const qreal xs[] = {from, to};
    for (int i = 0; i < 2; ++i) {
        const QRect field(int(xs[i]) - 34, int(track.bottom()) + 26, 68, 20);
        drawFieldFrame(p, field);
        drawText(p, field, times[i], 0xFF101214, 11, true);
    }
}

void drawConvertArt(QPainter &p, QImage &picture, const QRect &area)
{
    const QRect button(area.center().x() - 40, area.top() + 2, 81, 81);
    p.drawImage(button.topLeft(), roundButton(part(picture, button), ButtonState::Normal, Glyph::Play, {}));
    // Two settings rows to the left hint at "check the settings".
    for (int row = 0; row < 2; ++row) {
        const QRect field(area.left() + 2, area.top() + 18 + row * 28, 50, 16);
        drawFieldFrame(p, field);
        p.fillRect(QRect(field.left() + 5, field.top() + 6, 26, 4), QColor::fromRgb(0xFF5A6270));
    }
}

} // namespace

QImage introPicture(const QImage &background)
{
    QImage picture = background.convertToFormat(QImage::Format_RGB32);
    const int width = sizeOf(picture).width();
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    drawText(p, QRect(Margin, 6, width - 2 * Margin, 30),
             QStringLiteral("Put your videos on your PSP in three steps"), Colour::Text, 17, true,
             Qt::AlignLeft | Qt::AlignVCenter);
    drawText(p, QRect(Margin, 6, width - 2 * Margin, 30),
             QStringLiteral("MP4 for PlayStation Portable"), Colour::TextDim, 12, false,
             Qt::AlignRight | Qt::AlignVCenter);

    const QRect cards[] = {cardRect(0, width), cardRect(1, width), cardRect(2, width)};
    drawCard(p, cards[0], 1, QStringLiteral("Add your clips"),
             QStringLiteral("Press \"Add\" to put video files in the list, or \"Remove\" to take them out."));
    drawCard(p, cards[1], 2, QStringLiteral("Trim each clip"),
             QStringLiteral("Drag the two markers under the preview, or type the start and end times."));
    drawCard(p, cards[2], 3, QStringLiteral("Convert"),
             QStringLiteral("Check the settings below, then press the start button."));
    drawArrow(p, cards[0], cards[1]);
    drawArrow(p, cards[1], cards[2]);

    p.end();
    // The illustrations reuse the button faces, which draw over a copy of what lies beneath.
    QPainter art(&picture);
    art.setRenderHint(QPainter::Antialiasing);
    drawAddArt(art, picture, artArea(cards[0]));
    drawTrimArt(art, artArea(cards[1]));
    drawConvertArt(art, picture, artArea(cards[2]));
    return picture;
}
