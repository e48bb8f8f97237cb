#include "SkinFonts.h"

#include <QStringList>

namespace {

QFont tahoma()
{
    static const bool substituted = [] {
        const QStringList standIns{QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("Liberation Sans Narrow"),
                                   QStringLiteral("Arial Narrow")};
        QFont::insertSubstitutions(QStringLiteral("Tahoma"), standIns);
        return true;
    }();
    Q_UNUSED(substituted);
    return QFont(QStringLiteral("Tahoma"));
}

} // namespace

QFont tahomaPixels(int pixelSize)
{
    QFont font = tahoma();
    font.setPixelSize(pixelSize);
    return font;
}

QFont tahomaPoints(int pointSize)
{
    QFont font = tahoma();
    font.setPointSize(pointSize);
    return font;
}
