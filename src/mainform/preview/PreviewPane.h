#pragma once

#include "FrameGrabberSession.h"
#include "RangeSlider.h"
#include "mainform/cliplist/PreviewLink.h"

#include <QObject>

class ClipList;
class QLabel;
class QWidget;
class TrimTimes;

// The 240 x 180 preview pane: shows the current clip's picture and, after a marker or the bar is
// let go, the frame at that second from the frame grabber. While a frame is awaited the pane is
// busy: "Seeking please wait..." shows and the slider and the snapshot command are disabled.
class PreviewPane : public QObject, public PreviewLink {
    Q_OBJECT

public:
    struct Controls {
        QWidget *panel = nullptr;          // Panel_Preview
        QLabel *image = nullptr;           // Image_Preview
        QLabel *info = nullptr;            // Label_Info
        QWidget *slider = nullptr;         // Panel_Progress
        QWidget *snapshot = nullptr;       // suiImageButton_Snapshoot
    };

    PreviewPane(ClipList &clips, MessageTarget *window, RangeSlider &slider, TrimTimes &times,
                const Controls &controls, QObject *parent = nullptr);

    bool AwaitingFrame() const override;
    QImage ShownPicture() const override;
    void CloseFrameLibrary() override;
    void ShowClipPicture(TVideoInfo *clip) override;
    void ShowClipRange(TVideoInfo *clip) override;

    void EnablePreviewControls(bool on);
    bool OpenFrameLibrary();
    bool GrabberReady() const { return grabber_.GrabberReady(); }
    // The engine's current frame at that size (null while closed); it updates the last frame time.
    QImage GrabFrame(int width, int height);
    const FrameGrabberSession &Grabber() const { return grabber_; }

    // Messages 2312, 2412 and 2512.
    void OnGrabberReady();
    void OnFrameReady(intptr_t wparam);
    void OnGrabberClosed();

private:
    void ShowDraggedTimes(SliderPart part);
    void StartDragColours();
    void Released(SliderPart part);
    void RequestFrame(TVideoInfo *clip, int second);

    ClipList &clips_;
    RangeSlider &slider_;
    TrimTimes &times_;
    Controls controls_;
    FrameGrabberSession grabber_;
};
