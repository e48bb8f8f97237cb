// The command line's --audio and --subtitles against a file's streams, and how the probe command
// lists them.
#include "CliArguments.h"
#include "ProbeCommand.h"
#include "QtPrinting.h"
#include "TrackRequests.h"
#include "core/TVideoInfo.h"
#include "core/conversion/ClipParameters.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <gtest/gtest.h>

namespace {

using Kind = TrackRequest::Kind;

SourceStream Stream(SourceStream::Kind kind, int id, const char *language, const char *codec, const char *flags = "",
                    int channels = 0, const char *title = "")
{
    SourceStream s;
    s.kind = kind;
    s.id = id;
    s.language = QLatin1String(language);
    s.codec = QLatin1String(codec);
    s.channels = channels;
    s.isDefault = QByteArray(flags).contains('d');
    s.forced = QByteArray(flags).contains('f');
    s.bitmap = QByteArray(flags).contains('b');
    s.title = QLatin1String(title);
    return s;
}

// An English track first and a Japanese one flagged default; English subtitles, German forced
// ones and a subtitle file beside the video named for French.
SourceStreams Film()
{
    using K = SourceStream::Kind;
    return {{Stream(K::Sound, 0, "eng", "ac3", "", 6, "Main"), Stream(K::Sound, 1, "jpn", "aac", "d", 2)},
            {Stream(K::Subtitle, 2, "eng", "ass", "d"), Stream(K::Subtitle, 3, "ger", "hdmv_pgs_subtitle", "fb"),
             Stream(K::File, 4, "fr", "subrip", "", 0, "/films/film.fr.srt")}};
}

} // namespace

TEST(TrackRequests, ChooseAsAskedElseAsTheWindowDoes)
{
    const TrackLanguages english{QStringLiteral("en"), QStringLiteral("en")};
    const struct {
        const char *why;
        TrackRequest audio, subtitles;
        TrackLanguages defaults;
        const char *audioText, *subtitleText;
        const char *note;
    } cases[] = {
        {"defaults: English sound, its forced subtitles (none)", {}, {}, english, "000", "-1", ""},
        {"defaults: Japanese sound, English subtitles for it", {}, {}, {"ja", "en"}, "001", "002", ""},
        {"by language", {Kind::Language, "jpn"}, {Kind::Language, "fre"}, english, "001", "004", ""},
        {"by number", {Kind::Number, {}, 1}, {Kind::Number, {}, 2}, {"ja", "en"}, "000", "003", ""},
        {"none", {Kind::Language, "Japanese"}, {Kind::None}, english, "001", "-1", ""},
        {"a language no track has", {Kind::Language, "ko"}, {}, english, "001", "002",
         "no sound track in Korean; converting Japanese AAC stereo"},
        {"subtitles in a language none has", {}, {Kind::Language, "it"}, english, "000", "-1",
         "no subtitles in Italian; converting without"},
    };
    for (const auto &c : cases) {
        TVideoInfo clip;
        const TrackOutcome outcome = ApplyTrackRequests(clip, Film(), c.audio, c.subtitles, c.defaults);
        EXPECT_FALSE(outcome.refusal) << c.why;
        EXPECT_EQ(AudioStreamText(clip.AudioStreams(), clip.AudioIndex()), QLatin1String(c.audioText)) << c.why;
        EXPECT_EQ(SubtitleStreamText(clip.SubtitleStreams(), clip.SubtitleIndex()), QLatin1String(c.subtitleText)) << c.why;
        EXPECT_EQ(outcome.notes.join(u'|'), QLatin1String(c.note)) << c.why;
    }
}

TEST(TrackRequests, ANumberTheFileDoesNotHaveRefusesTheFile)
{
    const struct {
        TrackRequest audio, subtitles;
        std::optional<SourceStreams> streams;
        const char *refusal;
    } cases[] = {
        {{Kind::Number, {}, 3}, {}, Film(), "--audio 3: the file has 2 sound tracks"},
        {{}, {Kind::Number, {}, 4}, Film(), "--subtitles 4: the file has 3 subtitle entries"},
        {{Kind::Number, {}, 2}, {}, SourceStreams{{Film().sound[0]}, {}}, "--audio 2: the file has 1 sound track"},
        {{Kind::Number, {}, 1}, {}, std::nullopt, "--audio 1: the engine does not list the file's tracks"},
    };
    for (const auto &c : cases) {
        TVideoInfo clip;
        const TrackOutcome outcome = ApplyTrackRequests(clip, c.streams, c.audio, c.subtitles, {});
        EXPECT_EQ(outcome.refusal.value_or(QString()), QLatin1String(c.refusal));
    }
    // Without stream lists a file still converts with the engine's defaults, or a named file.
    TVideoInfo clip;
    const TrackOutcome outcome = ApplyTrackRequests(clip, std::nullopt, {Kind::Language, "en"}, {Kind::File, {}, 0, "/s.srt"}, {});
    EXPECT_FALSE(outcome.refusal);
    EXPECT_FALSE(clip.AudioStreams().has_value());
    EXPECT_FALSE(clip.SubtitleStreams().has_value());
}

TEST(TrackRequests, TheProbeListsTheStreamsNumberedAsTheOptionsCountThem)
{
    EXPECT_EQ(StreamsText(Film()),
              "\n  sound tracks:     1  English AC3 5.1, \"Main\""
              "\n                    2  Japanese AAC stereo, default"
              "\n  subtitles:        1  English ASS, default"
              "\n                    2  German PGS forced"
              "\n                    3  French SRT file, /films/film.fr.srt");
    EXPECT_EQ(StreamsText({}), QString());

    QJsonObject json;
    AddStreamsJson(json, Film());
    EXPECT_EQ(QJsonDocument(json["soundTracks"].toArray()[1].toObject()).toJson(QJsonDocument::Compact),
              QByteArray(R"({"channels":2,"codec":"aac","default":true,"forced":false,"language":"jpn",)"
                         R"("name":"Japanese AAC stereo","number":2,"title":""})"));
    EXPECT_EQ(QJsonDocument(json["subtitles"].toArray()[2].toObject()).toJson(QJsonDocument::Compact),
              QByteArray(R"({"bitmap":false,"codec":"subrip","default":false,"file":"/films/film.fr.srt",)"
                         R"("forced":false,"language":"fr","name":"French SRT file","number":3})"));
    QJsonObject none;
    AddStreamsJson(none, {});
    EXPECT_EQ(QJsonDocument(none).toJson(QJsonDocument::Compact), QByteArray(R"({"soundTracks":[],"subtitles":[]})"));
}
