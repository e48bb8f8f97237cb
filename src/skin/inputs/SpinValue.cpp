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
    const QString number = text.trimmed();
    bool ok = false;
    const int value = number.toInt(&ok, 10);
    if (ok)
        return value;
    // Too many digits for an int is still a number: read as the nearest one, the clamp then
    // brings it within the field's bounds instead of the text staying as typed.
    const bool negative = number.startsWith(u'-');
    const QStringView digits = QStringView(number).sliced(negative ? 1 : 0);
    const bool allDigits = !digits.isEmpty()
        && std::all_of(digits.begin(), digits.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    if (!allDigits)
        return minValue;
    return negative ? std::numeric_limits<int>::min() : std::numeric_limits<int>::max();
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
