// A source's sound and subtitle streams: the engine's list read, language tags matched, names and
// entries made, and a new clip's sound and subtitles chosen.
#include "core/TVideoInfo.h"
#include "core/streams/ClipStreams.h"
#include "core/streams/IsoLanguages.h"
#include "core/streams/SourceStreams.h"
#include "core/streams/StreamNames.h"
#include "core/streams/TrackChoice.h"

#include <gtest/gtest.h>

namespace {

using Kind = SourceStream::Kind;

SourceStream Sound(int id, const char *language, bool isDefault = false, const char *codec = "aac", int channels = 2)
{
    SourceStream s;
    s.kind = Kind::Sound;
    s.id = id;
    s.language = QLatin1String(language);
    s.codec = QLatin1String(codec);
    s.channels = channels;
    s.isDefault = isDefault;
    return s;
}

SourceStream Subtitle(int id, const char *language, const char *flags = "", const char *codec = "ass")
{
    SourceStream s;
    s.kind = Kind::Subtitle;
    s.id = id;
    s.language = QLatin1String(language);
    s.codec = QLatin1String(codec);
    s.isDefault = QByteArray(flags).contains('d');
    s.forced = QByteArray(flags).contains('f');
    s.bitmap = QByteArray(flags).contains('b');
    return s;
}

SourceStream File(int id, const char *language, const char *path = "/films/film.srt")
{
    SourceStream s = Subtitle(id, language, "", "subrip");
    s.kind = Kind::File;
    s.title = QLatin1String(path);
    return s;
}

} // namespace

TEST(Streams, LanguageTagsMatchAcrossTheIsoFormsAndCase)
{
    const struct {
        const char *a, *b;
        bool same;
    } cases[] = {
        {"en", "eng", true},  {"EN", "Eng", true},   {"fr", "fre", true},   {"fra", "fre", true},
        {"de", "ger", true},  {"deu", "de", true},   {"zh", "chi", true},   {"zho", "chi", true},
        {"ja", "jpn", true},  {"ja", "JPN", true},   {"pt-BR", "por", true}, {"en_US", "en", true},
        {"English", "eng", true}, {"japanese", "ja", true}, {" nl ", "dut", true},
        {"en", "de", false},  {"jpn", "kor", false}, {"yue", "YUE", true},  {"yue", "zh", false},
        // A track without a language tag matches no language, not even another untagged one.
        {"", "", false},      {"", "en", false},     {"und", "und", false}, {"und", "en", false},
        {"mul", "mul", false}, {"zxx", "en", false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(SameLanguage(QString::fromLatin1(c.a), QString::fromLatin1(c.b)), c.same) << c.a << " / " << c.b;

    EXPECT_EQ(LanguageName(u"ger"), QStringLiteral("German"));
    EXPECT_EQ(LanguageName(u"ES"), QStringLiteral("Spanish"));
    EXPECT_EQ(LanguageName(u"yue"), QStringLiteral("yue"));
    EXPECT_EQ(LanguageName(u"und"), QString());
    EXPECT_TRUE(IsKnownLanguage(u"jpn"));
    EXPECT_TRUE(IsKnownLanguage(u"Japanese"));
    EXPECT_FALSE(IsKnownLanguage(u"xx"));
    EXPECT_FALSE(IsKnownLanguage(u"und"));
}

TEST(Streams, TheEngineListKeepsEveryEntryAtItsPlace)
{
    const QString text = QStringLiteral(
        "audio\teng\tac3\t6\td\tMain\n"
        "audio\t\taac\t2\t\t\n"
        "attachment\t\tttf\t0\t\tfont.ttf\n"           // unknown kind: skipped, still counted
        "subtitle\tjpn\thdmv_pgs_subtitle\t0\tbfd\tSigns\n"
        "subtitle\teng\tass\t0\n"                      // too few fields
        "file\ten\tsubrip\t0\t\t/films/film.en.srt\n");
    const SourceStreams streams = ParseStreamList(text);
    ASSERT_EQ(streams.sound.size(), 2);
    SourceStream main = Sound(0, "eng", true, "ac3", 6);
    main.title = QStringLiteral("Main");
    EXPECT_EQ(streams.sound[0], main);
    EXPECT_EQ(streams.sound[1], Sound(1, "", false, "aac", 2));
    ASSERT_EQ(streams.subtitles.size(), 2);
    EXPECT_EQ(streams.subtitles[0].id, 3);
    EXPECT_TRUE(streams.subtitles[0].bitmap && streams.subtitles[0].forced && streams.subtitles[0].isDefault);
    EXPECT_EQ(streams.subtitles[0].title, QStringLiteral("Signs"));
    EXPECT_EQ(streams.subtitles[1], File(5, "en", "/films/film.en.srt"));

    EXPECT_EQ(ParseStreamList(u""), SourceStreams{});
    // No line break after the last entry; a title with blanks kept as it is.
    SourceStream placed = File(0, "", "/a b/c.ass");
    placed.codec = QStringLiteral("ass");
    EXPECT_EQ(ParseStreamList(u"file\t\tass\t0\t\t/a b/c.ass").subtitles, QList<SourceStream>{placed});
    // Ids have three digits: entries past 999 are left out.
    QString many;
    for (int i = 0; i < 1002; ++i)
        many += QStringLiteral("audio\t\taac\t2\t\t\n");
    const SourceStreams lots = ParseStreamList(many);
    ASSERT_EQ(lots.sound.size(), 1000);
    EXPECT_EQ(lots.sound.last().id, 999);
}

TEST(Streams, NamesAndEntries)
{
    SourceStream commentary = Sound(1, "eng", false, "aac", 2);
    const struct {
        SourceStream stream;
        const char *name;
    } cases[] = {
        {Sound(0, "jpn", true, "ac3", 6), "Japanese AC3 5.1"},
        {Sound(0, "", false, "eac3", 8), "E-AC3 7.1"},
        {Sound(0, "de", false, "pcm_s16le", 1), "German PCM mono"},
        {Sound(0, "yue", false, "cook", 3), "yue COOK 3 ch"},
        {Sound(0, "", false, "", 0), "Track"},
        {Subtitle(2, "eng", "f"), "English ASS forced"},
        {Subtitle(2, "fre", "b", "dvd_subtitle"), "French DVD"},
        {Subtitle(2, "und", "", "hdmv_pgs_subtitle"), "PGS"},
        {File(4, "en"), "English SRT file"},
        {File(4, ""), "SRT file"},
        {Subtitle(2, "", "", "weird#codec"), "WEIRD CODEC"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(StreamName(c.stream), QLatin1String(c.name)) << c.name;

    const QStringList entries = StreamEntries({Sound(0, "eng"), commentary, Sound(12, "jpn"), Sound(213, "eng")});
    EXPECT_EQ(entries, QStringList({"English AAC stereo#000", "English AAC stereo (2)#001", "Japanese AAC stereo#012",
                                    "English AAC stereo (3)#213"}));
}

TEST(Streams, SoundIsTheDefaultLanguageElseTheFlaggedElseTheFirst)
{
    const QList<SourceStream> englishFirst{Sound(0, "eng"), Sound(1, "jpn", true)};
    const QList<SourceStream> twoEnglish{Sound(0, "jpn"), Sound(1, "eng"), Sound(2, "eng", true)};
    const QList<SourceStream> untagged{Sound(0, ""), Sound(1, "")};
    const struct {
        QList<SourceStream> sound;
        const char *language;
        int chosen;
    } cases[] = {
        {englishFirst, "ja", 1}, {englishFirst, "en", 0}, {englishFirst, "de", 1}, {englishFirst, "", 1},
        {twoEnglish, "en", 2},   {twoEnglish, "fr", 2},  {untagged, "en", 0},     {{}, "en", 0},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ChooseSound(c.sound, QLatin1String(c.language)), c.chosen) << c.language;
}

TEST(Streams, SubtitlesForForeignSoundForcedOnesOrAFilePutBesideTheSource)
{
    const SourceStream japanese = Sound(0, "jpn");
    const SourceStream english = Sound(0, "eng");
    const SourceStream german = Sound(0, "ger");
    const SourceStream untagged = Sound(0, "");
    const QList<SourceStream> tracks{Subtitle(1, "eng", "f"), Subtitle(2, "ger"), Subtitle(3, "eng"),
                                     Subtitle(4, "jpn", "f")};
    const QList<SourceStream> withFiles = tracks + QList<SourceStream>{File(5, "fr"), File(6, ""), File(7, "")};
    const QList<SourceStream> forcedOnly{Subtitle(1, "eng", "f")};
    const struct {
        const char *why;
        QList<SourceStream> subtitles;
        const SourceStream *sound;
        const char *language;
        int chosen;  // subtitles.size(): none
    } cases[] = {
        {"foreign sound: full subtitles in the language", tracks, &japanese, "en", 2},
        {"German sound, English subtitles wanted", tracks, &german, "en", 2},
        {"Japanese sound, German subtitles wanted", tracks, &japanese, "de", 1},
        {"sound in the language: its forced subtitles", tracks, &english, "en", 0},
        {"no subtitles in the language: the sound's forced ones", tracks, &japanese, "ko", 3},
        {"nothing in the language, nothing forced", {Subtitle(1, "eng")}, &japanese, "fr", 1},
        {"only forced ones in the language, for foreign sound", forcedOnly, &japanese, "en", 0},
        {"untagged sound is not known to be foreign", tracks, &untagged, "en", 4},
        {"no sound", tracks, nullptr, "en", 4},
        {"no default language: the sound's forced ones", tracks, &japanese, "", 3},
        {"a file without a language comes first", withFiles, &english, "en", 5},
        {"a file with a language is one of the subtitles", tracks + QList<SourceStream>{File(5, "fr")}, &japanese, "fr", 4},
        {"no subtitles", {}, &japanese, "en", 0},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ChooseSubtitles(c.subtitles, c.sound, QLatin1String(c.language)), c.chosen) << c.why;
}

TEST(Streams, ANewClipGetsItsListsAndChoicesAndTheTooltipNamesThem)
{
    SourceStreams streams;
    streams.sound = {Sound(0, "eng", false, "ac3", 6), Sound(1, "jpn", true)};
    streams.subtitles = {Subtitle(2, "eng"), File(3, "")};
    TVideoInfo clip;
    ApplySourceStreams(clip, streams, {QStringLiteral("ja"), QStringLiteral("en")});
    EXPECT_EQ(clip.AudioStreams(), QStringList({"English AC3 5.1#000", "Japanese AAC stereo#001"}));
    EXPECT_EQ(clip.SubtitleStreams(), QStringList({"English ASS#002", "SRT file#003"}));
    EXPECT_EQ(clip.AudioIndex(), 1);
    EXPECT_EQ(clip.SubtitleIndex(), 1);
    EXPECT_EQ(ChosenTracksText(clip), QStringLiteral("\nSound track : Japanese AAC stereo\nSubtitles : SRT file"));
    clip.SetSubtitleIndex(2);
    EXPECT_EQ(ChosenTracksText(clip), QStringLiteral("\nSound track : Japanese AAC stereo\nSubtitles : none"));

    // A kind the source has none of stays absent, as for a source whose streams are unknown.
    TVideoInfo silent;
    ApplySourceStreams(silent, {{}, {Subtitle(0, "eng", "f")}}, {QStringLiteral("en"), QStringLiteral("en")});
    EXPECT_FALSE(silent.AudioStreams().has_value());
    EXPECT_EQ(silent.SubtitleIndex(), 1);
    EXPECT_EQ(ChosenTracksText(silent), QStringLiteral("\nSubtitles : none"));
    TVideoInfo unknown;
    ApplySourceStreams(unknown, {}, {});
    EXPECT_FALSE(unknown.AudioStreams().has_value());
    EXPECT_FALSE(unknown.SubtitleStreams().has_value());
    EXPECT_TRUE(unknown.AudioText().isNull());
    EXPECT_EQ(ChosenTracksText(unknown), QString());
}
