#include "PreviewComponent.h"

#include "TsuiImageButton.h"
#include "platform/WindowMessage.h"

PreviewComponent::PreviewComponent(ClipList &clips, MessageTarget *window, WindowMessageDispatcher &messages,
                                   const Controls &controls)
    : QObject(controls.window),
      slider_(controls.slider),
      times_(clips, controls.times, [this](TVideoInfo *clip) { pane_.ShowClipRange(clip); }),
      pane_(clips, window, slider_, times_, controls.pane),
      snapshot_(clips, pane_, controls.window)
{
    slider_.InitSlider();
    messages.On(DVDENCODER_MSG_READY, [this](intptr_t, intptr_t) { pane_.OnGrabberReady(); });
    messages.On(DVDENCODER_MSG_FRAME, [this](intptr_t wparam, intptr_t) { pane_.OnFrameReady(wparam); });
    messages.On(DVDENCODER_MSG_GRABBER_CLOSED, [this](intptr_t, intptr_t) { pane_.OnGrabberClosed(); });
    if (auto *button = qobject_cast<TsuiImageButton *>(controls.pane.snapshot))
        connect(button, &TsuiImageButton::clicked, &snapshot_, &SnapshotCommand::suiImageButton_SnapshootClick);
}
