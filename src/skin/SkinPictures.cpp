#include "skin/SkinPictures.h"

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

QImage skinPicture(const QString &name)
{
    loadPictureResources();
    return QImage(QStringLiteral(":/skin/%1.png").arg(name));
}
