#include "TextEncoding.h"

#include <array>
#include <cstdint>

namespace {
// What subtitle files were written in before UTF-8, by the language of their text (ISO 639-1 and
// both 639-2 forms).
struct CodePage {
    const char *encoding;
    std::string_view languages;
};
constexpr std::array<CodePage, 12> kCodePages{{
    {"CP1250", " cs cze ces pl pol hu hun sk slo slk sl slv hr hrv ro rum ron bs bos sq alb sqi "},
    {"CP1251", " ru rus uk ukr bg bul sr srp be bel mk mac mkd "},
    {"CP1253", " el gre ell "},
    {"CP1254", " tr tur "},
    {"CP1255", " he heb "},
    {"CP1256", " ar ara fa per fas "},
    {"CP1257", " lt lit lv lav et est "},
    {"CP1258", " vi vie "},
    {"CP874", " th tha "},
    {"GB18030", " zh chi zho "},
    {"CP932", " ja jpn "},
    {"CP949", " ko kor "},
}};
constexpr const char *kWesternCodePage = "CP1252";

std::string primaryLanguage(const std::string &language)
{
    std::string s = language.substr(0, language.find_first_of("-_"));
    for (char &c : s)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return s;
}

// Length of the UTF-8 sequence starting at `bytes[i]`, 0 when it is not a valid one.
size_t sequenceLength(std::string_view bytes, size_t i)
{
    const auto byte = [&](size_t k) { return static_cast<uint8_t>(bytes[k]); };
    const uint8_t lead = byte(i);
    if (lead < 0x80)
        return 1;
    size_t length = 0;
    uint8_t low = 0x80, high = 0xBF; // the allowed range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80; // overlong
        high = lead == 0xED ? 0x9F : 0xBF; // surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF; // beyond U+10FFFF
    } else
        return 0;
    if (i + length > bytes.size() || byte(i + 1) < low || byte(i + 1) > high)
        return 0;
    for (size_t k = 2; k < length; ++k)
        if ((byte(i + k) & 0xC0) != 0x80)
            return 0;
    return length;
}
}

bool readsAsUtf8(std::string_view bytes)
{
    // A stray bad byte in a UTF-8 file is more likely than legacy text that happens to hold more
    // valid multi-byte sequences than bad bytes.
    size_t multiByte = 0, bad = 0;
    for (size_t i = 0; i < bytes.size();) {
        const size_t length = sequenceLength(bytes, i);
        multiByte += length > 1;
        bad += length == 0;
        i += length == 0 ? 1 : length;
    }
    return bad == 0 || multiByte > bad;
}

std::string legacyTextEncoding(std::string_view bytes, const std::string &language)
{
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF") || readsAsUtf8(bytes))
        return "";
    const std::string word = " " + primaryLanguage(language) + " ";
    for (const CodePage &page : kCodePages)
        if (word.size() > 2 && page.languages.find(word) != std::string_view::npos)
            return page.encoding;
    return kWesternCodePage;
}
