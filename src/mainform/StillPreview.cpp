#include "StillPreview.h"

#include "core/TVideoInfo.h"

#include <QLabel>
#include <QPixmap>

StillPreview::StillPreview(QLabel *imagePreview, QLabel *labelInfo)
    : imagePreview_(imagePreview), labelInfo_(labelInfo)
{
}

bool StillPreview::AwaitingFrame() const
{
    return labelInfo_->isVisible();
}

QImage StillPreview::ShownPicture() const
{
    return imagePreview_->pixmap().toImage();
}

void StillPreview::ShowClipPicture(TVideoInfo *clip)
{
    if (clip)
        imagePreview_->setPixmap(QPixmap::fromImage(clip->Picture()));
    else
        imagePreview_->clear();
}
