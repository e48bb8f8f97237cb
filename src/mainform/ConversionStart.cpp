#include "ConversionStart.h"

#include "TProcessForm.h"
#include "cliplist/PreviewLink.h"
#include "core/AppGlobals.h"
#include "core/ClipList.h"
#include "core/OutputNames.h"
#include "core/conversion/ClipJobs.h"
#include "core/conversion/SerialReservation.h"
#include "core/profiles/OptionsFile.h"
#include "platform/Prompts.h"

#include <QLabel>

ConversionStart::ConversionStart(Links links, QObject *parent)
    : QObject(parent)
    , links_(std::move(links))
{
}

// A clip keeps its name while the thumbnail a snapshot wrote for it lies under that name.
QStringList ConversionStart::NamesToKeep(const ClipList &clips)
{
    QStringList keep;
    for (const TVideoInfo *clip : clips.Clips()) {
        const bool snapshotThere = !clip->SnapshotThumbnail().isEmpty()
            && clip->SnapshotThumbnail() == g_s_OutputFolder + ThumbnailNameOf(clip->OutputName());
        keep.append(snapshotThere ? clip->OutputName() : QString());
    }
    return keep;
}

bool ConversionStart::AnyClipTicked() const
{
    const QList<TVideoInfo *> clips = links_.clips->Clips();
    return std::any_of(clips.begin(), clips.end(), [](const TVideoInfo *clip) { return clip->Ticked(); });
}

void ConversionStart::suiImageButton_StartConvertClick()
{
    TProcessForm *window = links_.processForm ? links_.processForm() : nullptr;
    if (!window || window->isVisible())
        return;
    if (links_.seekingLabel && !links_.seekingLabel->isHidden()) {
        Prompts::Current().Information(QStringLiteral("Seeking file, please waiting."));
        return;
    }
    if (!AnyClipTicked()) {
        Prompts::Current().Information(QStringLiteral("No video clip to convert!"));
        return;
    }
    if (PreviewLink *preview = links_.preview ? links_.preview() : nullptr)
        preview->CloseFrameLibrary();

    // Names by position from the serial number alone could be in the output folder already (an
    // Option.ini that could not be written, the command line, a folder from another machine):
    // every row is named anew, from the larger of the window's and the stored number, skipping
    // the names in use, and the numbers are written off before anything is converted.
    const QString options = OptionsFile::UserPath(path_PNG);
    const EncodingChoices choices = links_.choices();
    const RunNames names = TakeRunNames(options, i_OutputPSPSerialNumber, g_s_OutputFolder, choices.videoFormat == 0,
                                        NamesToKeep(*links_.clips));
    if (!names.error.isEmpty()) {
        Prompts::Current().Error(names.error);
        return;
    }
    const QList<TVideoInfo *> clips = links_.clips->Clips();
    for (qsizetype i = 0; i < clips.size(); ++i)
        clips[i]->SetOutputName(names.names.value(i));

    // Taken after the grabber closed, since closing it keeps handling events: the run works on
    // the clips as they are now, and never on the list itself.
    ConversionJob job = TakeConversionJob(*links_.clips, choices);
    if (job.clips.isEmpty()) {
        Prompts::Current().Information(QStringLiteral("No video clip to convert!"));
        return;
    }
    window->SetUploadSources(links_.clips, links_.volumes);
    window->ShowRun(std::move(job));

    i_OutputPSPSerialNumber = names.nextSerial;
    links_.clips->RenameAllClips();
    StoreSerialAtLeast(options, i_OutputPSPSerialNumber);
}
