#include "DefinitionFamilies.h"

#include "ProfileValue.h"

#include "platform/IniFile.h"

#include <QList>
#include <QPair>
#include <QSet>
#include <algorithm>

QString ReadDefinitionValue(const IniFile &definition, const QString &section, const QString &prefix, int n)
{
    const QString value = definition.readString(section, prefix + QStringLiteral("Value") + QString::number(n), NoDef);
    if (value != NoDef)
        return value;
    return definition.readString(section, prefix + QStringLiteral("Text") + QString::number(n), NoDef);
}

QList<QPair<int, QString>> ReadNumberedTexts(const IniFile &file, const QString &section, const QString &key,
                                             int count)
{
    QSet<int> numbers;
    for (const QString &name : file.keysOf(section)) {
        if (name.size() <= key.size() || !name.startsWith(key, Qt::CaseInsensitive))
            continue;
        const QString digits = name.mid(key.size());
        // Keys are written in plain decimal, so "Text01" is not entry 1.
        if (digits.size() > 1 && digits.startsWith(u'0'))
            continue;
        bool ok = false;
        const int n = digits.toInt(&ok);
        if (ok && n >= 0 && n < count && digits[0].isDigit())
            numbers.insert(n);
    }
    QList<int> ordered(numbers.begin(), numbers.end());
    std::sort(ordered.begin(), ordered.end());

    QList<QPair<int, QString>> texts;
    for (int n : ordered) {
        const QString text = file.readString(section, key + QString::number(n), NoDef);
        if (text != NoDef)
            texts.append({n, text});
    }
    return texts;
}

ChoiceFamily ReadChoiceFamily(const IniFile &file, const QString &section, const QString &prefix)
{
    ChoiceFamily family;
    const int count = file.readInteger(section, prefix + QStringLiteral("Count"), 0);
    if (count >= 1) {
        for (const auto &entry : ReadNumberedTexts(file, section, prefix + QStringLiteral("Text"), count))
            family.texts.append(entry.second);
    } else {
        const qint64 maximum = file.readInteger(section, prefix + QStringLiteral("Max"), 0);
        const qint64 minimum = file.readInteger(section, prefix + QStringLiteral("Min"), 0);
        const qint64 step = file.readInteger(section, prefix + QStringLiteral("Step"), 0);
        if (step >= 1) {
            for (qint64 v = minimum; v <= maximum && family.texts.size() < MaxRangeEntries; v += step)
                family.texts.append(QString::number(v));
        }
    }
    family.defaultPosition = file.readInteger(section, prefix + QStringLiteral("Default"), -1);
    return family;
}

NumberFamily ReadNumberFamily(const IniFile &file, const QString &section, const QString &prefix)
{
    NumberFamily family;
    family.maximum = file.readInteger(section, prefix + QStringLiteral("Max"), 0);
    family.minimum = file.readInteger(section, prefix + QStringLiteral("Min"), 0);
    family.value = file.readInteger(section, prefix + QStringLiteral("Default"), 0);
    if (family.minimum != family.maximum)
        family.value = std::clamp(family.value, std::min(family.minimum, family.maximum),
                                  std::max(family.minimum, family.maximum));
    family.step = file.readInteger(section, prefix + QStringLiteral("Step"), 1);
    return family;
}
