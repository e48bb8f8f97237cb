#include "NamedPicture.h"
#include "skin/art/SkinLayout.h"
#include "skin/art/SkinPictureNames.h"

#include <QPainter>

using namespace SkinArt;
namespace Options = OptionFormLayout;
namespace N = SkinPictureName;

PictureList optionFormPictures()
{
    PictureList out;
    QImage skin = windowSkin(Options::Window, Options::CornerRadius, Options::TitleBarHeight, QStringLiteral("Options"));
    {
        QPainter p(&skin);
        drawGroup(p, Options::PageOutput);
    }
    out.append({N::OptionForm, skin});
    addButtonStates(out, N::OptionClose, false,
                    [&](ButtonState s) { return titleButton(part(skin, Options::Close), s, Glyph::Close); });

    // A tab's disabled picture marks the current page, so it looks pressed in.
    const struct { const char *name; QRect place; const char *caption; } tabs[] = {
        {N::TabOutput, Options::TabOutput, "Output"}, {N::TabInput, Options::TabInput, "Input"},
        {N::TabSystem, Options::TabSystem, "System"}};
    for (const auto &tab : tabs)
        addButtonStates(out, tab.name, true, [&](ButtonState s) {
            return smallButton(part(skin, tab.place), s == ButtonState::Disabled ? ButtonState::Down : s, Glyph::None,
                               QString::fromLatin1(tab.caption));
        });

    // Add and Del lie on the Output page, Browse on the Input page: drawn over the skin where they show.
    const struct { const char *name; QRect place; const char *caption; } commands[] = {
        {N::OptionOK, Options::OK, "OK"},
        {N::OptionCancel, Options::Cancel, "Cancel"},
        {N::ProfileAdd, Options::Add.translated(Options::PageOutput.topLeft()), "Add"},
        {N::ProfileDel, Options::Del.translated(Options::PageOutput.topLeft()), "Del"},
        {N::OptionBrowse, Options::Browse.translated(Options::PageInput.topLeft()), "Browse"}};
    for (const auto &command : commands)
        addButtonStates(out, command.name, true, [&](ButtonState s) {
            return smallButton(part(skin, command.place), s, Glyph::None, QString::fromLatin1(command.caption));
        });
    return out;
}
