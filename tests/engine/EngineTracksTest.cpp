// The sound track and the subtitles a clip converts with: the engine's list of them, the sound
// stream it takes, and the subtitles it burns into the picture.
#include "Conversions.h"
#include "EngineLibrary.h"
#include "PspConformity.h"
#include "QtPrinting.h"
#include "TestMedia.h"
#include "TrackMedia.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>

namespace {
constexpr int Width = 480, Height = 272;
// The 4:3 source scaled into the PSP's 16:9 frame, with bars left and right.
constexpr int PictureWidth = 364, PictureLeft = (Width - PictureWidth) / 2;

// The list the engine gives for `path`, asked for as the program does: the size first.
QString streamList(const QString &path, int32_t *length = nullptr)
{
    const auto &engine = EngineLibrary::get();
    const QByteArray file = path.toUtf8();
    const int32_t needed = engine.X_Get_Stream_List(file.constData(), nullptr, 0);
    if (length)
        *length = needed;
    if (needed < 0)
        return "failed";
    QByteArray text(needed + 1, '\0');
    return engine.X_Get_Stream_List(file.constData(), text.data(), int32_t(text.size())) == needed
        ? QString::fromUtf8(text.constData())
        : "changed";
}

// The "tracks" source as film.mkv in a folder of its own, where tests put subtitle files beside it.
struct FilmFolder {
    QTemporaryDir dir;
    QString video = dir.filePath("film.mkv");
    FilmFolder() { QFile::copy(mediaPath("tracks"), video); }
    QString path(const QString &name) const { return dir.filePath(name); }
};

// Pixels of the `area` of two gray pictures (Width x Height) that differ by more than noise.
int changedPixels(const std::vector<uint8_t> &a, const std::vector<uint8_t> &b, const QRect &area)
{
    if (a.size() != size_t(Width * Height) || b.size() != a.size())
        return -1;
    int changed = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            changed += std::abs(int(a[y * Width + x]) - int(b[y * Width + x])) > 40;
    return changed;
}

// `r` on a canvas (the 320 x 240 source, a subtitle script's, a DVB screen) to where it lies in the
// written picture.
QRect inPicture(const QRect &r, QSize canvas = QSize(320, 240))
{
    const double sx = double(PictureWidth) / canvas.width(), sy = double(Height) / canvas.height();
    const int left = std::max(0, int(std::ceil(r.left() * sx))), top = int(std::ceil(r.top() * sy));
    const int right = int((r.right() + 1) * sx) - 1, bottom = int((r.bottom() + 1) * sy) - 1;
    return QRect(QPoint(PictureLeft + left, top), QPoint(PictureLeft + right, bottom));
}

// The gray pictures (Width x Height) of a 25 fps file at `seconds`, read in one pass.
std::vector<std::vector<uint8_t>> framesGray(const QString &file, const std::vector<double> &seconds)
{
    QStringList picked;
    for (double s : seconds)
        picked << QString("eq(n\\,%1)").arg(std::lround(s * 25));
    const ToolResult r = runTool("ffmpeg", {"-v", "error", "-i", file, "-vf",
                                            "select='" + picked.join('+') + "'", "-fps_mode", "passthrough",
                                            "-pix_fmt", "bgr24", "-f", "rawvideo", "-"});
    std::vector<std::vector<uint8_t>> frames;
    const int size = Width * Height;
    for (qsizetype at = 0; at + size * 3 <= r.output.size(); at += size * 3)
        frames.push_back(grayFromBgr(reinterpret_cast<const uint8_t *>(r.output.constData() + at), size));
    frames.resize(seconds.size());
    return frames;
}

ConversionRequest pillarboxed(const QString &source, const QString &output)
{
    ConversionRequest r;
    r.source = source;
    r.output = output;
    r.frameRate = "25";
    r.frameSize = QString("%1:%2").arg(PictureWidth).arg(Height);
    r.length = "3";
    return r;
}

void expectConformant(const ConversionRequest &r)
{
    PspExpectation e;
    e.codec = "h264";
    e.frameRate = 25;
    e.seconds = r.length.toDouble();
    EXPECT_EQ(pspViolations(r.output, e), QStringList());
}
}

TEST(EngineTracks, ListsSoundThenSubtitleStreamsThenTheSubtitleFilesBesideByName)
{
    FilmFolder folder;
    for (const char *name : {"film.srt", "film.en.srt", "film.fr.forced.ass", "film.pt-BR.vtt", "film.mkv.srt",
                             "film.de.default.SSA", "film.part1.srt", "filmography.srt", "other.srt", "film.sub",
                             "film.txt"})
        writeFile(folder.path(name), "1\n00:00:01,000 --> 00:00:02,000\nHallo\n");
    ASSERT_TRUE(QDir().mkpath(folder.path("film.es.srt")));

    const QString files = QString("file\tde\tass\t0\td\t%1/film.de.default.SSA\n"
                                  "file\ten\tsubrip\t0\t\t%1/film.en.srt\n"
                                  "file\tfr\tass\t0\tf\t%1/film.fr.forced.ass\n"
                                  "file\t\tsubrip\t0\t\t%1/film.mkv.srt\n"
                                  "file\tpt-BR\twebvtt\t0\t\t%1/film.pt-BR.vtt\n"
                                  "file\t\tsubrip\t0\t\t%1/film.srt\n")
                              .arg(folder.dir.path());
    EXPECT_EQ(streamList(folder.video), "audio\teng\tflac\t2\t\t\n"
                                        "audio\tjpn\tflac\t1\td\tJapanese\n"
                                        "subtitle\teng\tass\t0\t\tSigns\n"
                                        "subtitle\tfre\tsubrip\t0\tf\t\n"
                                        "subtitle\teng\tdvd_subtitle\t0\tb\t\n"
                                            + files);

    // A buffer too small holds no text, and the length says how large to make it.
    const QByteArray video = folder.video.toUtf8();
    char small[16] = "untouched";
    const int32_t length = EngineLibrary::get().X_Get_Stream_List(video.constData(), small, sizeof small);
    EXPECT_EQ(length, streamList(folder.video).toUtf8().size());
    EXPECT_STREQ(small, "");

    int32_t failed = 0;
    writeFile(folder.path("notes.txt"), "not a video");
    for (const QString &unreadable : {folder.path("notes.txt"), folder.path("gone.mkv")}) {
        streamList(unreadable, &failed);
        EXPECT_EQ(failed, -1) << unreadable.toStdString();
    }
}

TEST(EngineTracks, BurnsTheChosenSubtitlesIntoThePictureOnlyWhileTheyShow)
{
    using namespace TrackCues;
    FilmFolder folder;
    writeFile(folder.path("film.srt"), "1\n00:00:01,000 --> 00:00:02,000\nHHHHHHHH\n\n"
                                       "2\n00:00:05,000 --> 00:00:06,000\nHHHHHHHH\n\n");
    // The lower part of the picture, where a line of plain text goes.
    const QRect textBand(QPoint(PictureLeft, Height - 60), QPoint(PictureLeft + PictureWidth - 1, Height - 1));
    const QRect all(0, 0, Width, Height);
    const struct {
        const char *why;
        QString source, subtitle;
        int start;
        double cue; // where its cue starts in the clip, for a second
        QRect area;
    } cases[] = {
        {"ASS track, its box cut at the picture's edge", folder.video, "002", 0, Start, inPicture(AssBox)},
        {"DVD picture track", folder.video, "004", 0, Start, inPicture(DvdRectangle)},
        {"SubRip file beside, by its id", folder.video, "005", 0, Start, textBand},
        {"SubRip file by its path, its cue at 5 s after a trim start at 3 s", folder.video, folder.path("film.srt"), 3,
         2, textBand},
        // MPEG-TS timestamps that jump are closed up; eleven quiet seconds between two lines are no
        // jump. The trim start is read from the keyframe at 0 s, so both lines are read.
        {"DVB picture track in MPEG-TS, its second line eleven seconds after the first", mediaPath("broadcast"), "000",
         11, LateStart - 11, inPicture(DvdRectangle, QSize(720, 576))},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.why);
        // The last frame before the cue, its first, and one after its end.
        const std::vector<double> times{c.cue - 0.04, c.cue, c.cue + 1.5};
        ConversionRequest r = pillarboxed(c.source, folder.path("burned.MP4"));
        r.start = QString::number(c.start);
        r.length = "4";
        r.subtitle = c.subtitle;
        ASSERT_EQ(convert(r), 0);
        expectConformant(r);
        ConversionRequest unburned = r;
        unburned.output = folder.path("plain.MP4");
        unburned.subtitle = "-1";
        ASSERT_EQ(convert(unburned), 0);
        const auto burned = framesGray(r.output, times);
        const auto plain = framesGray(unburned.output, times);
        EXPECT_EQ(changedPixels(burned[0], plain[0], all), 0) << "before the cue";
        EXPECT_EQ(changedPixels(burned[2], plain[2], all), 0) << "after the cue";

        const int inside = changedPixels(burned[1], plain[1], c.area);
        EXPECT_GT(inside, c.area == textBand ? 300 : c.area.width() * c.area.height() * 3 / 4);
        // Edges that cut through pixels blend into the ones beside; the bars stay black.
        const QRect edges = c.area.adjusted(-2, -2, 2, 2) & QRect(PictureLeft, 0, PictureWidth, Height);
        EXPECT_LE(changedPixels(burned[1], plain[1], all) - changedPixels(burned[1], plain[1], edges), 10)
            << "drawn outside its place";
        if (c.area == textBand) {
            int rows = 0;
            for (int y = textBand.top(); y <= textBand.bottom(); ++y)
                rows += changedPixels(burned[1], plain[1], QRect(textBand.left(), y, textBand.width(), 1)) > 0;
            EXPECT_GE(rows, 14) << "letters too small for the PSP's screen";
            EXPECT_LE(rows, 26) << "letters too large for the PSP's screen";
        }
    }
}

// A subtitle file in a legacy character set shows the same letters as its UTF-8 twin: Western by
// default, Cyrillic when its name says Russian.
TEST(EngineTracks, ReadsALegacySubtitleFileInItsCharacterSet)
{
    FilmFolder folder;
    const QByteArray cue = "1\r\n00:00:01,000 --> 00:00:02,000\r\n";
    const struct {
        const char *name;
        QByteArray legacy, unicode;
    } cases[] = {
        {"latin.srt", "\xC9l\xE8ve \xE0 c\xF4t\xE9, gar\xE7on \x9C", "\u00c9l\u00e8ve \u00e0 c\u00f4t\u00e9, gar\u00e7on \u0153"},
        {"film.ru.srt", "\xCF\xF0\xE8\xE2\xE5\xF2, \xEC\xE8\xF0", "\u041f\u0440\u0438\u0432\u0435\u0442, \u043c\u0438\u0440"},
    };
    const QRect band(PictureLeft, Height - 60, PictureWidth, 60);
    ConversionRequest plain = pillarboxed(folder.video, folder.path("plain.MP4"));
    plain.length = "2";
    ASSERT_EQ(convert(plain), 0);
    const std::vector<uint8_t> unburned = framesGray(plain.output, {1.5})[0];
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<uint8_t> shown[2];
        for (int unicode : {0, 1}) {
            const QString file = folder.path(unicode ? QString("utf8-") + c.name : c.name);
            writeFile(file, cue + (unicode ? c.unicode : c.legacy) + "\r\n\r\n");
            ConversionRequest r = plain;
            r.output = folder.path(QString("%1.MP4").arg(unicode));
            r.subtitle = file;
            ASSERT_EQ(convert(r), 0);
            shown[unicode] = framesGray(r.output, {1.5})[0];
        }
        EXPECT_GT(changedPixels(shown[1], unburned, band), 300);
        EXPECT_LE(changedPixels(shown[0], shown[1], band), 10);
    }
}

// An ASS track drawn in a font the MKV carries, which the system lacks: Qt's documentation icons,
// where the system's fonts have no glyphs at all.
TEST(EngineTracks, DrawsTextInTheFontsTheVideoCarries)
{
    const QString font = "/usr/share/qt6/doc/global/template/style/icomoon.ttf";
    if (!QFile::exists(font))
        GTEST_SKIP() << "no font outside the system's to attach: " << font.toStdString();
    const QByteArray script = "[Script Info]\nScriptType: v4.00+\nPlayResX: 320\nPlayResY: 240\n\n[V4+ Styles]\n"
                              "Format: Name, Fontname, Fontsize, PrimaryColour, Alignment\n"
                              "Style: Icons,icomoon,60,&H00FFFFFF,5\n\n[Events]\n"
                              "Format: Layer, Start, End, Style, Text\n"
                              "Dialogue: 0,0:00:00.00,0:00:02.00,Icons,\uE600\uE601\uE602\uE603\n";
    QTemporaryDir dir;
    std::vector<uint8_t> shown[2];
    for (int attached : {0, 1}) {
        const QString video = dir.filePath(QString("fonts%1.mkv").arg(attached));
        QStringList args{"-v", "error", "-f", "lavfi", "-i", "color=c=0x303030:s=320x240:r=25:d=2", "-f", "ass",
                         "-i", "data:text/plain;base64," + QString::fromLatin1(script.toBase64()), "-c:v", "libx264",
                         "-preset", "ultrafast", "-pix_fmt", "yuv420p", "-c:s", "ass"};
        if (attached)
            args << "-attach" << font << "-metadata:s:t" << "mimetype=application/x-truetype-font";
        ASSERT_EQ(runTool("ffmpeg", args << video).exitCode, 0);
        ConversionRequest r = pillarboxed(video, dir.filePath(QString("%1.MP4").arg(attached)));
        r.length = "2";
        r.subtitle = "000";
        ASSERT_EQ(convert(r), 0);
        shown[attached] = framesGray(r.output, {1})[0];
    }
    EXPECT_GT(changedPixels(shown[0], shown[1], QRect(0, 0, Width, Height)), 1000)
        << "the same as the system's stand-in glyphs";
}
