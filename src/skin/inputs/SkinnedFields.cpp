#include "skin/inputs/SkinnedFields.h"

#include "skin/art/SkinPalette.h"
#include "skin/inputs/TsuiComboBox.h"
#include "skin/inputs/TsuiEdit.h"

TsuiComboBox *newDropDown(QWidget *parent, const QRect &place, QRgb fieldColour, QRgb buttonColour)
{
    auto *list = new TsuiComboBox(parent);
    list->setGeometry(place);
    list->setBorderColor(QColor::fromRgb(SkinPalette::FieldBorder));
    list->setArrowColor(QColor::fromRgb(SkinPalette::DropDownArrow));
    list->setButtonColor(QColor::fromRgb(buttonColour));
    list->setColor(QColor::fromRgb(fieldColour));
    return list;
}

TsuiEdit *newTextField(QWidget *parent, const QRect &place, QRgb fieldColour)
{
    auto *field = new TsuiEdit(parent);
    field->setGeometry(place);
    field->setBorderColor(QColor::fromRgb(SkinPalette::FieldBorder));
    field->setColor(QColor::fromRgb(fieldColour));
    return field;
}
