#pragma once

#include <QString>

// Decimal text of n with a "0" in front when n < 10 (so 7 -> "07", 123 -> "123").
QString TwoDigits(int n);

// HH:MM:SS; the hours are not limited to two digits (360000 -> "100:00:00").
QString SecondsToText(int seconds);
