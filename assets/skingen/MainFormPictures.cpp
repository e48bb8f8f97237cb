#include "NamedPicture.h"
#include "skin/art/SkinLayout.h"
#include "skin/art/SkinPictureNames.h"

#include <QPainter>
#include <QPainterPath>

using namespace SkinArt;
namespace Main = MainFormLayout;
namespace N = SkinPictureName;

namespace {

void drawListArea(QPainter &p)
{
    const QRect list = Main::Panel_Info;
    const QRect frame(list.left() - 6, Main::HeadingTop - 5, list.width() + 12, list.bottom() - Main::HeadingTop + 12);
    drawWell(p, frame, 7);
    // Column headings.
    const QRect band(list.left(), Main::HeadingTop, list.width(), list.top() - Main::HeadingTop - 2);
    QLinearGradient head(0, band.top(), 0, band.bottom());
    head.setColorAt(0, QColor::fromRgb(0xFF2E3744));
    head.setColorAt(1, QColor::fromRgb(0xFF232A34));
    p.fillRect(band, head);
    const struct { int left; const char *text; } columns[] = {
        {Main::ColumnName, "Clip Name"}, {Main::ColumnInfo, "Clip Information"},
        {Main::ColumnDuration, "Duration"}, {Main::ColumnOutput, "Output"}};
    // Each heading over the texts of its column, a rule in the gap before it.
    for (int i = 0; i < 4; ++i) {
        const int left = columns[i].left;
        const int right = i + 1 < 4 ? columns[i + 1].left : Main::InfoMove.width();
        if (left > 0)
            p.fillRect(QRect(band.left() + left - 2, band.top() + 3, 1, band.height() - 6), QColor::fromRgb(0xFF465163));
        const int indent = left > 0 ? 1 : 6;
        drawText(p, QRect(band.left() + left + indent, band.top(), right - left - indent - 2, band.height()),
                 QString::fromLatin1(columns[i].text), Colour::TextDim, 10, true, Qt::AlignLeft | Qt::AlignVCenter);
    }
    // Striped row backgrounds behind the rows, one pixel of gap between rows.
    for (int row = 0; row < Main::VisibleRows; ++row) {
        const QRect r(list.left(), list.top() + row * Main::RowPitch, Main::Panel_Bar.left(), Main::RowHeight);
        p.fillRect(r, QColor::fromRgb(row % 2 ? Colour::RowStripeAlt : Colour::RowStripe));
    }
}

void drawPreviewArea(QPainter &p)
{
    const QRect pane = Main::Panel_Preview;
    drawText(p, QRect(pane.left(), Main::HeadingTop - 12, pane.width(), 14),
             QStringLiteral("PREVIEW"), Colour::TextDim, 10, true, Qt::AlignLeft | Qt::AlignVCenter);
    drawWell(p, pane.adjusted(-6, -6, 6, 6), 7);
    p.fillRect(pane, Qt::black);
    // Ends above the intro's bottom edge so no line of it shows under the intro.
    drawGroup(p, QRect(pane.left() - 6, Main::Snapshoot.top() - 3, pane.width() + 12, Main::Panel_Intro.bottom() - Main::Snapshoot.top() + 3));
}

void drawTrimOutputAndStreamRows(QPainter &p)
{
    for (const QRect &field : {Main::suiEdit_Start, Main::suiEdit_Stop, Main::suiEdit_OutputFolder, Main::suiComboBox_Audio,
                               Main::suiComboBox_Subtitle})
        drawFieldFrame(p, field);
}

void drawSettingsArea(QPainter &p)
{
    drawGroup(p, Main::SettingsArea.adjusted(0, -4, 0, 4));
    // A soft glow behind the start button.
    QRadialGradient glow(QRectF(Main::StartConvert).center(), Main::StartConvert.width() * 0.62);
    glow.setColorAt(0, QColor(47, 143, 232, 90));
    glow.setColorAt(0.7, QColor(47, 143, 232, 25));
    glow.setColorAt(1, QColor(47, 143, 232, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(QRectF(Main::StartConvert).adjusted(-14, -14, 14, 14));
}

QImage mainSkin(const QImage &plain)
{
    QImage skin = plain;
    QPainter p(&skin);
    p.setRenderHint(QPainter::Antialiasing);
    // Tool bar band.
    const QRect toolbar(Main::OpenDir.left() - 8, Main::OpenDir.top() - 4,
                        Main::Option.right() - Main::OpenDir.left() + 17, Main::ToolButton.height() + 8);
    drawGroup(p, toolbar);
    drawText(p, QRect(toolbar.right() + 18, toolbar.top(), 420, toolbar.height()),
             QStringLiteral("Video to PSP converter"), Colour::TextDim, 12, false,
             Qt::AlignLeft | Qt::AlignVCenter);
    drawPreviewArea(p);
    drawListArea(p);
    drawTrimOutputAndStreamRows(p);
    drawSettingsArea(p);
    return skin;
}

QImage sliderTrack()
{
    QImage image = canvas(Main::Image_ProgressBack.size(), QImage::Format_RGB32);
    image.fill(QColor::fromRgb(0xFF262D37));
    const int width = Main::Image_ProgressBack.width();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath groove;
    groove.addRoundedRect(QRectF(2, 5.5, width - 4, 5), 2.5, 2.5);
    p.fillPath(groove, QColor::fromRgb(0xFF0A0C0F));
    p.setPen(QPen(QColor::fromRgb(0xFF3C4654), 1));
    p.drawLine(QPointF(4, 11.5), QPointF(width - 4, 11.5));
    return image;
}

QImage marker(ButtonState state, bool left)
{
    QImage image = canvas(Main::Marker, QImage::Format_RGB32);
    image.fill(QColor::fromRgb(0xFF262D37));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRgb top = state == ButtonState::Hover ? 0xFFB7DEFF : state == ButtonState::Down ? 0xFF3D8FD8 : 0xFFE8EDF3;
    const QRgb bottom = state == ButtonState::Down ? 0xFF1F5A94 : 0xFF8C99AA;
    QPainterPath shape;
    // A tab pointing at the range: the start marker leans right, the end marker left.
    const qreal w = Main::Marker.width(), h = Main::Marker.height();
    if (left) {
        shape.moveTo(0.5, 0.5);
        shape.lineTo(w - 0.5, 0.5);
        shape.lineTo(w - 0.5, h - 0.5);
        shape.lineTo(0.5, h - 4);
    } else {
        shape.moveTo(0.5, 0.5);
        shape.lineTo(w - 0.5, 0.5);
        shape.lineTo(w - 0.5, h - 4);
        shape.lineTo(0.5, h - 0.5);
    }
    shape.closeSubpath();
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, QColor::fromRgb(top));
    g.setColorAt(1, QColor::fromRgb(bottom));
    p.fillPath(shape, g);
    p.setPen(QPen(QColor::fromRgb(0xFF0B0E12), 1));
    p.drawPath(shape);
    return image;
}

// A bar of one colour per row, `width` pixels wide.
template <size_t Rows>
QImage rowsPicture(int width, const QRgb (&rows)[Rows])
{
    QImage image = canvas(QSize(width, int(Rows)), QImage::Format_RGB32);
    QPainter p(&image);
    for (size_t y = 0; y < Rows; ++y)
        p.fillRect(QRect(0, int(y), width, 1), QColor::fromRgb(rows[y]));
    return image;
}

QImage stretchBar()
{
    const QRgb rows[] = {0xFF0E3A66, 0xFF6DB8FF, 0xFF4AA3F5, 0xFF2F8FE8, 0xFF2A84D8, 0xFF2277C6, 0xFF1B64A8, 0xFF0E3A66};
    static_assert(std::size(rows) == Main::Image_Stretch.height());
    return rowsPicture(Main::Image_Stretch.width(), rows);
}

QImage scrollTrack()
{
    QImage image = canvas(Main::Image_BarBack, QImage::Format_RGB32);
    image.fill(QColor::fromRgb(0xFF12161B));
    const int height = Main::Image_BarBack.height();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath groove;
    groove.addRoundedRect(QRectF(6.5, 3.5, 6, height - 7), 3, 3);
    p.fillPath(groove, QColor::fromRgb(0xFF07090B));
    p.setPen(QColor::fromRgb(0xFF2A313B));
    p.drawLine(QPointF(0.5, 0), QPointF(0.5, height));
    return image;
}

QImage scrollThumb()
{
    QImage image = canvas(Main::Image_Bar, QImage::Format_RGB32);
    image.fill(QColor::fromRgb(0xFF12161B));
    const QSize size = Main::Image_Bar;
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath thumb;
    thumb.addRoundedRect(QRectF(2.5, 0.5, size.width() - 5, size.height() - 1), 4, 4);
    QLinearGradient g(0, 0, size.width(), 0);
    g.setColorAt(0, QColor::fromRgb(0xFF5C6B80));
    g.setColorAt(1, QColor::fromRgb(0xFF3A4555));
    p.fillPath(thumb, g);
    p.setPen(QPen(QColor::fromRgb(0xFF0B0E12), 1));
    p.drawPath(thumb);
    for (int i = -1; i <= 1; ++i)
        p.fillRect(QRectF(6, size.height() / 2.0 + i * 3 - 0.5, 5, 1), QColor::fromRgb(0xFF9AA8BA));
    return image;
}

// Both boxes on transparency, so the row's stripe or its selected silver shows around them.
QImage tickBoxes()
{
    QImage image = canvas(Main::Image_Chk);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    for (int box = 0; box < 2; ++box) {
        const QRectF r(box * Main::TickBox.width() + 1.5, 1.5, 12, 12);
        QPainterPath path;
        path.addRoundedRect(r, 2.5, 2.5);
        p.fillPath(path, QColor::fromRgb(box ? Colour::Accent : 0xFF0B0E12));
        p.setPen(QPen(QColor::fromRgb(box ? Colour::AccentLight : 0xFF5E6875), 1));
        p.drawPath(path);
        if (box) {
            p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawPolyline(QPolygonF({QPointF(19, 7.5), QPointF(21.5, 10.5), QPointF(26, 4.5)}));
        }
    }
    return image;
}

// A loudspeaker with two sound waves, the still frame of a file that has sound and no picture.
QImage soundOnlyPicture()
{
    const QSize size = Main::Panel_Preview.size();
    QImage image = canvas(size, QImage::Format_RGB32);
    image.fill(QColor::fromRgb(Colour::WellFill));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double unit = qMin(size.width(), size.height()) / 12.0;
    p.translate(size.width() / 2.0, size.height() / 2.0);
    p.scale(unit, unit);
    QPainterPath speaker;
    speaker.moveTo(-4, -1.2);
    speaker.lineTo(-2.6, -1.2);
    speaker.lineTo(-0.6, -3);
    speaker.lineTo(-0.6, 3);
    speaker.lineTo(-2.6, 1.2);
    speaker.lineTo(-4, 1.2);
    speaker.closeSubpath();
    p.fillPath(speaker, QColor::fromRgb(Colour::TextDim));
    p.setPen(QPen(QColor::fromRgb(Colour::TextDim), 0.5, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(-1.5, -2, 4, 4), -50 * 16, 100 * 16);
    p.drawArc(QRectF(-1.5, -3.5, 7, 7), -50 * 16, 100 * 16);
    return image;
}

QImage addProgressBackground()
{
    QImage image = canvas(Main::Panel_AddProgress.size(), QImage::Format_RGB32);
    image.fill(QColor::fromRgb(Colour::WellFill));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath box;
    box.addRoundedRect(areaOf(image).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    QLinearGradient g(0, 0, 0, Main::Panel_AddProgress.height());
    g.setColorAt(0, QColor::fromRgb(0xFF333D4B));
    g.setColorAt(1, QColor::fromRgb(0xFF212832));
    p.fillPath(box, g);
    p.setPen(QPen(QColor::fromRgb(Colour::Accent), 1));
    p.drawPath(box);
    const QRect bar = Main::Panel_Progress1.adjusted(-2, -2, 2, 2);
    p.fillRect(bar, QColor::fromRgb(0xFF07090B));
    return image;
}

QImage progressPicture()
{
    const QRgb rows[] = {0xFF9AD2FF, 0xFF5AAEF7, 0xFF2F8FE8, 0xFF2277C6, 0xFF174F87};
    return rowsPicture(1, rows);
}

} // namespace

PictureList mainFormPictures()
{
    PictureList out;
    const QImage plain = windowSkin(Main::Window, Main::CornerRadius, Main::TitleBarHeight, QStringLiteral("PocketReel"));
    const QImage skin = mainSkin(plain);
    out.append({N::MainForm, skin});
    out.append({N::Intro, introPicture(part(plain, Main::Panel_Intro))});

    const struct { const char *name; QRect rect; Glyph glyph; } title[] = {
        {N::Help, Main::Help, Glyph::Help}, {N::Min, Main::Min, Glyph::Minimise}, {N::Close, Main::Close, Glyph::Close}};
    for (const auto &b : title)
        addButtonStates(out, b.name, false, [&](ButtonState s) { return titleButton(part(skin, b.rect), s, b.glyph); });

    const struct { const char *name; QRect rect; Glyph glyph; const char *caption; } tools[] = {
        {N::OpenDir, Main::OpenDir, Glyph::Add, "Add"}, {N::OpenFile, Main::OpenFile, Glyph::Remove, "Remove"},
        {N::Clear, Main::Clear, Glyph::Clear, "Clear"}, {N::Option, Main::Option, Glyph::Option, "Option"}};
    for (const auto &b : tools)
        addButtonStates(out, b.name, false, [&](ButtonState s) {
            return toolButton(part(skin, b.rect), s, b.glyph, QString::fromLatin1(b.caption));
        });

    addButtonStates(out, N::Snapshoot, true,
                    [&](ButtonState s) { return smallButton(part(skin, Main::Snapshoot), s, Glyph::Camera, {}); });
    addButtonStates(out, N::Browse, false,
                    [&](ButtonState s) { return keyedButton(Main::Browse.size(), s, Glyph::Folder, QStringLiteral("Browse")); });
    addButtonStates(out, N::StartConvert, false, [&](ButtonState s) {
        return roundButton(part(skin, Main::StartConvert), s, Glyph::Play, QStringLiteral("START"));
    });

    out.append({N::ProgressBack, sliderTrack()});
    out.append({N::Stretch, stretchBar()});
    addButtonStates(out, N::MarkerLeft, false, [](ButtonState s) { return marker(s, true); });
    addButtonStates(out, N::MarkerRight, false, [](ButtonState s) { return marker(s, false); });
    out.append({N::BarBack, scrollTrack()});
    out.append({N::Bar, scrollThumb()});
    out.append({N::Chk, tickBoxes()});
    out.append({N::AddProgress, addProgressBackground()});
    out.append({N::Progress, progressPicture()});
    out.append({N::SoundOnly, soundOnlyPicture()});
    return out;
}
