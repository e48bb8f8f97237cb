#pragma once

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
