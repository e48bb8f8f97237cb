#include "PspUpload.h"

#include "BackgroundCopy.h"
#include "core/AppGlobals.h"
#include "core/conversion/UploadPlan.h"
#include "platform/LogCategories.h"
#include "platform/Prompts.h"

#include <QFileInfo>
#include <QLabel>
#include <stdexcept>

void UploadToPsp(const QStringList &outputNames, const Volumes &volumes, const UploadWindow &window)
{
    const PspFolders folders{PSPUploadFolder, PSPAVCFolder, PSPMP4Folder};
    const auto psp = FindPsp(volumes, folders);
    if (!psp) {
        qCInfo(lcUpload) << "no removable volume holds" << folders.upload;
        Prompts::Current().Information(QStringLiteral("Can not find PSP Video folder.\nPlease check your PSP connection!"));
        return;
    }
    window.buttons(false);
    for (const UploadItem &item : PlanUpload(outputNames, g_s_OutputFolder, *psp, folders)) {
        if (!QFileInfo::exists(item.source)) {
            Prompts::Current().Error(QStringLiteral("Can not find srcfile : \n") + item.source + u'\n');
            continue;
        }
        window.copyFile->setText(QStringLiteral("Uploading : ") + item.outputName + QStringLiteral(" to PSP."));
        window.percent(0);
        const auto failure = !item.destinationFolderFound
            ? std::optional(QStringLiteral("Cannot create file ") + item.destination)
            : CopyInBackground(item.source, item.destination, [&](qint64 copied, qint64 total) {
                  window.percent(total > 0 ? copied * 100 / total : 100);
              });
        if (failure) {
            qCWarning(lcUpload) << *failure;
            window.buttons(true);
            throw std::runtime_error(failure->toStdString());
        }
        window.percent(100);
        if (item.destinationFolderFound && QFileInfo::exists(item.thumbnailSource)) {
            window.copyFile->setText(QStringLiteral("Uploading THM file to PSP."));
            if (const auto skipped = CopyInBackground(item.thumbnailSource, item.thumbnailDestination))
                qCInfo(lcUpload) << "thumbnail skipped:" << *skipped;
        }
    }
    window.buttons(true);
    window.copyFile->clear();
    Prompts::Current().Information(QStringLiteral("Upload to PSP finish!"));
}
