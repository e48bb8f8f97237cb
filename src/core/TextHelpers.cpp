#include "TextHelpers.h"

QString TwoDigits(int n)
{
    const QString digits = QString::number(n);
    return n < 10 ? QStringLiteral("0") + digits : digits;
}

QString SecondsToText(int seconds)
{
    return TwoDigits(seconds / 3600) + QLatin1Char(':') + TwoDigits(seconds % 3600 / 60)
        + QLatin1Char(':') + TwoDigits(seconds % 60);
}
