// The real pocketreel-cli, run as a user runs it, with the real engine on tiny media: each test
// has a private application folder (the program, the engine and the shipped definition, profile
// and options files), home folder and output folder. Outputs are judged by the engine tests' PSP
// conformity rules.
#include "PspConformity.h"
#include "QtPrinting.h"
#include "TestMedia.h"
#include "core/conversion/ClipParameters.h"
#include "platform/IniFile.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QRegularExpression>
#include <QSize>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtCore/qtestsupport_core.h>
#include <csignal>
#include <fcntl.h>
#include <functional>
#include <map>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct CliResult {
    int exitCode = -1;
    QStringList out;  // lines
    QString err;
};

class RealCli : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!QFile::exists(QStringLiteral(POCKETREEL_APP_DIR "/DVDEncoder.so")))
            GTEST_SKIP() << "the engine library is not built";
        if (QStandardPaths::findExecutable("ffmpeg").isEmpty() || QStandardPaths::findExecutable("ffprobe").isEmpty())
            GTEST_SKIP() << "no ffmpeg and ffprobe tools to make and judge media";
        ASSERT_TRUE(root.isValid());
        for (const char *folder : {"app", "home", "out"})
            ASSERT_TRUE(QDir(root.path()).mkpath(QLatin1String(folder)));
        ASSERT_TRUE(QFile::copy(QStringLiteral(POCKETREEL_CLI), App() + "pocketreel-cli"));
        ASSERT_TRUE(QFile::copy(QStringLiteral(POCKETREEL_APP_DIR "/DVDEncoder.so"), App() + "DVDEncoder.so"));
        for (const char *name : {"PfDef.dll", "PfSetting.ini", "Option.ini"})
            ASSERT_TRUE(QFile::copy(QStringLiteral(POCKETREEL_SOURCE_DIR "/assets/ini/") + QLatin1String(name),
                                    App() + QLatin1String(name)));
        QFile::setPermissions(App() + "Option.ini", QFile::ReadOwner | QFile::WriteOwner);
    }

    QString App() const { return root.path() + "/app/"; }
    QString Out() const { return root.path() + "/out/"; }

    // `whileRunning` gets the process once it has started and reads its standard error itself.
    CliResult Run(const QStringList &arguments, const std::function<void(QProcess &, QString &err)> &whileRunning = {})
    {
        QProcess cli;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", root.path() + "/home");
        env.remove("XDG_CONFIG_HOME");
        env.remove("QT_LOGGING_RULES");
        cli.setProcessEnvironment(env);
        cli.start(App() + "pocketreel-cli", arguments);
        CliResult result;
        if (!cli.waitForStarted(10000))
            return result;
        if (whileRunning)
            whileRunning(cli, result.err);
        EXPECT_TRUE(cli.waitForFinished(180000)) << arguments.join(' ').toStdString();
        result.exitCode = cli.exitStatus() == QProcess::NormalExit ? cli.exitCode() : -1;
        result.out = QString::fromLocal8Bit(cli.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
        result.err += QString::fromLocal8Bit(cli.readAllStandardError());
        return result;
    }

    int StoredSerial() const { return IniFile(App() + "Option.ini").readInteger("Option", "OutputSerialNumber", -1); }
    void SetOption(const char *key, const QString &value)
    {
        IniFile(App() + "Option.ini").writeString("Option", QLatin1String(key), value);
    }

    QTemporaryDir root;
};

// Converted to its end, the output lasts as long as the source's video (Matroska states only
// the whole file's length).
double VideoSeconds(const QString &file)
{
    const QJsonObject probe = probeJson(file);
    const double video = numberOf(streamOf(probe, 0), "duration");
    return video > 0 ? video : numberOf(probe["format"].toObject(), "duration");
}

PspExpectation H264(double seconds, const QString &title)
{
    PspExpectation e;
    e.codec = "h264";
    e.width = 480;
    e.height = 272;
    e.seconds = seconds;
    e.title = title;
    return e;
}

QSize PictureSize(const QString &file)
{
    const QJsonObject picture = streamOf(probeJson(file), 0);
    return {picture["width"].toInt(), picture["height"].toInt()};
}

} // namespace

TEST_F(RealCli, TwoKindsOfFileBecomeConformantMaqFilesWithThumbnails)
{
    const QStringList sources{mediaPath("avi"), mediaPath("dvd")};
    const CliResult r = Run(QStringList{"convert", "-o", Out()} + sources);

    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, (QStringList{Out() + "MAQ70001.MP4", Out() + "MAQ70002.MP4"}));
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(sources[i].toStdString());
        EXPECT_EQ(pspViolations(r.out[i], H264(VideoSeconds(sources[i]), TitleOfSource(sources[i]))), QStringList());
        EXPECT_EQ(PictureSize(r.out[i].chopped(3) + "THM"), QSize(160, 120));
    }
    EXPECT_EQ(StoredSerial(), 3);
}

// With --upload the new files go on to the PSP's MPEG-4 folder.
TEST_F(RealCli, AnExplicitMpeg4RunGivesM4vNamesTheTitleGivenAndUploads)
{
    ASSERT_TRUE(QDir(root.path()).mkpath("psp/PSP"));
    ASSERT_TRUE(QDir(root.path()).mkpath("psp/MP_ROOT/100MNV01"));
    const CliResult r = Run({"convert", "--format", "mpeg4", "--title", "Holiday at the sea", "-o", Out(),
                             "--upload", "--to", root.path() + "/psp", mediaPath("mkv")});

    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QString uploaded = root.path() + "/psp/MP_ROOT/100MNV01/M4V70001.MP4";
    EXPECT_EQ(r.out, (QStringList{Out() + "M4V70001.MP4", uploaded}));
    PspExpectation e;
    e.codec = "mpeg4";
    e.width = 320;
    e.height = 240;
    e.mpeg4Level = 4;
    e.seconds = VideoSeconds(mediaPath("mkv"));
    e.title = "Holiday at the sea";
    EXPECT_EQ(pspViolations(Out() + "M4V70001.MP4", e), QStringList());
    EXPECT_EQ(fileBytes(uploaded), fileBytes(Out() + "M4V70001.MP4"));
    EXPECT_EQ(fileBytes(uploaded.chopped(3) + "THM"), fileBytes(Out() + "M4V70001.THM"));
}

TEST_F(RealCli, StartAndEndCutWhereTheLengthRulesLeaveTheRange)
{
    const QString source = mediaPath("long");  // 30 s
    const struct {
        QStringList range;
        int minDuration;
        double seconds;
    } cases[] = {
        {{"--start", "5", "--end", "00:00:12"}, -1, 7},   // as typed
        {{"--start", "00:00:20"}, -1, 10},                // to the end
        {{"--start", "3", "--end", "28"}, -1, 27},        // within 2 s of the end: to the end
        {{"--start", "3", "--end", "6"}, 10, 10},         // lengthened to the minimum duration
    };
    int serial = 1;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.range.join(' ').toStdString());
        SetOption("MinDuration", QString::number(c.minDuration));
        const CliResult r = Run(QStringList{"convert", "-o", Out()} + c.range + QStringList{source});
        ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
        const QString output = Out() + QStringLiteral("MAQ7%1.MP4").arg(serial++, 4, 10, QChar(u'0'));
        EXPECT_EQ(r.out, QStringList{output});
        EXPECT_EQ(pspViolations(output, H264(c.seconds, TitleOfSource(source))), QStringList());
    }
}

// An earlier output is lost work: a name whose MP4, THM or partial file is in the folder is
// skipped, even when Option.ini was set back.
TEST_F(RealCli, AnExistingOutputIsNeverOverwritten)
{
    for (const char *name : {"MAQ70001.MP4", "MAQ70002.THM", "MAQ70003.MP4.part"}) {
        QFile file(Out() + QLatin1String(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("earlier work");
    }
    const CliResult first = Run({"convert", "-o", Out(), mediaPath("webm")});
    ASSERT_EQ(first.exitCode, 0) << first.err.toStdString();
    EXPECT_EQ(first.out, QStringList{Out() + "MAQ70004.MP4"});
    EXPECT_EQ(StoredSerial(), 5);

    SetOption("OutputSerialNumber", "1");
    const CliResult second = Run({"convert", "-o", Out(), mediaPath("webm")});
    ASSERT_EQ(second.exitCode, 0) << second.err.toStdString();
    EXPECT_EQ(second.out, QStringList{Out() + "MAQ70005.MP4"});
    for (const char *name : {"MAQ70001.MP4", "MAQ70002.THM", "MAQ70003.MP4.part"})
        EXPECT_EQ(fileBytes(Out() + QLatin1String(name)), QByteArray("earlier work")) << name;
    EXPECT_FALSE(QFile::exists(Out() + "MAQ70001.THM"));
}

TEST_F(RealCli, ACorruptOrMissingFileFailsAloneWithAOneLineReason)
{
    const QString corrupt = root.filePath("broken.avi");
    {
        QFile file(corrupt);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(fileBytes(mediaPath("avi")).left(3000));
    }
    const QString missing = root.filePath("gone.avi");
    const CliResult r = Run({"convert", "-q", "-o", Out(), mediaPath("silent"), corrupt, missing, mediaPath("phone")});

    EXPECT_EQ(r.exitCode, 1);
    // Each refusal: the engine's own line, then the command line's with the engine's reason.
    EXPECT_EQ(r.err, "DVDEncoder: probe failed at opening " + corrupt + ": the file ends early\n"
                     "pocketreel-cli: " + corrupt + ": the file ends early\n"
                     "DVDEncoder: probe failed at opening " + missing + ": the file does not exist\n"
                     "pocketreel-cli: " + missing + ": no such file\n");
    EXPECT_EQ(r.out, (QStringList{Out() + "MAQ70001.MP4", Out() + "MAQ70002.MP4"}));
    EXPECT_EQ(pspViolations(Out() + "MAQ70001.MP4", H264(VideoSeconds(mediaPath("silent")), "silent")), QStringList());
    EXPECT_TRUE(QFile::exists(Out() + "MAQ70002.THM"));
}

TEST_F(RealCli, CtrlCMidFileLeavesAPlayableShorterFileAndSkipsTheRest)
{
    const QRegularExpression underWay(QStringLiteral("MAQ70001\\.MP4: +([2-9]\\d)%"));
    bool signalled = false;
    const CliResult r = Run({"convert", "-o", Out(), mediaPath("long"), mediaPath("avi")}, [&](QProcess &cli, QString &err) {
        cli.setReadChannel(QProcess::StandardError);
        while (!signalled && cli.state() == QProcess::Running) {
            cli.waitForReadyRead(100);
            err += QString::fromLocal8Bit(cli.readAllStandardError());
            if (underWay.match(err).hasMatch()) {
                ::kill(pid_t(cli.processId()), SIGINT);
                signalled = true;
            }
        }
    });

    ASSERT_TRUE(signalled) << r.err.toStdString();
    EXPECT_EQ(r.exitCode, 130) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains("MAQ70001.MP4: stopped with 00:00:")) << r.err.toStdString();
    EXPECT_EQ(r.out, QStringList{Out() + "MAQ70001.MP4"});
    const double seconds = numberOf(streamOf(probeJson(Out() + "MAQ70001.MP4"), 0), "nb_read_frames") / (30000.0 / 1001);
    EXPECT_GT(seconds, 3);
    EXPECT_LT(seconds, 28);
    EXPECT_EQ(pspViolations(Out() + "MAQ70001.MP4", H264(seconds, "long")), QStringList());
    EXPECT_TRUE(QFile::exists(Out() + "MAQ70001.THM"));
    EXPECT_EQ(QDir(Out()).entryList(QDir::Files), (QStringList{"MAQ70001.MP4", "MAQ70001.THM"}));
}

TEST_F(RealCli, AnUnknownProfileIsAUsageErrorAndAMissingEngineSaysSo)
{
    const CliResult unknown = Run({"convert", "--profile", "Best", "-o", Out(), mediaPath("avi")});
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_TRUE(unknown.err.startsWith("pocketreel-cli: unknown profile \"Best\"; the profiles are:\n"
                                       "* PSP H.264 480x272 Standard : ")) << unknown.err.toStdString();
    EXPECT_TRUE(unknown.err.contains("  PSP MPEG-4 320x240 Older Firmware : ")) << unknown.err.toStdString();

    ASSERT_TRUE(QFile::remove(App() + "DVDEncoder.so"));
    const CliResult missing = Run({"convert", "-o", Out(), mediaPath("avi")});
    EXPECT_EQ(missing.exitCode, 3);
    EXPECT_TRUE(missing.err.startsWith("pocketreel-cli: cannot load the conversion engine " + App() + "DVDEncoder.so"))
        << missing.err.toStdString();
    EXPECT_EQ(Run({"probe", mediaPath("avi")}).exitCode, 3);

    EXPECT_EQ(QDir(Out()).entryList(QDir::Files), QStringList());
    EXPECT_EQ(StoredSerial(), 1);
}

TEST_F(RealCli, ProbeJsonOfEverySourceKindParsesForScripts)
{
    const QStringList kinds = conformitySourceKinds();
    QStringList files;
    for (const QString &kind : kinds)
        files << mediaPath(kind);
    const CliResult r = Run(QStringList{"probe", "--json"} + files);

    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(r.out.join(u'\n').toUtf8(), &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    ASSERT_TRUE(document.isArray());
    const QJsonArray results = document.array();
    ASSERT_EQ(results.size(), kinds.size());
    for (qsizetype i = 0; i < kinds.size(); ++i) {
        SCOPED_TRACE(kinds[i].toStdString());
        const QJsonObject facts = results[i].toObject();
        EXPECT_EQ(facts["file"].toString(), files[i]);
        EXPECT_GT(facts["duration"].toInt(), 0);
        EXPECT_GT(facts["width"].toInt(), 0);
        EXPECT_GT(facts["frameRate"].toDouble(), 0);
        EXPECT_TRUE(facts["displayAspect"].toString().contains(u':'));
    }
    EXPECT_FALSE(results[kinds.indexOf("dvd")].toObject()["squarePixels"].toBool());
    EXPECT_EQ(results[kinds.indexOf("dvd")].toObject()["displayAspect"].toString(), "16:9");
}

// "tracks" holds an English sound track (quiet), then a Japanese one (loud) flagged default. The
// options' default audio language chooses, else the flagged track; --audio overrides both.
TEST_F(RealCli, TheSoundTrackIsTheOptionsLanguageElseTheFlaggedOneUnlessTheCommandLineSays)
{
    const QString source = mediaPath("tracks");
    SetOption("MinDuration", "-1");
    const struct {
        const char *why;
        int defaultAudio; // its place in the Options dialog's list
        QStringList options;
        bool japanese;
    } cases[] = {
        {"default language Japanese", 5, {}, true},
        {"default language English", 1, {}, false},
        {"default language German, which no track has: the flagged one", 0, {}, true},
        {"--audio eng", 5, {"--audio", "eng"}, false},
        {"--audio 2, as probe numbers them", 1, {"--audio", "2"}, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.why);
        SetOption("DefaultAudio", QString::number(c.defaultAudio));
        const CliResult r = Run(QStringList{"convert", "-o", Out(), "--end", "2"} + c.options + QStringList{source});
        ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
        ASSERT_EQ(r.out.size(), 1);
        EXPECT_EQ(pspViolations(r.out[0], H264(2, TitleOfSource(source))), QStringList());
        if (c.japanese)
            EXPECT_GT(audioRms(r.out[0]), -30);
        else
            EXPECT_LT(audioRms(r.out[0]), -35);
    }
}

// With Japanese sound and English as the default subtitle language, English subtitles are burned
// in unless --subtitles says otherwise; a subtitle file named on the command line is burned in too.
TEST_F(RealCli, SubtitlesChosenByTheOptionsOrTheCommandLineAreBurnedIn)
{
    const QString source = mediaPath("tracks");
    const QString file = root.path() + "/lines.srt";
    {
        QFile srt(file);
        ASSERT_TRUE(srt.open(QIODevice::WriteOnly));
        srt.write("1\n00:00:01,000 --> 00:00:02,000\nHHHHHHHH\n\n");
    }
    SetOption("MinDuration", "-1");
    SetOption("DefaultAudio", "5");
    SetOption("DefaultSubtitle", "1");
    std::map<QString, std::vector<uint8_t>> shown;
    for (const QStringList &options : {QStringList{"--subtitles", "none"}, QStringList{}, QStringList{"--subtitles", file}}) {
        const CliResult r = Run(QStringList{"convert", "-o", Out(), "--end", "2"} + options + QStringList{source});
        ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
        ASSERT_EQ(r.out.size(), 1);
        EXPECT_EQ(pspViolations(r.out[0], H264(2, TitleOfSource(source))), QStringList());
        shown[options.join(' ')] = toolFrameGray(r.out[0], 1.5, 480, 272);
    }
    const auto changed = [&](const QString &a, const QString &b) {
        int n = 0;
        for (size_t i = 0; i < shown[a].size() && i < shown[b].size(); ++i)
            n += std::abs(int(shown[a][i]) - int(shown[b][i])) > 40;
        return n;
    };
    EXPECT_GT(changed("", "--subtitles none"), 300) << "the English subtitles were not burned in";
    EXPECT_GT(changed("--subtitles " + file, "--subtitles none"), 300) << "the file was not burned in";
}

// The upload needs no engine: the safe copy into the folder the name's prefix selects.
TEST_F(RealCli, UploadCopiesIntoThePspFoldersAndNeverCreatesOne)
{
    ASSERT_TRUE(QDir(root.path()).mkpath("psp/MP_ROOT/100ANV01"));
    const auto make = [&](const QString &name, const QByteArray &bytes) {
        QFile file(Out() + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };
    make("MAQ70001.MP4", QByteArray(3 << 20, 'v'));
    make("MAQ70001.THM", "thumbnail");
    make("M4V70002.MP4", "mpeg-4");
    const QString psp = root.path() + "/psp/";

    const CliResult r = Run({"upload", "--to", psp, Out() + "MAQ70001.MP4", Out() + "M4V70002.MP4", Out() + "MAQ70009.MP4"});

    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, QStringList{psp + "MP_ROOT/100ANV01/MAQ70001.MP4"});
    EXPECT_EQ(fileBytes(psp + "MP_ROOT/100ANV01/MAQ70001.MP4"), fileBytes(Out() + "MAQ70001.MP4"));
    EXPECT_EQ(fileBytes(psp + "MP_ROOT/100ANV01/MAQ70001.THM"), QByteArray("thumbnail"));
    EXPECT_TRUE(r.err.contains("pocketreel-cli: Cannot create file " + psp + "MP_ROOT/100MNV01/M4V70002.MP4\n"))
        << r.err.toStdString();
    EXPECT_TRUE(r.err.contains("pocketreel-cli: Can not find srcfile : " + Out() + "MAQ70009.MP4\n"))
        << r.err.toStdString();
    EXPECT_EQ(QDir(psp + "MP_ROOT/100ANV01").entryList(QDir::Files), (QStringList{"MAQ70001.MP4", "MAQ70001.THM"}));
    EXPECT_FALSE(QFile::exists(psp + "MP_ROOT/100MNV01"));
}

// Ctrl-C during a large file's upload stops it within a block: nothing of it is left on the PSP
// and the exit status says that a signal ended the run. The command's standard error is a pipe
// the test keeps full, so the command waits in its first progress line, one block into the copy,
// until the signal has been sent.
TEST_F(RealCli, CtrlCStopsAnUploadWithinABlock)
{
    ASSERT_TRUE(QDir(root.path()).mkpath("psp/MP_ROOT/100ANV01"));
    {
        QFile film(Out() + "MAQ70001.MP4");
        ASSERT_TRUE(film.open(QIODevice::WriteOnly));
        ASSERT_TRUE(film.resize(qint64(64) << 20));
    }
    const QString destination = root.path() + "/psp/MP_ROOT/100ANV01/MAQ70001.MP4";

    int err[2];
    ASSERT_EQ(::pipe2(err, O_CLOEXEC), 0);
    ::fcntl(err[1], F_SETPIPE_SZ, 4096);
    ::fcntl(err[1], F_SETFL, O_NONBLOCK);
    const QByteArray filler(4096, ' ');
    while (::write(err[1], filler.constData(), size_t(filler.size())) > 0) {
    }
    ::fcntl(err[1], F_SETFL, 0);

    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&files, err[1], 2);
    const QByteArray program = QFile::encodeName(App() + "pocketreel-cli");
    const QByteArray to = QFile::encodeName(root.path() + "/psp/");
    const QByteArray film = QFile::encodeName(Out() + "MAQ70001.MP4");
    const QByteArray home = "HOME=" + QFile::encodeName(root.path() + "/home");
    char *argv[] = {const_cast<char *>(program.constData()), const_cast<char *>("upload"), const_cast<char *>("--to"),
                    const_cast<char *>(to.constData()), const_cast<char *>(film.constData()), nullptr};
    char *envp[] = {const_cast<char *>(home.constData()), nullptr};
    pid_t pid = -1;
    const int spawned = posix_spawn(&pid, program.constData(), &files, nullptr, argv, envp);
    posix_spawn_file_actions_destroy(&files);
    ::close(err[1]);
    ASSERT_EQ(spawned, 0);

    const bool oneBlockIn = QTest::qWaitFor([&] { return QFileInfo(destination + ".part").size() > 0; }, 10000);
    ::kill(pid, SIGINT);
    char drain[4096];
    while (::read(err[0], drain, sizeof drain) > 0) {
    }
    ::close(err[0]);
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);

    EXPECT_TRUE(oneBlockIn);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 130);
    EXPECT_EQ(QDir(root.path() + "/psp/MP_ROOT/100ANV01").entryList(QDir::Files), QStringList());
}
