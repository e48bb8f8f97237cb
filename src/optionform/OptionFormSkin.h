#pragma once

#include <QImage>
#include <QRect>
#include <QString>

class TsuiImageButton;

// The options dialog's look, drawn with the shared skin kit: the window body with its title, and
// the page the profile editor lies on.
QImage OptionFormSkin();

enum class OptionButtonLook {
    Title,  // the close button in the title bar
    Tab,    // a page tab; its disabled picture marks the current page, so it looks pressed in
    Command // OK, Cancel, Add, Del, Browse
};

// Gives `button` its pictures, drawn over the part of `skin` at `clientRect` so corners blend in.
void DressOptionButton(TsuiImageButton &button, const QImage &skin, const QRect &clientRect, OptionButtonLook look,
                       const QString &caption);
