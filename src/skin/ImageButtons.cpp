#include "skin/ImageButtons.h"

#include "skin/SkinPictures.h"
#include "skin/TsuiImageButton.h"
#include "skin/art/SkinPictureNames.h"

void applyButtonPictures(TsuiImageButton &button, const QString &name)
{
    using SkinPictureName::ButtonState;
    const auto state = [&name](ButtonState s) {
        return skinPicture(name + QLatin1Char('.') + QLatin1String(SkinPictureName::stateName(s)));
    };
    button.setPicNormal(state(ButtonState::Normal));
    button.setPicMouseOn(state(ButtonState::Hover));
    button.setPicMouseDown(state(ButtonState::Down));
    button.setPicDisabled(state(ButtonState::Disabled));
}

TsuiImageButton *newImageButton(QWidget *parent, const char *name, const QRect &place)
{
    auto *button = new TsuiImageButton(parent);
    applyButtonPictures(*button, QLatin1String(name));
    button->move(place.topLeft());
    return button;
}
