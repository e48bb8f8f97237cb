#include "core/streams/IsoLanguages.h"

namespace {

struct IsoLanguage {
    const char *code;           // ISO 639-1
    const char *bibliographic;  // ISO 639-2/B
    const char *terminology;    // ISO 639-2/T
    const char *name;
};

// Every language with an ISO 639-1 code, after the iso-codes project's table.
constexpr IsoLanguage Languages[] = {
    {"aa", "aar", "aar", "Afar"},
    {"ab", "abk", "abk", "Abkhazian"},
    {"af", "afr", "afr", "Afrikaans"},
    {"ak", "aka", "aka", "Akan"},
    {"am", "amh", "amh", "Amharic"},
    {"ar", "ara", "ara", "Arabic"},
    {"an", "arg", "arg", "Aragonese"},
    {"as", "asm", "asm", "Assamese"},
    {"av", "ava", "ava", "Avaric"},
    {"ae", "ave", "ave", "Avestan"},
    {"ay", "aym", "aym", "Aymara"},
    {"az", "aze", "aze", "Azerbaijani"},
    {"ba", "bak", "bak", "Bashkir"},
    {"bm", "bam", "bam", "Bambara"},
    {"be", "bel", "bel", "Belarusian"},
    {"bn", "ben", "ben", "Bengali"},
    {"bh", "bih", "bih", "Bihari languages"},
    {"bi", "bis", "bis", "Bislama"},
    {"bo", "tib", "bod", "Tibetan"},
    {"bs", "bos", "bos", "Bosnian"},
    {"br", "bre", "bre", "Breton"},
    {"bg", "bul", "bul", "Bulgarian"},
    {"ca", "cat", "cat", "Catalan"},
    {"cs", "cze", "ces", "Czech"},
    {"ch", "cha", "cha", "Chamorro"},
    {"ce", "che", "che", "Chechen"},
    {"cu", "chu", "chu", "Church Slavic"},
    {"cv", "chv", "chv", "Chuvash"},
    {"kw", "cor", "cor", "Cornish"},
    {"co", "cos", "cos", "Corsican"},
    {"cr", "cre", "cre", "Cree"},
    {"cy", "wel", "cym", "Welsh"},
    {"da", "dan", "dan", "Danish"},
    {"de", "ger", "deu", "German"},
    {"dv", "div", "div", "Divehi"},
    {"dz", "dzo", "dzo", "Dzongkha"},
    {"el", "gre", "ell", "Greek"},
    {"en", "eng", "eng", "English"},
    {"eo", "epo", "epo", "Esperanto"},
    {"et", "est", "est", "Estonian"},
    {"eu", "baq", "eus", "Basque"},
    {"ee", "ewe", "ewe", "Ewe"},
    {"fo", "fao", "fao", "Faroese"},
    {"fa", "per", "fas", "Persian"},
    {"fj", "fij", "fij", "Fijian"},
    {"fi", "fin", "fin", "Finnish"},
    {"fr", "fre", "fra", "French"},
    {"fy", "fry", "fry", "Western Frisian"},
    {"ff", "ful", "ful", "Fulah"},
    {"gd", "gla", "gla", "Gaelic"},
    {"ga", "gle", "gle", "Irish"},
    {"gl", "glg", "glg", "Galician"},
    {"gv", "glv", "glv", "Manx"},
    {"gn", "grn", "grn", "Guarani"},
    {"gu", "guj", "guj", "Gujarati"},
    {"ht", "hat", "hat", "Haitian"},
    {"ha", "hau", "hau", "Hausa"},
    {"he", "heb", "heb", "Hebrew"},
    {"hz", "her", "her", "Herero"},
    {"hi", "hin", "hin", "Hindi"},
    {"ho", "hmo", "hmo", "Hiri Motu"},
    {"hr", "hrv", "hrv", "Croatian"},
    {"hu", "hun", "hun", "Hungarian"},
    {"hy", "arm", "hye", "Armenian"},
    {"ig", "ibo", "ibo", "Igbo"},
    {"io", "ido", "ido", "Ido"},
    {"ii", "iii", "iii", "Sichuan Yi"},
    {"iu", "iku", "iku", "Inuktitut"},
    {"ie", "ile", "ile", "Interlingue"},
    {"ia", "ina", "ina", "Interlingua"},
    {"id", "ind", "ind", "Indonesian"},
    {"ik", "ipk", "ipk", "Inupiaq"},
    {"is", "ice", "isl", "Icelandic"},
    {"it", "ita", "ita", "Italian"},
    {"jv", "jav", "jav", "Javanese"},
    {"ja", "jpn", "jpn", "Japanese"},
    {"kl", "kal", "kal", "Kalaallisut"},
    {"kn", "kan", "kan", "Kannada"},
    {"ks", "kas", "kas", "Kashmiri"},
    {"ka", "geo", "kat", "Georgian"},
    {"kr", "kau", "kau", "Kanuri"},
    {"kk", "kaz", "kaz", "Kazakh"},
    {"km", "khm", "khm", "Central Khmer"},
    {"ki", "kik", "kik", "Kikuyu"},
    {"rw", "kin", "kin", "Kinyarwanda"},
    {"ky", "kir", "kir", "Kirghiz"},
    {"kv", "kom", "kom", "Komi"},
    {"kg", "kon", "kon", "Kongo"},
    {"ko", "kor", "kor", "Korean"},
    {"kj", "kua", "kua", "Kuanyama"},
    {"ku", "kur", "kur", "Kurdish"},
    {"lo", "lao", "lao", "Lao"},
    {"la", "lat", "lat", "Latin"},
    {"lv", "lav", "lav", "Latvian"},
    {"li", "lim", "lim", "Limburgan"},
    {"ln", "lin", "lin", "Lingala"},
    {"lt", "lit", "lit", "Lithuanian"},
    {"lb", "ltz", "ltz", "Luxembourgish"},
    {"lu", "lub", "lub", "Luba-Katanga"},
    {"lg", "lug", "lug", "Ganda"},
    {"mh", "mah", "mah", "Marshallese"},
    {"ml", "mal", "mal", "Malayalam"},
    {"mr", "mar", "mar", "Marathi"},
    {"mk", "mac", "mkd", "Macedonian"},
    {"mg", "mlg", "mlg", "Malagasy"},
    {"mt", "mlt", "mlt", "Maltese"},
    {"mn", "mon", "mon", "Mongolian"},
    {"mi", "mao", "mri", "Maori"},
    {"ms", "may", "msa", "Malay"},
    {"my", "bur", "mya", "Burmese"},
    {"na", "nau", "nau", "Nauru"},
    {"nv", "nav", "nav", "Navajo"},
    {"nr", "nbl", "nbl", "South Ndebele"},
    {"nd", "nde", "nde", "North Ndebele"},
    {"ng", "ndo", "ndo", "Ndonga"},
    {"ne", "nep", "nep", "Nepali"},
    {"nl", "dut", "nld", "Dutch"},
    {"nn", "nno", "nno", "Norwegian Nynorsk"},
    {"nb", "nob", "nob", "Norwegian Bokmal"},
    {"no", "nor", "nor", "Norwegian"},
    {"ny", "nya", "nya", "Chichewa"},
    {"oc", "oci", "oci", "Occitan"},
    {"oj", "oji", "oji", "Ojibwa"},
    {"or", "ori", "ori", "Oriya"},
    {"om", "orm", "orm", "Oromo"},
    {"os", "oss", "oss", "Ossetian"},
    {"pa", "pan", "pan", "Panjabi"},
    {"pi", "pli", "pli", "Pali"},
    {"pl", "pol", "pol", "Polish"},
    {"pt", "por", "por", "Portuguese"},
    {"ps", "pus", "pus", "Pushto"},
    {"qu", "que", "que", "Quechua"},
    {"rm", "roh", "roh", "Romansh"},
    {"ro", "rum", "ron", "Romanian"},
    {"rn", "run", "run", "Rundi"},
    {"ru", "rus", "rus", "Russian"},
    {"sg", "sag", "sag", "Sango"},
    {"sa", "san", "san", "Sanskrit"},
    {"si", "sin", "sin", "Sinhala"},
    {"sk", "slo", "slk", "Slovak"},
    {"sl", "slv", "slv", "Slovenian"},
    {"se", "sme", "sme", "Northern Sami"},
    {"sm", "smo", "smo", "Samoan"},
    {"sn", "sna", "sna", "Shona"},
    {"sd", "snd", "snd", "Sindhi"},
    {"so", "som", "som", "Somali"},
    {"st", "sot", "sot", "Southern Sotho"},
    {"es", "spa", "spa", "Spanish"},
    {"sq", "alb", "sqi", "Albanian"},
    {"sc", "srd", "srd", "Sardinian"},
    {"sr", "srp", "srp", "Serbian"},
    {"ss", "ssw", "ssw", "Swati"},
    {"su", "sun", "sun", "Sundanese"},
    {"sw", "swa", "swa", "Swahili"},
    {"sv", "swe", "swe", "Swedish"},
    {"ty", "tah", "tah", "Tahitian"},
    {"ta", "tam", "tam", "Tamil"},
    {"tt", "tat", "tat", "Tatar"},
    {"te", "tel", "tel", "Telugu"},
    {"tg", "tgk", "tgk", "Tajik"},
    {"tl", "tgl", "tgl", "Tagalog"},
    {"th", "tha", "tha", "Thai"},
    {"ti", "tir", "tir", "Tigrinya"},
    {"to", "ton", "ton", "Tonga"},
    {"tn", "tsn", "tsn", "Tswana"},
    {"ts", "tso", "tso", "Tsonga"},
    {"tk", "tuk", "tuk", "Turkmen"},
    {"tr", "tur", "tur", "Turkish"},
    {"tw", "twi", "twi", "Twi"},
    {"ug", "uig", "uig", "Uighur"},
    {"uk", "ukr", "ukr", "Ukrainian"},
    {"ur", "urd", "urd", "Urdu"},
    {"uz", "uzb", "uzb", "Uzbek"},
    {"ve", "ven", "ven", "Venda"},
    {"vi", "vie", "vie", "Vietnamese"},
    {"vo", "vol", "vol", "Volapuk"},
    {"wa", "wln", "wln", "Walloon"},
    {"wo", "wol", "wol", "Wolof"},
    {"xh", "xho", "xho", "Xhosa"},
    {"yi", "yid", "yid", "Yiddish"},
    {"yo", "yor", "yor", "Yoruba"},
    {"za", "zha", "zha", "Zhuang"},
    {"zh", "chi", "zho", "Chinese"},
    {"zu", "zul", "zul", "Zulu"},
};

// Tags that say the language is not known or not one language.
constexpr const char *NoLanguage[] = {"und", "mul", "zxx", "mis"};

QString LanguagePart(QStringView tag)
{
    const QStringView trimmed = tag.trimmed();
    qsizetype end = 0;
    while (end < trimmed.size() && trimmed[end] != u'-' && trimmed[end] != u'_')
        ++end;
    return trimmed.left(end).toString().toLower();
}

const IsoLanguage *Find(const QString &part)
{
    for (const IsoLanguage &language : Languages) {
        if (part == QLatin1String(language.code) || part == QLatin1String(language.bibliographic)
            || part == QLatin1String(language.terminology)
            || part.compare(QLatin1String(language.name), Qt::CaseInsensitive) == 0)
            return &language;
    }
    return nullptr;
}

} // namespace

QString CanonicalLanguage(QStringView tag)
{
    const QString part = LanguagePart(tag);
    for (const char *none : NoLanguage) {
        if (part == QLatin1String(none))
            return {};
    }
    const IsoLanguage *language = Find(part);
    return language ? QString::fromLatin1(language->code) : part;
}

bool SameLanguage(QStringView a, QStringView b)
{
    const QString canonical = CanonicalLanguage(a);
    return !canonical.isEmpty() && canonical == CanonicalLanguage(b);
}

bool IsKnownLanguage(QStringView tag)
{
    return Find(LanguagePart(tag)) != nullptr;
}

QString LanguageName(QStringView tag)
{
    const QString canonical = CanonicalLanguage(tag);
    if (canonical.isEmpty())
        return {};
    const IsoLanguage *language = Find(canonical);
    return language ? QString::fromLatin1(language->name) : tag.trimmed().toString();
}
