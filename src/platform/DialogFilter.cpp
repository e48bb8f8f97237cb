#include "DialogFilter.h"

#include <QRegularExpression>
#include <QSet>

namespace {

QSet<QString> maskSet(const QStringList &masks)
{
    QSet<QString> set;
    for (const QString &mask : masks)
        set.insert(mask.toLower());
    return set;
}

// The description without a parenthesised list of exactly these masks at its end, which it often
// shows already ("Video Files (*.avi;*.mp4)"): Qt reads the masks from the last parentheses.
QString withoutShownMasks(const QString &description, const QStringList &masks)
{
    static const QRegularExpression shownList(QStringLiteral("\\s*\\(([^()]*)\\)\\s*$"));
    const QRegularExpressionMatch shown = shownList.match(description);
    if (!shown.hasMatch())
        return description;
    static const QRegularExpression separators(QStringLiteral("[;\\s]+"));
    const QStringList listed = shown.captured(1).split(separators, Qt::SkipEmptyParts);
    return maskSet(listed) == maskSet(masks) ? description.left(shown.capturedStart()) : description;
}

} // namespace

QStringList QtNameFilters(const QString &programFilter)
{
    const QStringList parts = programFilter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList masks = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString &mask : masks)
            mask = mask.trimmed();
        masks.removeAll(QString());
        if (masks.isEmpty())
            continue;
        filters.append(withoutShownMasks(parts[i].trimmed(), masks) + QStringLiteral(" (")
                       + masks.join(QLatin1Char(' ')) + QLatin1Char(')'));
    }
    return filters;
}
