#include "TimeText.h"

int ParseTimeText(const QString &text)
{
    const struct {
        int position;
        int weight;
    } digits[] = {{0, 36000}, {1, 3600}, {3, 600}, {4, 60}, {6, 10}, {7, 1}};
    int seconds = 0;
    for (const auto &digit : digits) {
        const QChar c = digit.position < text.size() ? text.at(digit.position) : QChar();
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            seconds += (c.unicode() - u'0') * digit.weight;
    }
    return seconds;
}

bool StartTimeInRange(int seconds, int endTime)
{
    return seconds >= 0 && seconds <= endTime;
}

bool EndTimeInRange(int seconds, int startTime, int duration)
{
    return seconds <= duration && seconds >= startTime;
}
