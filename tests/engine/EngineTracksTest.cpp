// The sound tracks and subtitles a clip can convert with: the engine's list of them.
#include "EngineLibrary.h"
#include "QtPrinting.h"
#include "TestMedia.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

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
