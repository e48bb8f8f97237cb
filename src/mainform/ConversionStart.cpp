#include "ConversionStart.h"

#include "TProcessForm.h"
#include "cliplist/PreviewLink.h"
#include "core/AppGlobals.h"
#include "core/ClipList.h"
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

    // The command line may have taken numbers since the list was named: the run goes on from
    // the larger serial, and the list's numbers are written off before anything is converted.
    const QString options = OptionsFile::UserPath(path_PNG);
    i_OutputPSPSerialNumber = TakeRunSerial(options, i_OutputPSPSerialNumber, links_.clips->Count());
    links_.clips->RenameAllClips();

    // Taken after the grabber closed, since closing it keeps handling events: the run works on
    // the clips as they are now, and never on the list itself.
    ConversionJob job = TakeConversionJob(*links_.clips, links_.choices());
    if (job.clips.isEmpty()) {
        Prompts::Current().Information(QStringLiteral("No video clip to convert!"));
        return;
    }
    window->SetUploadSources(links_.clips, links_.volumes);
    window->ShowRun(std::move(job));

    // Whatever the list holds now: a disc removed during the run may have cleared it.
    i_OutputPSPSerialNumber += links_.clips->Count();
    links_.clips->RenameAllClips();
    StoreSerialAtLeast(options, i_OutputPSPSerialNumber);
}
