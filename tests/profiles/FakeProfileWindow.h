#pragma once

#include "core/profiles/ChoiceList.h"
#include "core/profiles/ProfileFiles.h"
#include "core/profiles/ProfileWindow.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <map>

class FakeChoiceList : public ChoiceList {
public:
    void clear() override
    {
        texts.clear();
        tags.clear();
        current = -1;
    }
    void append(const QString &text, int tag) override
    {
        texts.append(text);
        tags.append(tag);
    }
    int count() const override { return int(texts.size()); }
    QString textAt(int position) const override { return texts.value(position); }
    int tagAt(int position) const override { return tags.value(position, -1); }
    int selected() const override { return current; }
    void select(int position) override { current = position >= 0 && position < count() ? position : -1; }
    void setEnabled(bool on) override { enabled = on; }

    QString selectedText() const { return textAt(current); }

    QStringList texts;
    QList<int> tags;
    int current = -1;
    bool enabled = true;
};

class FakeNumberField : public NumberField {
public:
    void setBounds(int lo, int hi) override
    {
        minimum = lo;
        maximum = hi;
    }
    void setIncrement(int step) override { increment = step; }
    void setValue(int v) override { number = minimum == maximum ? v : std::clamp(v, minimum, maximum); }
    int value() const override { return number; }

    int minimum = 0;
    int maximum = 0;
    int increment = 1;
    int number = 0;
};

// A window with every list of the options dialog; `withDialogOnlyLists` false drops the aspect and
// sample-rate lists as the main window does.
class FakeProfileWindow : public ProfileWindow {
public:
    FakeProfileWindow(const ProfileFiles &files, bool withDialogOnlyLists = true)
        : files_(files)
        , dialogOnly_(withDialogOnlyLists)
    {
    }

    ChoiceList &profileList() override { return profiles; }
    ChoiceList &videoFormatList() override { return formats; }
    ChoiceList *formatList(FormatFamily family) override
    {
        if (!dialogOnly_ && (family == FormatFamily::VideoAspect || family == FormatFamily::AudioSampleRate))
            return nullptr;
        return &lists[family];
    }
    NumberField &videoBitRateField() override { return bitRate; }
    void videoFormatChanged() override
    {
        ++formatChanges;
        files_.LoadFormatChoices(*this, formats.selected());
    }
    void profileNameApplied(const QString &name) override { profileName = name; }

    FakeChoiceList &list(FormatFamily family) { return lists[family]; }

    FakeChoiceList profiles;
    FakeChoiceList formats;
    std::map<FormatFamily, FakeChoiceList> lists;
    FakeNumberField bitRate;
    QString profileName;
    int formatChanges = 0;

private:
    const ProfileFiles &files_;
    bool dialogOnly_;
};
