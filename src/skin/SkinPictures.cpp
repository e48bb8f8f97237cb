#include "skin/SkinPictures.h"

#include <QGuiApplication>

// The pictures live in a static library; naming its initialiser keeps the linker from
// dropping them.
static void loadPictureResources()
{
    static const bool loaded = [] {
        Q_INIT_RESOURCE(skinpictures);
        return true;
    }();
    Q_UNUSED(loaded);
}

SkinPicture skinPicture(const QString &name)
{
    loadPictureResources();
    const QImage picture(QStringLiteral(":/skin/%1.png").arg(name));
    // The sharp copies cost start-up time and memory that only a HiDPI screen repays.
    if (picture.isNull() || !qGuiApp || qGuiApp->devicePixelRatio() <= 1)
        return picture;
    return SkinPicture(picture, QImage(QStringLiteral(":/skin/%1@2x.png").arg(name)));
}
