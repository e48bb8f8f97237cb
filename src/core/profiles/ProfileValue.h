#pragma once

#include <QString>

// Marks an absent key, and a removed profile in the store.
inline const QString NoDef = QStringLiteral("nodef");

// The integer at the start of `text` the way C's strtol reads it: leading blanks, an optional
// sign, then digits; no digits give 0. Values beyond 32 bits saturate.
int LeadingInteger(const QString &text);

// Field n (1..9) of a profile value string "f1,f2,...,f9,". A field without a comma after it, or
// missing or empty, reads as 0.
int ProfileField(const QString &value, int n);

// The value string the program writes for a user profile (the built-in flag is 0).
QString ProfileValueString(int videoFormat, int aspect, int resolution, int frameRate, int videoBitRate,
                           int audioBitRate, int sampleRate, int volume);

// Why `name` cannot be stored as an INI key, or an empty text when it can.
QString ProfileNameProblem(const QString &name);
