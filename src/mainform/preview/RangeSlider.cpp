#include "RangeSlider.h"

#include "PictureBox.h"
#include "TsuiImageButton.h"
#include "core/preview/SliderGeometry.h"

#include <QMouseEvent>

namespace S = SliderGeometry;

RangeSlider::RangeSlider(const Controls &controls, QObject *parent)
    : QObject(parent), controls_(controls)
{
}

int RangeSlider::MarkerWidth() const
{
    return controls_.startMarker->width();
}

void RangeSlider::InitSlider()
{
    controls_.bar->raise();
    controls_.track->lower();
    const auto follow = [this](TsuiImageButton *marker, SliderPart part) {
        connect(marker, &TsuiImageButton::mouseDown, this, [this, part](QMouseEvent *e) { MouseDown(part, *e); });
        connect(marker, &TsuiImageButton::mouseMove, this, [this, part](QMouseEvent *e) { MouseMove(part, *e); });
        connect(marker, &TsuiImageButton::mouseUp, this, [this, part](QMouseEvent *e) { MouseUp(part, *e); });
    };
    follow(controls_.startMarker, SliderPart::Start);
    follow(controls_.endMarker, SliderPart::End);
    controls_.bar->installEventFilter(this);
    controls_.startMarker->move(0, controls_.startMarker->y());
    controls_.endMarker->move(S::MarkerLimit, controls_.endMarker->y());
    controls_.bar->resize(0, controls_.bar->height());
}

void RangeSlider::PlaceMarkers(double startFraction, double endFraction)
{
    const S::MarkerPlaces places =
        S::PlaceMarkers(startFraction, endFraction, MarkerWidth(), controls_.endMarker->width());
    controls_.startMarker->move(places.startLeft, controls_.startMarker->y());
    controls_.endMarker->move(places.endLeft, controls_.endMarker->y());
    controls_.startMarker->setEnabled(places.enabled);
    controls_.endMarker->setEnabled(places.enabled);
    if (places.enabled)
        UpdateRangeBar();
    else
        controls_.bar->resize(0, controls_.bar->height());
}

void RangeSlider::UpdateRangeBar()
{
    const S::BarPlace bar = S::RangeBar(controls_.startMarker->x(), controls_.endMarker->x(), MarkerWidth());
    controls_.bar->setGeometry(bar.left, controls_.bar->y(), bar.width, controls_.bar->height());
}

float RangeSlider::StartFraction() const
{
    return S::StartFraction(controls_.startMarker->x(), MarkerWidth());
}

float RangeSlider::EndFraction() const
{
    return S::EndFraction(controls_.endMarker->x(), MarkerWidth());
}

bool RangeSlider::eventFilter(QObject *watched, QEvent *event)
{
    // The bar keeps the mouse events it gets, so that the moves of a drag keep coming to it. A
    // filter sees them also while the slider is disabled: they count only when it is enabled.
    if (watched == controls_.bar && controls_.bar->isEnabled()) {
        switch (event->type()) {
        case QEvent::MouseButtonPress: MouseDown(SliderPart::Bar, static_cast<QMouseEvent &>(*event)); return true;
        case QEvent::MouseMove: MouseMove(SliderPart::Bar, static_cast<QMouseEvent &>(*event)); return true;
        case QEvent::MouseButtonRelease: MouseUp(SliderPart::Bar, static_cast<QMouseEvent &>(*event)); return true;
        default: break;
        }
    }
    return QObject::eventFilter(watched, event);
}

void RangeSlider::MouseDown(SliderPart part, const QMouseEvent &event)
{
    if (event.button() != Qt::LeftButton)
        return;
    DragDownCursor = event.globalPosition().toPoint();
    DragCursor = DragDownCursor;
    const QWidget *dragged = part == SliderPart::Start ? controls_.startMarker
                             : part == SliderPart::End ? controls_.endMarker
                                                       : static_cast<QWidget *>(controls_.bar);
    DragDownLeft = dragged->x();
    if (part == SliderPart::Bar)
        emit BarPressed();
}

void RangeSlider::MouseMove(SliderPart part, const QMouseEvent &event)
{
    if (!(event.buttons() & Qt::LeftButton))
        return;
    DragCursor = event.globalPosition().toPoint();
    const int dx = DragCursor.x() - DragDownCursor.x();
    const int w = MarkerWidth();
    const int trackWidth = controls_.track->width();
    TsuiImageButton *start = controls_.startMarker;
    TsuiImageButton *end = controls_.endMarker;
    switch (part) {
    case SliderPart::Start:
        start->move(S::DragStart(DragDownLeft, dx, end->x(), w), start->y());
        break;
    case SliderPart::End:
        end->move(S::DragEnd(DragDownLeft, dx, start->x(), w, trackWidth, end->width()), end->y());
        break;
    case SliderPart::Bar: {
        const int barWidth = controls_.bar->width();
        const int left = S::DragBar(DragDownLeft, dx, w, trackWidth, end->width(), barWidth);
        start->move(left - w, start->y());
        end->move(left + barWidth, end->y());
        break;
    }
    }
    UpdateRangeBar();
    emit Moved(part);
}

void RangeSlider::MouseUp(SliderPart part, const QMouseEvent &event)
{
    if (event.button() == Qt::LeftButton)
        emit Released(part);
}
