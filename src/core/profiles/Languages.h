#pragma once

#include "core/profiles/OptionsFile.h"
#include "core/streams/TrackChoice.h"

#include <QString>
#include <iterator>

// One entry of the default-language lists: an ISO 639-1 code and the name shown.
struct LanguageRecord {
    char code[3];
    char name[20];
};
static_assert(sizeof(LanguageRecord) == 23);

inline constexpr LanguageRecord DefaultLanguages[12] = {
    {"de", "Deutsch"},  {"en", "English"},  {"es", "Espanol"},   {"fr", "Francais"},
    {"it", "Italiano"}, {"ja", "Japanese"}, {"ko", "Korean"},    {"la", "Latin"},
    {"pt", "Portugues"}, {"ru", "Russian"}, {"th", "Thai"},      {"zh", "Chinese"},
};

// The code at a position of the lists; empty for a position outside them (nothing selected).
inline QString DefaultLanguageCode(int position)
{
    return position >= 0 && position < int(std::size(DefaultLanguages))
        ? QString::fromLatin1(DefaultLanguages[position].code)
        : QString();
}

// The languages new clips are chosen by, from the positions Option.ini stores.
inline TrackLanguages TrackLanguagesOf(const LanguageChoices &choices)
{
    return {DefaultLanguageCode(choices.audio), DefaultLanguageCode(choices.subtitle)};
}
