#pragma once

#include <QChar>
#include <QString>
#include <QtGlobal>

// The numeric field's rules, apart from any widget.

// Equal bounds mean "no limit"; otherwise the value is held within them. Either way the result
// fits an int, so a step past the largest number saturates instead of wrapping.
int clampSpinValue(qint64 value, int minValue, int maxValue);

// The text read as a decimal integer, one beyond int's range as int's bound on its side; anything
// else (empty, letters, a fraction) reads as `minValue`.
int spinValueFromText(const QString &text, int minValue);

// Typed characters the field takes: ASCII digits, '-' and control characters (Delete among them)
// other than Enter.
bool spinAcceptsCharacter(QChar c);
