#include "SnapshotCommand.h"

#include "PreviewPane.h"
#include "SnapshotFiles.h"
#include "core/AppGlobals.h"
#include "core/ClipList.h"
#include "core/OutputNames.h"
#include "core/conversion/SerialReservation.h"
#include "core/preview/SnapshotRules.h"
#include "core/profiles/OptionsFile.h"
#include "platform/Prompts.h"

#include <QWidget>
#include <stdexcept>

SnapshotCommand::SnapshotCommand(ClipList &clips, PreviewPane &pane, QWidget *window, QObject *parent)
    : QObject(parent), clips_(clips), pane_(pane), window_(window)
{
}

void SnapshotCommand::suiImageButton_SnapshootClick()
{
    TVideoInfo *clip = clips_.CurrentClip();
    if (!pane_.GrabberReady() || !clip)
        return;
    const Prompts::SaveAnswer answer = Prompts::Current().SaveFile(QString(), SnapshotFilter, filterIndex_);
    if (answer.path.isEmpty())
        return;
    if (answer.filterIndex < 1 || answer.filterIndex > 3)
        return;
    filterIndex_ = answer.filterIndex;
    window_->repaint();
    const auto form = SnapshotForm(answer.filterIndex);
    const QSize size = SnapshotSize(form, clip->VideoWidth(), clip->VideoHeight(), clip->DisplayAspect(),
                                    clip->AspectIndex());
    const QImage picture = pane_.GrabFrame(size.width(), size.height());
    const QString name = form == SnapshotForm::Thumbnail ? CopyName(*clip) : QString();
    const QString thumbnailCopy = name.isEmpty() ? QString() : g_s_OutputFolder + ThumbnailNameOf(name);
    const QString failed = WriteSnapshot(picture, form, SnapshotPath(answer.path, form), thumbnailCopy);
    // The application object hands what escapes a handler to the error report.
    if (!failed.isEmpty())
        throw std::runtime_error(QStringLiteral("Unable to write to %1").arg(failed).toStdString());
    if (form == SnapshotForm::Thumbnail && name.isEmpty()) {
        Prompts::Current().Warning(QStringLiteral("No free output name is left in %1; the thumbnail was not copied there.")
                                       .arg(g_s_OutputFolder));
        return;
    }
    // The conversion keeps this clip's name for it, so the snapshot stays its thumbnail.
    if (!thumbnailCopy.isEmpty()) {
        clip->SetOutputName(name);
        clip->SetSnapshotThumbnail(thumbnailCopy);
    }
}

QString SnapshotCommand::CopyName(const TVideoInfo &clip) const
{
    // The copy never replaces an earlier output's thumbnail: a name in use gives way to a free one.
    QStringList otherRows;
    for (const TVideoInfo *row : clips_.Clips())
        if (row != &clip)
            otherRows.append(row->OutputName());
    const QString own = g_s_OutputFolder + ThumbnailNameOf(clip.OutputName());
    return SnapshotName(OptionsFile::UserPath(path_PNG), i_OutputPSPSerialNumber, g_s_OutputFolder, clip.OutputName(),
                        clip.SnapshotThumbnail() == own, otherRows);
}
