#pragma once

#include <QString>
#include <QStringView>

// Language tags as sound tracks, subtitles and subtitle file names carry them: an ISO 639-1 code
// ("ja"), either ISO 639-2 form ("jpn"; "ger" and "deu"), the English name ("Japanese"), in any
// case, possibly with a region after "-" or "_" ("pt-BR").

// One code per language: the ISO 639-1 code where the language has one, else the tag's own
// language part in lower case. Empty for a tag that names no language ("", "und", "mul", "zxx",
// "mis").
QString CanonicalLanguage(QStringView tag);

// Both tags name the same language; a tag without a language matches none.
bool SameLanguage(QStringView a, QStringView b);

// The tag names a language of ISO 639-1, by any of its codes or its name.
bool IsKnownLanguage(QStringView tag);

// The language's English name ("Japanese"), the tag as written for a language without an ISO
// 639-1 code, or empty for a tag without a language.
QString LanguageName(QStringView tag);
