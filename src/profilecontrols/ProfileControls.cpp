#include "profilecontrols/ProfileControls.h"

#include "skin/art/SkinPalette.h"
#include "skin/inputs/TsuiSpinEdit.h"

ProfileControls::ProfileControls(QComboBox &profile, QComboBox &videoFormat, TsuiSpinEdit &videoBitRate,
                                 std::initializer_list<FamilyList> families)
    : profile_(profile), videoFormat_(videoFormat), videoBitRate_(videoBitRate)
{
    for (const auto &[family, list] : families)
        families_.emplace_back(family, std::make_unique<ComboChoiceList>(*list));
}

ChoiceList *ProfileControls::formatList(FormatFamily family)
{
    for (const auto &[shown, list] : families_)
        if (shown == family)
            return list.get();
    return nullptr;
}

TsuiSpinEdit *newVideoBitRateField(QWidget *parent, const QRect &place, QRgb fieldColour, int minimum,
                                   int maximum)
{
    auto *field = new TsuiSpinEdit(parent);
    field->setGeometry(place);
    field->setUIStyle(UIStyle::WinXP);
    field->setBorderColor(QColor::fromRgb(SkinPalette::FieldBorder));
    field->setColor(QColor::fromRgb(fieldColour));
    field->setIncrement(1);
    field->setMinValue(minimum);
    field->setMaxValue(maximum);
    field->setValue(812);
    return field;
}
