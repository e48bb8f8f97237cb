#include "PreviewPane.h"

#include "TrimTimes.h"
#include "TsuiMaskEdit.h"
#include "core/ClipList.h"
#include "core/preview/SliderGeometry.h"

#include <QLabel>
#include <QPixmap>

namespace S = SliderGeometry;

PreviewPane::PreviewPane(ClipList &clips, MessageTarget *window, RangeSlider &slider, TrimTimes &times,
                         const Controls &controls, QObject *parent)
    : QObject(parent), clips_(clips), slider_(slider), times_(times), controls_(controls), grabber_(window)
{
    connect(&slider_, &RangeSlider::BarPressed, this, &PreviewPane::StartDragColours);
    connect(&slider_, &RangeSlider::Moved, this, &PreviewPane::ShowDraggedTimes);
    connect(&slider_, &RangeSlider::Released, this, &PreviewPane::Released);
}

bool PreviewPane::AwaitingFrame() const
{
    return !controls_.info->isHidden();
}

QImage PreviewPane::ShownPicture() const
{
    return controls_.image->pixmap().toImage();
}

void PreviewPane::ShowClipPicture(TVideoInfo *clip)
{
    if (clip)
        controls_.image->setPixmap(QPixmap::fromImage(clip->Picture()));
    else
        controls_.image->clear();
}

void PreviewPane::ShowClipRange(TVideoInfo *clip)
{
    if (!clip) {
        slider_.PlaceMarkers(-1, -1);
        return;
    }
    // A clip without length gives 0 / 0: not a number, so the markers reset.
    const double duration = clip->Duration();
    slider_.PlaceMarkers(clip->StartTime() / duration, clip->EndTime() / duration);
}

void PreviewPane::EnablePreviewControls(bool on)
{
    controls_.snapshot->setEnabled(on);
    controls_.slider->setEnabled(on);
    controls_.info->setVisible(!on);
}

bool PreviewPane::OpenFrameLibrary()
{
    if (grabber_.IsOpen())
        return true;
    if (!grabber_.Open())
        return false;
    controls_.info->show();
    controls_.info->raise();
    controls_.panel->repaint();
    return true;
}

void PreviewPane::CloseFrameLibrary()
{
    if (!grabber_.IsOpen())
        return;
    grabber_.Close();
    // A frame the closed grabber never delivered is awaited no longer.
    if (!grabber_.IsOpen() && AwaitingFrame())
        EnablePreviewControls(true);
}

QImage PreviewPane::GrabFrame(int width, int height)
{
    return grabber_.Grab(width, height);
}

void PreviewPane::StartDragColours()
{
    times_.SetColour(times_.Start(), TrimTimes::Lime);
    times_.SetColour(times_.Stop(), TrimTimes::Lime);
}

void PreviewPane::ShowDraggedTimes(SliderPart part)
{
    const TVideoInfo *clip = clips_.CurrentClip();
    if (!clip)
        return;
    if (part != SliderPart::End) {
        times_.ShowTime(times_.Start(), S::TimeOfFraction(clip->Duration(), slider_.StartFraction()));
        times_.SetColour(times_.Start(), TrimTimes::Lime);
    }
    if (part != SliderPart::Start) {
        times_.ShowTime(times_.Stop(), S::TimeOfFraction(clip->Duration(), slider_.EndFraction()));
        times_.SetColour(times_.Stop(), TrimTimes::Lime);
    }
}

void PreviewPane::Released(SliderPart part)
{
    TVideoInfo *clip = clips_.CurrentClip();
    if (!clip)
        return;
    const int start = S::TimeOfFraction(clip->Duration(), slider_.StartFraction());
    const int end = S::TimeOfFraction(clip->Duration(), slider_.EndFraction());
    EnablePreviewControls(false);
    if (part == SliderPart::End) {
        // The range check of the new text has the last word, also when the drag already showed it.
        times_.SetNormal(times_.Stop());
        clip->SetEndTime(end);
        times_.ShowTime(times_.Stop(), end);
        times_.suiEdit_StartChange(times_.Stop());
        RequestFrame(clip, end);
        return;
    }
    clip->SetStartTime(start);
    if (part == SliderPart::Bar)
        clip->SetEndTime(end);
    times_.ShowTime(times_.Start(), start);
    if (part == SliderPart::Bar)
        times_.ShowTime(times_.Stop(), end);
    RequestFrame(clip, start);
    times_.SetNormal(times_.Start());
    if (part == SliderPart::Bar)
        times_.SetNormal(times_.Stop());
}

void PreviewPane::RequestFrame(TVideoInfo *clip, int second)
{
    using State = FrameGrabberSession::State;
    switch (grabber_.CurrentState()) {
    case State::Showing:
    case State::Requesting: {
        // Frames come from the file the grabber was opened on; one of another clip is on its way out.
        const int wanted = S::RequestedSecond(second, clip->Duration());
        if (!grabber_.IsFor(clip) || wanted == grabber_.LastFrameTime())
            EnablePreviewControls(true);
        else
            grabber_.Request(wanted);
        return;
    }
    case State::Opening:
        // Its ready notice asks for the frame at the start time.
        if (!grabber_.IsFor(clip))
            EnablePreviewControls(true);
        return;
    case State::Closing:
        EnablePreviewControls(true);
        return;
    case State::Closed:
        break;
    }
    if (OpenFrameLibrary())
        grabber_.Init(clip, second);
    else
        EnablePreviewControls(true);
}

void PreviewPane::OnGrabberReady()
{
    if (!grabber_.ReadyArrived())
        return;
    EnablePreviewControls(false);
    TVideoInfo *clip = clips_.CurrentClip();
    if (clip && grabber_.IsFor(clip))
        grabber_.Request(S::RequestedSecond(clip->StartTime(), clip->Duration()));
}

void PreviewPane::OnFrameReady(intptr_t wparam)
{
    grabber_.FrameArrived();
    TVideoInfo *clip = clips_.CurrentClip();
    if (!clip)
        return;
    if (wparam == 1 && grabber_.IsFor(clip)) {
        const QImage picture = clip->Picture();
        const QImage frame = GrabFrame(picture.width(), picture.height());
        if (!frame.isNull()) {
            clip->SetPicture(frame);
            ShowClipPicture(clip);
        }
    }
    EnablePreviewControls(true);
}

void PreviewPane::OnGrabberClosed()
{
    grabber_.ClosedArrived();
}
