#include "profilecontrols/WidgetChoiceLists.h"

#include "skin/inputs/TsuiSpinEdit.h"

#include <QComboBox>

ComboChoiceList::ComboChoiceList(QComboBox &combo)
    : combo_(combo)
{
}

void ComboChoiceList::clear()
{
    combo_.clear();
}

void ComboChoiceList::append(const QString &text, int tag)
{
    combo_.addItem(text, tag);
}

int ComboChoiceList::count() const
{
    return combo_.count();
}

QString ComboChoiceList::textAt(int position) const
{
    return combo_.itemText(position);
}

int ComboChoiceList::tagAt(int position) const
{
    return position >= 0 && position < combo_.count() ? combo_.itemData(position).toInt() : -1;
}

int ComboChoiceList::selected() const
{
    return combo_.currentIndex();
}

void ComboChoiceList::select(int position)
{
    combo_.setCurrentIndex(position >= 0 && position < combo_.count() ? position : -1);
}

void ComboChoiceList::setEnabled(bool enabled)
{
    combo_.setEnabled(enabled);
}

SpinNumberField::SpinNumberField(TsuiSpinEdit &spin)
    : spin_(spin)
{
}

void SpinNumberField::setBounds(int minimum, int maximum)
{
    spin_.setMinValue(minimum);
    spin_.setMaxValue(maximum);
}

void SpinNumberField::setIncrement(int increment)
{
    spin_.setIncrement(increment);
}

void SpinNumberField::setValue(int value)
{
    spin_.setValue(value);
}

int SpinNumberField::value() const
{
    return spin_.value();
}
