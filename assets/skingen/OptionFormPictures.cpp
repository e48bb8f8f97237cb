#include "NamedPicture.h"
#include "skin/art/SkinLayout.h"
#include "skin/art/SkinPictureNames.h"

#include <QPainter>

using namespace SkinArt;
namespace L = OptionFormLayout;
namespace N = SkinPictureName;

PictureList optionFormPictures()
{
    PictureList out;
    QImage skin = windowSkin(L::Window, L::CornerRadius, L::TitleBarHeight, QStringLiteral("Options"));
    {
        QPainter p(&skin);
        drawGroup(p, L::PageOutput);
    }
    out.append({N::OptionForm, skin});
    addButtonStates(out, N::OptionClose, false,
                    [&](ButtonState s) { return titleButton(part(skin, L::Close), s, Glyph::Close); });

    // A tab's disabled picture marks the current page, so it looks pressed in.
    const struct { const char *name; QRect place; const char *caption; } tabs[] = {
        {N::TabOutput, L::TabOutput, "Output"}, {N::TabInput, L::TabInput, "Input"},
        {N::TabSystem, L::TabSystem, "System"}};
    for (const auto &tab : tabs)
        addButtonStates(out, tab.name, true, [&](ButtonState s) {
            return smallButton(part(skin, tab.place), s == ButtonState::Disabled ? ButtonState::Down : s, Glyph::None,
                               QString::fromLatin1(tab.caption));
        });

    // Add and Del lie on the Output page, Browse on the Input page: drawn over the skin where they show.
    const struct { const char *name; QRect place; const char *caption; } commands[] = {
        {N::OptionOK, L::OK, "OK"},
        {N::OptionCancel, L::Cancel, "Cancel"},
        {N::ProfileAdd, L::Add.translated(L::PageOutput.topLeft()), "Add"},
        {N::ProfileDel, L::Del.translated(L::PageOutput.topLeft()), "Del"},
        {N::OptionBrowse, L::Browse.translated(L::PageInput.topLeft()), "Browse"}};
    for (const auto &command : commands)
        addButtonStates(out, command.name, true, [&](ButtonState s) {
            return smallButton(part(skin, command.place), s, Glyph::None, QString::fromLatin1(command.caption));
        });
    return out;
}
