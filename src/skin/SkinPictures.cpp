#include "SkinPictures.h"

#include "SkinArt.h"
#include "TsuiImageButton.h"

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

void applyButtonPictures(TsuiImageButton &button, const QString &name)
{
    const auto state = [&name](SkinArt::ButtonState s) {
        return skinPicture(name + QLatin1Char('.') + QLatin1String(SkinArt::stateName(s)));
    };
    button.setPicNormal(state(SkinArt::ButtonState::Normal));
    button.setPicMouseOn(state(SkinArt::ButtonState::Hover));
    button.setPicMouseDown(state(SkinArt::ButtonState::Down));
    button.setPicDisabled(state(SkinArt::ButtonState::Disabled));
}
