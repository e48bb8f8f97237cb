#include "NamedPicture.h"
#include "skin/art/SkinLayout.h"
#include "skin/art/SkinPictureNames.h"

#include "core/ProductTexts.h"

#include <QPainter>

using namespace SkinArt;
namespace About = AboutFormLayout;
namespace N = SkinPictureName;

namespace {

QImage aboutSkin()
{
    QImage skin = windowSkin(About::Window, About::CornerRadius, About::TitleBarHeight, QStringLiteral("About"));
    QPainter p(&skin);
    p.setRenderHint(QPainter::Antialiasing);
    drawText(p, About::ProductName, QString::fromLatin1(ProductText::DisplayName), Colour::Text, 13, true,
             Qt::AlignRight | Qt::AlignVCenter);
    QLinearGradient rule(16, 0, About::Window.width() - 16, 0);
    rule.setColorAt(0, QColor::fromRgb(Colour::Accent));
    rule.setColorAt(1, QColor(0, 0, 0, 0));
    p.fillRect(QRectF(16, About::RuleTop, About::Window.width() - 32, 1), rule);
    // The icon is drawn at the picture's scale; its source rectangle counts the icon's own pixels.
    const int scale = drawingScale();
    p.drawImage(QRectF(About::Mark), appIconPicture(About::Mark.width() * scale),
                QRectF(0, 4 * scale, About::Mark.width() * scale, About::Mark.height() * scale));
    drawText(p, About::Maker, QString::fromLatin1(ProductText::Maker), Colour::Text, 11, false,
             Qt::AlignLeft | Qt::AlignVCenter);
    const QString site = QString::fromLatin1(ProductText::HomePage).section(QStringLiteral("://"), 1);
    drawText(p, About::Site, site, Colour::AccentLight, 11, false, Qt::AlignLeft | Qt::AlignVCenter);
    return skin;
}

} // namespace

PictureList aboutFormPictures()
{
    PictureList out;
    const QImage skin = aboutSkin();
    out.append({N::AboutForm, skin});
    addButtonStates(out, N::AboutClose, false, [&](ButtonState s) {
        return smallButton(part(skin, About::suiButton2), s, Glyph::None, QStringLiteral("Close"));
    });
    return out;
}
