#pragma once

#include <QImage>

class TVideoInfo;

// The preview pane as the clip list uses it: the one place where selecting, adding and clearing
// reach the preview and its frame grabber. The preview of the main window implements it.
class PreviewLink {
public:
    virtual ~PreviewLink() = default;

    // The pane waits for a frame from the engine (Label_Info shows).
    virtual bool AwaitingFrame() const = 0;
    // The picture the pane shows now (the last frame fetched for the current clip).
    virtual QImage ShownPicture() const = 0;
    virtual void CloseFrameLibrary() = 0;
    virtual void ShowClipPicture(TVideoInfo *clip) = 0;
    virtual void ShowClipRange(TVideoInfo *clip) = 0;
};
