#include "SpinValue.h"

#include <algorithm>
#include <limits>

int clampSpinValue(qint64 value, int minValue, int maxValue)
{
    if (minValue != maxValue) {
        if (value < minValue)
            value = minValue;
        else if (value > maxValue)
            value = maxValue;
    }
    return int(std::clamp<qint64>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

int spinValueFromText(const QString &text, int minValue)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    return ok ? value : minValue;
}

bool spinAcceptsCharacter(QChar c)
{
    if (c.isDigit())
        return c.unicode() < 128;
    if (c == QLatin1Char('-'))
        return true;
    // Editing keys arrive as control characters: Backspace as 0x08, Delete as 0x7F on X11.
    return c.category() == QChar::Other_Control && c != QLatin1Char('\r') && c != QLatin1Char('\n');
}
