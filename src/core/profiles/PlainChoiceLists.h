#pragma once

#include "ChoiceList.h"

#include <QList>
#include <QStringList>
#include <algorithm>

// A drop-down list without a widget: what the profile operations fill for a front end that shows
// no window.
class PlainChoiceList : public ChoiceList {
public:
    void clear() override
    {
        texts_.clear();
        tags_.clear();
        selected_ = -1;
    }
    void append(const QString &text, int tag) override
    {
        texts_.append(text);
        tags_.append(tag);
    }
    int count() const override { return int(texts_.size()); }
    QString textAt(int position) const override { return texts_.value(position); }
    int tagAt(int position) const override { return tags_.value(position, -1); }
    int selected() const override { return selected_; }
    void select(int position) override { selected_ = position >= 0 && position < count() ? position : -1; }
    void setEnabled(bool) override {}

    const QStringList &texts() const { return texts_; }
    QString selectedText() const { return textAt(selected_); }

private:
    QStringList texts_;
    QList<int> tags_;
    int selected_ = -1;
};

// A whole-number field without a widget.
class PlainNumberField : public NumberField {
public:
    void setBounds(int minimum, int maximum) override
    {
        minimum_ = minimum;
        maximum_ = maximum;
    }
    void setIncrement(int) override {}
    void setValue(int value) override
    {
        if (Bounded())
            value = value < minimum_ ? minimum_ : std::min(value, maximum_);
        value_ = value;
    }
    int value() const override { return value_; }

    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    // Equal bounds mean "not bounded", as in the window's field.
    bool Bounded() const { return minimum_ != maximum_; }

private:
    int minimum_ = 0;
    int maximum_ = 0;
    int value_ = 0;
};
