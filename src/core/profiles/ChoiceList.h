#pragma once

#include <QString>

// A drop-down list as the profile operations see it. Selecting through this interface never runs
// the window's change handler: the operations run it themselves where a change must follow.
class ChoiceList {
public:
    virtual ~ChoiceList() = default;

    virtual void clear() = 0;
    // `tag` travels with the entry; the profile list keeps each entry's store slot in it.
    virtual void append(const QString &text, int tag = -1) = 0;
    virtual int count() const = 0;
    virtual QString textAt(int position) const = 0;
    virtual int tagAt(int position) const = 0;
    // -1 when nothing is selected.
    virtual int selected() const = 0;
    // A position outside the list selects nothing.
    virtual void select(int position) = 0;
    virtual void setEnabled(bool enabled) = 0;
};

// A whole-number field with arrows. Equal bounds mean "not bounded".
class NumberField {
public:
    virtual ~NumberField() = default;

    virtual void setBounds(int minimum, int maximum) = 0;
    virtual void setIncrement(int increment) = 0;
    // Keeps the value within the bounds unless they are equal.
    virtual void setValue(int value) = 0;
    virtual int value() const = 0;
};
