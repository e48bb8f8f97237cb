#pragma once

#include <QString>
#include <QList>
#include <QPair>
#include <QStringList>

class IniFile;

// The entries of a list family as the definition file describes them.
struct ChoiceFamily {
    QStringList texts;
    int defaultPosition = -1;
};

// The bounds, starting value and arrow step of a number family.
struct NumberFamily {
    int maximum = 0;
    int minimum = 0;
    int value = 0;
    int step = 1;
};

// Cap on the entries a range-form family may produce, so a hand-edited range cannot freeze the
// window filling a list.
inline constexpr int MaxRangeEntries = 1000;

// Count/Text form when Count >= 1, entries without a Text key left out; range form otherwise,
// where a Step below 1 gives no entries.
ChoiceFamily ReadChoiceFamily(const IniFile &file, const QString &section, const QString &prefix);

// The value is kept within the bounds unless they are equal.
NumberFamily ReadNumberFamily(const IniFile &file, const QString &section, const QString &prefix);

// The engine value of entry n of a family: its Value key, else its Text key, else "nodef".
QString ReadDefinitionValue(const IniFile &definition, const QString &section, const QString &prefix, int n);

// The texts of `prefix` + `stem` + n for n = 0 .. count-1 that the section holds, by n. Only keys
// present in the file are read, so a huge count costs nothing.
QList<QPair<int, QString>> ReadNumberedTexts(const IniFile &file, const QString &section, const QString &key,
                                             int count);
