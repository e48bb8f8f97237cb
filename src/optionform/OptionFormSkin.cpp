#include "OptionFormSkin.h"

#include "OptionFormLayout.h"
#include "SkinArt.h"
#include "TsuiImageButton.h"

#include <QPainter>

using SkinArt::ButtonState;

QImage OptionFormSkin()
{
    using namespace OptionFormLayout;
    QImage skin = SkinArt::windowSkin(Window, CornerRadius, TitleBarHeight, QStringLiteral("Options"));
    QPainter painter(&skin);
    SkinArt::drawGroup(painter, PageOutput);
    return skin;
}

void DressOptionButton(TsuiImageButton &button, const QImage &skin, const QRect &clientRect, OptionButtonLook look,
                       const QString &caption)
{
    const QImage background = skin.copy(clientRect);
    const auto picture = [&](ButtonState state) {
        switch (look) {
        case OptionButtonLook::Title:
            return SkinArt::titleButton(background, state, SkinArt::Glyph::Close);
        case OptionButtonLook::Tab:
            return SkinArt::smallButton(background, state == ButtonState::Disabled ? ButtonState::Down : state,
                                        SkinArt::Glyph::None, caption);
        case OptionButtonLook::Command:
            break;
        }
        return SkinArt::smallButton(background, state, SkinArt::Glyph::None, caption);
    };
    button.setPicNormal(picture(ButtonState::Normal));
    button.setPicMouseOn(picture(ButtonState::Hover));
    button.setPicMouseDown(picture(ButtonState::Down));
    button.setPicDisabled(picture(ButtonState::Disabled));
}
