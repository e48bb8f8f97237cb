#pragma once

#include "core/profiles/ChoiceList.h"

class QComboBox;
class TsuiSpinEdit;

// A drop-down list seen as a ChoiceList; the tag rides in the entry's user data.
class ComboChoiceList : public ChoiceList {
public:
    explicit ComboChoiceList(QComboBox &combo);

    void clear() override;
    void append(const QString &text, int tag = -1) override;
    int count() const override;
    QString textAt(int position) const override;
    int tagAt(int position) const override;
    int selected() const override;
    void select(int position) override;
    void setEnabled(bool enabled) override;

private:
    QComboBox &combo_;
};

// The numeric field seen as a NumberField.
class SpinNumberField : public NumberField {
public:
    explicit SpinNumberField(TsuiSpinEdit &spin);

    void setBounds(int minimum, int maximum) override;
    void setIncrement(int increment) override;
    void setValue(int value) override;
    int value() const override;

private:
    TsuiSpinEdit &spin_;
};
