#include "cli/ConvertCommand.h"

#include "cli/CliArguments.h"
#include "cli/Console.h"
#include "cli/ExitCodes.h"
#include "cli/FileConversion.h"
#include "cli/ProbeCommand.h"
#include "cli/ProfilesCommand.h"
#include "cli/ProgramFiles.h"
#include "cli/StopSignal.h"
#include "cli/TrackRequests.h"
#include "cli/UploadCommand.h"
#include "core/AppGlobals.h"
#include "core/ClipList.h"
#include "core/TextHelpers.h"
#include "core/conversion/ClipJobs.h"
#include "core/conversion/ConversionRun.h"
#include "core/conversion/SerialReservation.h"
#include "core/conversion/SourceProbe.h"
#include "core/profiles/EncodingSelection.h"
#include "core/profiles/Languages.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <memory>
#include <vector>

namespace {

using List = EncodingSelection::List;

// A file the engine read, with the range to convert.
struct Source {
    QString typed;  // as given on the command line, for messages
    std::unique_ptr<TVideoInfo> clip;
};

std::optional<QString> SelectFrom(EncodingSelection &selection, List list, const QString &value, const char *option,
                                  const char *what)
{
    if (value.isEmpty() || selection.Select(list, value))
        return std::nullopt;
    const QString format = selection.Choices().videoFormatText;
    const QStringList known = selection.Known(list);
    return QStringLiteral("--%1 \"%2\" is not offered; the %3%4: %5")
        .arg(QLatin1String(option), value, list == List::VideoFormat ? QString() : format + u' ',
             QLatin1String(what), known.isEmpty() ? QStringLiteral("none") : known.join(QStringLiteral(", ")));
}

QString RangeText(int minimum, int maximum)
{
    return QStringLiteral("%1 to %2").arg(minimum).arg(maximum);
}

// Why the range asked for does not fit the file, or nothing.
std::optional<QString> RangeProblem(const ConvertRequest &request, int duration)
{
    if (request.start && *request.start >= duration)
        return QStringLiteral("--start %1 is not before the file's end %2")
            .arg(SecondsToText(*request.start), SecondsToText(duration));
    if (request.end && *request.end > duration)
        return QStringLiteral("--end %1 lies beyond the file's end %2")
            .arg(SecondsToText(*request.end), SecondsToText(duration));
    return std::nullopt;
}

std::vector<Source> ReadSources(const ConvertRequest &request, const TrackLanguages &languages, EngineLibrary &engine,
                                Console &console, int &status)
{
    std::vector<Source> sources;
    for (const QString &file : request.files) {
        const QString path = QFileInfo(file).absoluteFilePath();
        const std::optional<EngineFileInfo> info = ProbeSource(engine, path);
        if (!info) {
            console.Error(file + QStringLiteral(": ") + WhyUnreadable(file, engine.FailureReason()));
            status = ExitCode::SomeFailed;
            continue;
        }
        if (const std::optional<QString> problem = RangeProblem(request, info->duration)) {
            console.Error(file + QStringLiteral(": ") + *problem);
            status = ExitCode::SomeFailed;
            continue;
        }
        std::unique_ptr<TVideoInfo> clip = ClipOfSource(path, *info);
        const TrackOutcome tracks = ApplyTrackRequests(*clip, ProbeStreams(engine, path), request.audio,
                                                       request.subtitles, languages);
        if (tracks.refusal) {
            console.Error(file + QStringLiteral(": ") + *tracks.refusal);
            status = ExitCode::SomeFailed;
            continue;
        }
        for (const QString &note : tracks.notes)
            console.Note(file + QStringLiteral(": ") + note);
        clip->SetStartTime(request.start.value_or(0));
        clip->SetEndTime(request.end.value_or(info->duration));
        sources.push_back({file, std::move(clip)});
    }
    return sources;
}

QString OutputFolderOf(const QString &asked)
{
    const QString folder = QFileInfo(asked).absoluteFilePath();
    return folder.endsWith(u'/') ? folder : folder + u'/';
}

// How one file is named on the console, and the title asked for it.
struct FileNaming {
    QString typed;  // as given on the command line
    QString label;  // before its progress
    QString title;
};

// Converts the job's clip at `index` and says how it went; the status it leaves (Done, SomeFailed
// or EngineMissing). The path of a file converted to its end is added to `converted`.
int ConvertOne(const ConversionJob &job, qsizetype index, const FileNaming &naming, Console &console,
               QStringList &converted)
{
    ConversionJob one = job;
    one.clips = {job.clips[index]};
    one.clips[0].title = naming.title;
    const QString output = job.outputFolder + job.clips[index].outputName;

    QElapsedTimer clock;
    clock.start();
    const FileOutcome file = ConvertWithProgress(one, naming.label, console);
    if (file.outcome == RunOutcome::EngineMissing) {
        console.EndStatus(naming.label + QStringLiteral(": not converted"));
        console.Error(QStringLiteral("cannot load the conversion engine %1 any more").arg(job.enginePath));
        return ExitCode::EngineMissing;
    }
    // Stopped before its conversion began, or before the engine had a picture to write.
    if (file.outcome == RunOutcome::Stopped && !QFileInfo::exists(output)) {
        console.EndStatus(naming.label + QStringLiteral(": stopped before any picture was converted; no file written"));
        return ExitCode::Done;
    }
    if (file.outcome == RunOutcome::Failed) {
        console.EndStatus(naming.label + QStringLiteral(": failed"));
        const QString why = file.failureReason.isEmpty() ? QString() : QStringLiteral(": ") + file.failureReason;
        console.Error(naming.typed + QStringLiteral(": the engine could not convert it") + why);
        return ExitCode::SomeFailed;
    }
    if (file.outcome == RunOutcome::AllDone) {
        console.EndStatus(naming.label + QStringLiteral(": done in %1").arg(SecondsToText(int(clock.elapsed() / 1000))));
        converted.append(output);
    } else {
        console.EndStatus(naming.label + QStringLiteral(": stopped with %1 converted; the file is shorter and playable")
                                             .arg(SecondsToText(file.secondsDone)));
    }
    console.Result(output);
    return ExitCode::Done;
}

} // namespace

std::optional<QString> ApplyEncoding(EncodingSelection &selection, const EncodingRequest &request)
{
    if (!request.profile.isEmpty() && !selection.ApplyProfileNamed(request.profile)) {
        const QStringList known = ProfileLines(selection);
        return QStringLiteral("unknown profile \"%1\"; the profiles are:\n%2")
            .arg(request.profile, known.isEmpty() ? QStringLiteral("  none") : known.join(u'\n'));
    }
    if (auto refused = SelectFrom(selection, List::VideoFormat, request.format, "format", "video formats are"))
        return refused;
    if (auto refused = SelectFrom(selection, List::Resolution, request.resolution, "resolution", "resolutions are"))
        return refused;
    if (auto refused = SelectFrom(selection, List::FrameRate, request.frameRate, "fps", "frame rates are"))
        return refused;
    if (auto refused = SelectFrom(selection, List::AudioBitRate, request.audioBitRate, "audio-kbps",
                                  "audio bit rates are"))
        return refused;
    if (request.videoBitRate && !selection.SetVideoBitRate(*request.videoBitRate)) {
        const PlainNumberField &range = selection.VideoBitRate();
        return QStringLiteral("--video-kbps %1 is outside the %2 range, %3 kbit/s")
            .arg(*request.videoBitRate)
            .arg(selection.Choices().videoFormatText, RangeText(range.minimum(), range.maximum()));
    }
    if (request.volume && !selection.SetVolume(*request.volume))
        return QStringLiteral("--volume %1 is outside the range %2 dB")
            .arg(*request.volume)
            .arg(RangeText(selection.Volume().minimum, selection.Volume().maximum));
    if (selection.Choices().videoFormat < 0)
        return QStringLiteral("no video format is chosen: PfDef.dll lists none, or the profile names none");
    return std::nullopt;
}

int RunConvert(const ConvertRequest &request)
{
    StopSignal::Install();
    Console console(request.quiet);
    const ProgramFiles files;

    EncodingSelection selection(files.Profiles());
    selection.Load();
    if (const std::optional<QString> refused = ApplyEncoding(selection, request.encoding)) {
        console.Error(*refused);
        return ExitCode::Usage;
    }

    const TrackLanguages languages = TrackLanguagesOf(files.LoadOptions());
    if (!request.outputFolder.isEmpty())
        g_s_OutputFolder = OutputFolderOf(request.outputFolder);
    if (!QDir().mkpath(g_s_OutputFolder)) {
        console.Error(QStringLiteral("Cannot create the output folder %1").arg(g_s_OutputFolder));
        return ExitCode::SomeFailed;
    }

    int status = ExitCode::Done;
    std::vector<Source> sources;
    {
        EngineLibrary engine;
        if (!LoadEngine(engine, EngineLibrary::ProbeEntries | EngineLibrary::ConversionEntries, console))
            return ExitCode::EngineMissing;
        sources = ReadSources(request, languages, engine, console, status);
    }
    if (sources.empty())
        return status;

    const NameReservation names = ReserveOutputNames(files.OptionsPath(), g_s_OutputFolder,
                                                     selection.FirstVideoFormatSelected(), int(sources.size()));
    if (!names.error.isEmpty()) {
        console.Error(names.error);
        return ExitCode::SomeFailed;
    }
    ClipList clips;
    clips.SetOutputNamer([&names](int position) { return names.names.value(position); });
    for (Source &source : sources)
        clips.AppendClip(std::move(source.clip));
    ConversionJob job = TakeConversionJob(clips, selection.Choices());
    for (ClipJob &clip : job.clips)
        clip.subtitleFile = request.subtitles.file;

    QStringList converted;
    const qsizetype count = job.clips.size();
    for (qsizetype i = 0; i < count; ++i) {
        if (const int signal = StopSignal::Received()) {
            console.Note(QStringLiteral("stopped: %1 of %2 files not converted").arg(count - i).arg(count));
            return ExitCode::SignalBase + signal;
        }
        QString label = QFileInfo(sources[size_t(i)].typed).fileName() + QStringLiteral(" -> ") + job.clips[i].outputName;
        if (count > 1)
            label = QStringLiteral("[%1/%2] ").arg(i + 1).arg(count) + label;
        const int result = ConvertOne(job, i, {sources[size_t(i)].typed, label, request.title}, console, converted);
        if (result == ExitCode::EngineMissing)
            return result;
        status = std::max(status, result);
    }
    if (const int signal = StopSignal::Received())
        return ExitCode::SignalBase + signal;
    if (request.upload && !converted.isEmpty())
        status = std::max(status, UploadFiles(converted, request.uploadTo, console));
    return status;
}
