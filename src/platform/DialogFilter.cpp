#include "DialogFilter.h"

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
        // Qt reads the masks from the parentheses at the end, so they are appended even when
        // the description already shows them.
        filters.append(parts[i].trimmed() + QStringLiteral(" (") + masks.join(QLatin1Char(' '))
                       + QLatin1Char(')'));
    }
    return filters;
}
