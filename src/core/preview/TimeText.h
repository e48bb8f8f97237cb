#pragma once

#include <QString>

// The trim time fields' text HH:MM:SS as seconds: the digits at positions 1, 2, 4, 5, 7 and 8 of
// the text, each on its own; a blank, a missing character or anything but a digit counts 0.
// Minutes and seconds are not limited to 59 ("00:99:99" is 6039).
int ParseTimeText(const QString &text);

// The range check of the typed times against the current clip's stored times (not against the
// other field's text).
bool StartTimeInRange(int seconds, int endTime);
bool EndTimeInRange(int seconds, int startTime, int duration);
