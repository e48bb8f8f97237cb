#pragma once

#include "cliplist/PreviewLink.h"

class QLabel;

// The preview pane as far as it goes without the frame grabber: it shows the current clip's
// stored picture, centred and unscaled. No grabber is ever opened, so there is nothing to wait
// for or close, and the range markers keep their place.
class StillPreview : public PreviewLink {
public:
    StillPreview(QLabel *imagePreview, QLabel *labelInfo);

    bool AwaitingFrame() const override;
    QImage ShownPicture() const override;
    void CloseFrameLibrary() override {}
    void ShowClipPicture(TVideoInfo *clip) override;
    void ShowClipRange(TVideoInfo *) override {}

private:
    QLabel *imagePreview_;
    QLabel *labelInfo_;
};
