#include "CliArguments.h"

#include "ExitCodes.h"
#include "core/AppGlobals.h"
#include "core/ProductTexts.h"
#include "core/TextHelpers.h"
#include "core/streams/IsoLanguages.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QRegularExpression>
#include <span>

namespace {

const QString Program = QStringLiteral("pocketreel-cli");
constexpr int HelpWidth = 79;
constexpr int DescriptionColumn = 26;
constexpr int MaxSeconds = 86400;

struct OptionSpec {
    const char *names;      // short and long names, comma-separated: "p,profile"
    const char *valueName;  // nullptr for a switch
    const char *description;
};

const OptionSpec Help{"h,help", nullptr, "show this help and exit"};
const OptionSpec Quiet{"q,quiet", nullptr, "print no progress, only the results and the errors"};
const OptionSpec To{"to", "MOUNTPOINT",
                    "the PSP mounted there, instead of the first removable volume holding the PSP's "
                    "folder"};

const OptionSpec ConvertOptions[] = {
    {"p,profile", "NAME", "a profile of PfSetting.ini (see the profiles command); the default profile when "
                          "absent"},
    {"format", "FORMAT", "the video format: h264 or mpeg4 (the formats PfDef.dll lists); its own defaults "
                         "replace the profile's choices"},
    {"resolution", "W:H", "the picture size, such as 480:272"},
    {"fps", "RATE", "the frame rate, such as 29.97"},
    {"video-kbps", "N", "the video bit rate in kbit/s, within the format's range"},
    {"audio-kbps", "N", "the audio bit rate in kbit/s, such as 96"},
    {"volume", "DB", "the volume gain in dB, such as 3"},
    {"start", "TIME", "convert from TIME (HH:MM:SS or seconds) instead of the beginning"},
    {"end", "TIME", "convert up to TIME instead of the end; an end within 2 seconds of the file's end "
                    "converts to the end"},
    {"title", "TEXT", "the title the PSP shows (at most 30 characters); the file's name when absent"},
    {"audio", "LANG|N", "the sound track: one in language LANG (such as ja, jpn or Japanese; without one, the "
                        "track flagged default), or track N as the probe command numbers them; when absent, the "
                        "default audio language of the options chooses, as in the window"},
    {"subtitles", "LANG|N|FILE|none", "the subtitles burnt into the picture: those in language LANG, subtitles "
                                      "N as the probe command numbers them, the subtitle file FILE, or none; when "
                                      "absent, chosen as in the window: a subtitle file beside the video without "
                                      "a language in its name, else subtitles in the default subtitle language of "
                                      "the options when the sound is in another language, else the sound's "
                                      "forced subtitles"},
    {"o,output-folder", "DIR", "write into DIR instead of the output folder of Option.ini"},
    {"upload", nullptr, "upload the converted files to the PSP as the upload command does"},
    To,
    Quiet,
    Help,
};
const OptionSpec UploadOptions[] = {To, Quiet, Help};
const OptionSpec ProbeOptions[] = {{"json", nullptr, "print a JSON array, one object per file"}, Help};
const OptionSpec ProfilesOptions[] = {Help};

QStringList NamesOf(const OptionSpec &spec)
{
    return QString::fromLatin1(spec.names).split(u',');
}

QString Flag(const QString &name)
{
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

// `text` broken into lines of at most `width` characters, each after `indent` blanks but the first.
QString Wrapped(const QString &text, int indent, int width)
{
    QString result;
    int column = indent;
    for (const QString &word : text.split(u' ', Qt::SkipEmptyParts)) {
        if (column > indent && column + 1 + word.size() > width) {
            result += u'\n' + QString(indent, u' ');
            column = indent;
        } else if (column > indent) {
            result += u' ';
            ++column;
        }
        result += word;
        column += int(word.size());
    }
    return result;
}

QString OptionsHelp(std::span<const OptionSpec> options)
{
    QString help = QStringLiteral("Options:\n");
    for (const OptionSpec &spec : options) {
        QStringList flags;
        for (const QString &name : NamesOf(spec))
            flags.append(Flag(name));
        QString left = QStringLiteral("  ") + flags.join(QStringLiteral(", "));
        if (spec.valueName)
            left += u' ' + QLatin1String(spec.valueName);
        if (left.size() >= DescriptionColumn - 1)
            left += u'\n' + QString(DescriptionColumn, u' ');
        else
            left = left.leftJustified(DescriptionColumn);
        help += left + Wrapped(QLatin1String(spec.description), DescriptionColumn, HelpWidth) + u'\n';
    }
    return help;
}

QString Paragraph(const QString &text)
{
    return Wrapped(text, 0, HelpWidth) + u'\n';
}

const QString ExitStatusHelp = QStringLiteral(
    "Exit status:\n"
    "  0    every file was done\n"
    "  1    some files failed; the others were still done\n"
    "  2    a wrong command line; an unknown profile or value lists the known ones\n"
    "  3    the conversion engine DVDEncoder.so cannot be loaded\n"
    "  130  stopped with Ctrl-C: the file being converted is finished, shorter and\n"
    "       playable, and the rest are skipped (a second Ctrl-C ends at once)\n");

QString ConvertHelp()
{
    return QStringLiteral("Usage: %1 convert [OPTION]... FILE...\n").arg(Program)
        + Paragraph(QStringLiteral(
            "Convert each FILE into the output folder with the parameters the PocketReel window would hand "
            "the engine: the default profile, or the profile and values given below, each checked against "
            "the choices of PfDef.dll. Each output is named as the PSP expects, MAQ7nnnn.MP4 for h264 or "
            "M4V7nnnn.MP4 for mpeg4, beside its 160 x 120 thumbnail MAQ7nnnn.THM; the serial number nnnn "
            "is shared with the window through Option.ini, and a name already used in the folder is "
            "skipped, never overwritten. The path of each MP4 written is printed on standard output; "
            "progress and errors go to standard error."))
        + u'\n' + OptionsHelp(ConvertOptions) + u'\n' + ExitStatusHelp;
}

QString UploadHelp()
{
    return QStringLiteral("Usage: %1 upload [--to MOUNTPOINT] FILE...\n").arg(Program)
        + Paragraph(QStringLiteral(
            "Copy each MP4 FILE, and its .THM thumbnail when one lies beside it, onto the PSP plugged in as "
            "a USB drive: MAQ files into the PSPAVCFolder of Option.ini, M4V files into its PSPMP4Folder, "
            "others into the root. The folders are not created. Each file is written under a temporary "
            "name, flushed to the device and only then renamed, so a failed copy leaves nothing partial "
            "behind; a file of the same name on the PSP is replaced."))
        + u'\n' + OptionsHelp(UploadOptions) + u'\n' + ExitStatusHelp;
}

QString ProbeHelp()
{
    return QStringLiteral("Usage: %1 probe [--json] FILE...\n").arg(Program)
        + Paragraph(QStringLiteral(
            "Print what the engine reads of each FILE: its length, picture size, display aspect, frame "
            "rate, bit rates and audio sample rate, and its sound tracks and subtitles (with the subtitle "
            "files beside it) numbered as the convert command's --audio and --subtitles count them. A file "
            "the engine cannot read is reported, and the exit status is 1."))
        + u'\n' + OptionsHelp(ProbeOptions);
}

QString ProfilesHelp()
{
    return QStringLiteral("Usage: %1 profiles\n").arg(Program)
        + Paragraph(QStringLiteral(
            "List the profiles of PfSetting.ini with what each selects; the default profile is marked "
            "with a star."))
        + u'\n' + OptionsHelp(ProfilesOptions);
}

Answer UsageError(const QString &message, const QString &command = QString())
{
    const QString helpCall = command.isEmpty() ? Program + QStringLiteral(" --help")
                                               : Program + u' ' + command + QStringLiteral(" --help");
    return {Program + QStringLiteral(": ") + message + QStringLiteral("\nTry '") + helpCall + QStringLiteral("'.\n"),
            ExitCode::Usage};
}

// Options given to one command, already checked against its option list.
class CommandParse {
public:
    CommandParse(const QString &command, std::span<const OptionSpec> options, const QStringList &arguments)
        : command_(command)
    {
        for (const OptionSpec &spec : options) {
            QCommandLineOption option(NamesOf(spec), QString());
            if (spec.valueName)
                option.setValueName(QLatin1String(spec.valueName));
            parser_.addOption(option);
        }
        parsed_ = parser_.parse(QStringList{Program + u' ' + command} + arguments);
        if (!parsed_)
            error_ = UsageError(parser_.errorText().replace(QStringLiteral("'"), QStringLiteral("\"")), command);
    }

    const std::optional<Answer> &Error() const { return error_; }
    bool Has(const char *name) const { return parser_.isSet(QLatin1String(name)); }
    QString Value(const char *name) const { return parser_.value(QLatin1String(name)); }
    QStringList Files() const { return parser_.positionalArguments(); }

    // Notes the first refusal; later ones are not looked at.
    void Refuse(const QString &message)
    {
        if (!error_)
            error_ = UsageError(message, command_);
    }

    std::optional<int> Number(const char *name, const char *unit)
    {
        if (!Has(name))
            return std::nullopt;
        bool ok = false;
        const int value = Value(name).trimmed().toInt(&ok);
        if (!ok)
            Refuse(QStringLiteral("--%1 takes a whole number of %2, not \"%3\"")
                       .arg(QLatin1String(name), QLatin1String(unit), Value(name)));
        return value;
    }

    TrackRequest Track(const char *name, bool subtitles)
    {
        TrackRequest track;
        if (!Has(name))
            return track;
        const QString value = Value(name).trimmed();
        static const QRegularExpression number(QStringLiteral("^\\d{1,4}$"));
        if (subtitles && value.compare(QLatin1String("none"), Qt::CaseInsensitive) == 0) {
            track.kind = TrackRequest::Kind::None;
        } else if (number.match(value).hasMatch()) {
            track.kind = TrackRequest::Kind::Number;
            track.number = value.toInt();
            if (track.number < 1)
                Refuse(QStringLiteral("--%1 counts from 1").arg(QLatin1String(name)));
        } else if (IsKnownLanguage(value)) {
            track.kind = TrackRequest::Kind::Language;
            track.language = value;
        } else if (subtitles && QFileInfo(value).isFile()) {
            track.kind = TrackRequest::Kind::File;
            track.file = QFileInfo(value).absoluteFilePath();
        } else if (subtitles && (value.contains(u'/') || value.contains(u'.'))) {
            Refuse(QStringLiteral("--subtitles \"%1\": no such file").arg(value));
        } else {
            Refuse(QStringLiteral("--%1 \"%2\" is not a language (such as en, eng or English)%3")
                       .arg(QLatin1String(name), value,
                            subtitles ? QStringLiteral(", a number, a subtitle file or none") : QStringLiteral(" or a track number")));
        }
        return track;
    }

    std::optional<int> Time(const char *name)
    {
        if (!Has(name))
            return std::nullopt;
        const std::optional<int> seconds = ParseTimeArgument(Value(name));
        if (!seconds)
            Refuse(QStringLiteral("--%1 takes HH:MM:SS or whole seconds up to a day, not \"%2\"")
                       .arg(QLatin1String(name), Value(name)));
        return seconds;
    }

    QStringList RequiredFiles()
    {
        const QStringList files = Files();
        if (files.isEmpty())
            Refuse(QStringLiteral("no FILE given"));
        return files;
    }

private:
    QString command_;
    QCommandLineParser parser_;
    bool parsed_ = false;
    std::optional<Answer> error_;
};

// The frame every command shares: its options checked, --help answered, the request filled, and
// the first refusal met on the way answered instead.
template <class Request, class Fill>
CliRequest ParseCommand(const QString &command, std::span<const OptionSpec> options, QString (*help)(),
                        const QStringList &arguments, Fill fill)
{
    CommandParse parse(command, options, arguments);
    if (parse.Error())
        return *parse.Error();
    if (parse.Has("help"))
        return Answer{help(), ExitCode::Done};
    Request request;
    fill(parse, request);
    if (parse.Error())
        return *parse.Error();
    return request;
}

void FillConvert(CommandParse &parse, ConvertRequest &request)
{
    EncodingRequest &encoding = request.encoding;
    encoding.profile = parse.Value("profile");
    encoding.format = parse.Value("format");
    encoding.resolution = parse.Value("resolution");
    encoding.frameRate = parse.Value("fps");
    encoding.audioBitRate = parse.Value("audio-kbps");
    encoding.videoBitRate = parse.Number("video-kbps", "kbit/s");
    encoding.volume = parse.Number("volume", "dB");
    request.start = parse.Time("start");
    request.end = parse.Time("end");
    // Without --start the range starts at 0.
    if (request.end && *request.end <= request.start.value_or(0))
        parse.Refuse(QStringLiteral("the end %1 must come after the start %2")
                         .arg(SecondsToText(*request.end), SecondsToText(request.start.value_or(0))));
    request.title = parse.Value("title").trimmed();
    request.audio = parse.Track("audio", false);
    request.subtitles = parse.Track("subtitles", true);
    request.outputFolder = parse.Value("output-folder");
    if (parse.Has("output-folder") && request.outputFolder.isEmpty())
        parse.Refuse(QStringLiteral("--output-folder takes a folder"));
    request.upload = parse.Has("upload");
    request.uploadTo = parse.Value("to");
    if (parse.Has("to") && !request.upload)
        parse.Refuse(QStringLiteral("--to goes with --upload"));
    request.quiet = parse.Has("quiet");
    request.files = parse.RequiredFiles();
}

CliRequest ParseCommandNamed(const QString &command, const QStringList &arguments)
{
    if (command == QLatin1String("convert"))
        return ParseCommand<ConvertRequest>(command, ConvertOptions, ConvertHelp, arguments, FillConvert);
    if (command == QLatin1String("upload"))
        return ParseCommand<UploadRequest>(command, UploadOptions, UploadHelp, arguments,
                                           [](CommandParse &parse, UploadRequest &request) {
                                               request.to = parse.Value("to");
                                               request.quiet = parse.Has("quiet");
                                               request.files = parse.RequiredFiles();
                                           });
    if (command == QLatin1String("probe"))
        return ParseCommand<ProbeRequest>(command, ProbeOptions, ProbeHelp, arguments,
                                          [](CommandParse &parse, ProbeRequest &request) {
                                              request.json = parse.Has("json");
                                              request.files = parse.RequiredFiles();
                                          });
    if (command == QLatin1String("profiles"))
        return ParseCommand<ProfilesRequest>(command, ProfilesOptions, ProfilesHelp, arguments,
                                             [](CommandParse &parse, ProfilesRequest &) {
                                                 if (!parse.Files().isEmpty())
                                                     parse.Refuse(QStringLiteral("profiles takes no FILE"));
                                             });
    if (command.startsWith(u'-'))
        return UsageError(QStringLiteral("unknown option \"%1\"; options follow the COMMAND").arg(command));
    return UsageError(QStringLiteral("unknown command \"%1\"").arg(command));
}

} // namespace

std::optional<int> ParseTimeArgument(const QString &text)
{
    static const QRegularExpression seconds(QStringLiteral("^\\d{1,6}$"));
    static const QRegularExpression clock(QStringLiteral("^(\\d{1,3}):([0-5]\\d):([0-5]\\d)$"));
    const QString trimmed = text.trimmed();
    qint64 value = -1;
    if (seconds.match(trimmed).hasMatch()) {
        value = trimmed.toLongLong();
    } else if (const QRegularExpressionMatch match = clock.match(trimmed); match.hasMatch()) {
        value = match.captured(1).toLongLong() * 3600 + match.captured(2).toLongLong() * 60
            + match.captured(3).toLongLong();
    }
    if (value < 0 || value > MaxSeconds)
        return std::nullopt;
    return int(value);
}

QString MainHelpText()
{
    return QStringLiteral("Usage: %1 COMMAND [OPTION]... [FILE]...\n").arg(Program)
        + Paragraph(QStringLiteral(
            "Convert video files into MP4 files that a PlayStation Portable plays, and upload them to a PSP "
            "plugged in as a USB drive. The command-line twin of the PocketReel window: the same engine, "
            "profiles and options, for the terminal and for scripts."))
        + QStringLiteral(
            "\n"
            "Commands:\n"
            "  convert [OPTION]... FILE...  convert each file into the output folder\n"
            "  upload [--to MOUNTPOINT] FILE...\n"
            "                               copy MP4 files and their thumbnails onto the PSP\n"
            "  probe [--json] FILE...       print what the engine reads of each file\n"
            "  profiles                     list the profiles\n"
            "Run '%1 COMMAND --help' for the options of a command.\n"
            "\n"
            "Options:\n"
            "  -h, --help                   show this help and exit\n"
            "  -v, --version                show the version and exit\n"
            "\n")
              .arg(Program)
        + ExitStatusHelp
        + QStringLiteral(
            "\n")
        + QLatin1String(ProductText::FilesHelp)
        + QStringLiteral(
            "\n"
            "Diagnostics: errors are said on standard error; the warnings and debug\n"
            "messages of the program's areas are added with\n"
            "  QT_LOGGING_RULES=\"pocketreel.*=true\"\n"
            "(categories pocketreel.engine, .run, .upload, .volumes and .profiles).\n");
}

QString VersionText()
{
    const QStringList parts = g_s_Version.trimmed().split(QStringLiteral(" Build on "));
    return QStringLiteral("%1 (%2) %3\nBuild on %4\n").arg(Program, ProductName, parts.value(0), parts.value(1))
           + QLatin1String(ProductText::LicenceNotice);
}

CliRequest ParseArguments(const QStringList &arguments)
{
    if (arguments.isEmpty())
        return UsageError(QStringLiteral("no COMMAND given: convert, upload, probe or profiles"));
    const QString &first = arguments.first();
    if (first == QLatin1String("-h") || first == QLatin1String("--help"))
        return Answer{MainHelpText(), ExitCode::Done};
    if (first == QLatin1String("-v") || first == QLatin1String("--version"))
        return Answer{VersionText(), ExitCode::Done};
    return ParseCommandNamed(first, arguments.mid(1));
}
