#include "UploadCommand.h"

#include "CliArguments.h"
#include "Console.h"
#include "ExitCodes.h"
#include "ProgramFiles.h"
#include "StopSignal.h"
#include "core/AppGlobals.h"
#include "core/conversion/SafeCopy.h"
#include "core/conversion/UploadPlan.h"
#include "platform/volumes/SystemVolumes.h"

#include <QDir>
#include <QFileInfo>

namespace {

std::optional<Volume> PspVolume(const QString &mountPoint, const PspFolders &folders, Console &console)
{
    if (!mountPoint.isEmpty()) {
        if (!QFileInfo(mountPoint).isDir()) {
            console.Error(QStringLiteral("%1 is not a folder").arg(mountPoint));
            return std::nullopt;
        }
        Volume given;
        given.mountPoint = QDir(mountPoint).absolutePath() + u'/';
        given.kind = VolumeKind::Removable;
        return given;
    }
    const std::optional<Volume> psp = FindPsp(SystemVolumes(), folders);
    if (!psp)
        console.Error(QStringLiteral("Can not find PSP Video folder. Please check your PSP connection!"));
    return psp;
}

} // namespace

int UploadFiles(const QStringList &files, const QString &mountPoint, Console &console)
{
    const PspFolders folders{PSPUploadFolder, PSPAVCFolder, PSPMP4Folder};
    const std::optional<Volume> psp = PspVolume(mountPoint, folders, console);
    if (!psp)
        return ExitCode::SomeFailed;

    int status = ExitCode::Done;
    for (const QString &file : files) {
        if (StopSignal::Received() != 0)
            return ExitCode::SignalBase + StopSignal::Received();
        const QFileInfo source(file);
        const UploadItem item =
            PlanUpload({source.fileName()}, source.absolutePath() + u'/', *psp, folders).constFirst();
        if (!source.isFile()) {
            console.Error(QStringLiteral("Can not find srcfile : ") + file);
            status = ExitCode::SomeFailed;
            continue;
        }
        const QString label = item.outputName + QStringLiteral(" -> ") + item.destination;
        qint64 shown = -1;
        const auto progress = [&](qint64 copied, qint64 total) {
            const qint64 percent = total > 0 ? copied * 100 / total : 100;
            // Without a terminal, a line at every tenth of the way.
            const qint64 step = console.ErrorIsTerminal() ? percent : percent / 10;
            if (step == shown)
                return;
            shown = step;
            console.Status(label, QStringLiteral("%1%").arg(percent, 3));
        };
        CopyControl control;
        control.stopRequested = [] { return StopSignal::Received() != 0; };
        const std::optional<QString> failure = !item.destinationFolderFound
            ? std::optional(QStringLiteral("Cannot create file ") + item.destination)
            : CopyFileSafely(item.source, item.destination, progress, CopyBlockSize, control);
        if (failure && StopSignal::Received() != 0) {
            console.EndStatus(label + QStringLiteral(": stopped, nothing of it left on the PSP"));
            return ExitCode::SignalBase + StopSignal::Received();
        }
        if (failure) {
            console.EndStatus(label + QStringLiteral(": failed"));
            console.Error(*failure);
            status = ExitCode::SomeFailed;
            continue;
        }
        if (QFileInfo::exists(item.thumbnailSource)) {
            if (const auto skipped = CopyFileSafely(item.thumbnailSource, item.thumbnailDestination))
                console.Error(QStringLiteral("thumbnail not uploaded: ") + *skipped);
        }
        console.EndStatus(label + QStringLiteral(": done"));
        console.Result(item.destination);
    }
    return status;
}

int RunUpload(const UploadRequest &request)
{
    StopSignal::Install();
    Console console(request.quiet);
    ProgramFiles().LoadOptions();
    return UploadFiles(request.files, request.to, console);
}
