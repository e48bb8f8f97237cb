#pragma once

#include <QObject>
#include <QPoint>

class PictureBox;
class QMouseEvent;
class QWidget;
class TsuiImageButton;

enum class SliderPart { Start, End, Bar };

// The range slider under the preview: places the two markers and the bar between them, and drags
// them with the left button. Distances come from the screen cursor, since the dragged control
// moves under it. It fetches nothing itself: it tells what moved and what was let go.
class RangeSlider : public QObject {
    Q_OBJECT

public:
    struct Controls {
        QWidget *panel = nullptr;                 // Panel_Progress
        PictureBox *track = nullptr;              // Image_ProgressBack
        PictureBox *bar = nullptr;                // Image_Stretch
        TsuiImageButton *startMarker = nullptr;   // Image_Left
        TsuiImageButton *endMarker = nullptr;     // Image_Right
    };

    explicit RangeSlider(const Controls &controls, QObject *parent = nullptr);

    void InitSlider();
    // Markers from two fractions of the clip; neither >= 0 resets and disables them.
    void PlaceMarkers(double startFraction, double endFraction);
    void UpdateRangeBar();
    float StartFraction() const;
    float EndFraction() const;

signals:
    void BarPressed();
    void Moved(SliderPart part);
    void Released(SliderPart part);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void MouseDown(SliderPart part, const QMouseEvent &event);
    void MouseMove(SliderPart part, const QMouseEvent &event);
    void MouseUp(SliderPart part, const QMouseEvent &event);
    int MarkerWidth() const;

    Controls controls_;
    QPoint DragDownCursor;
    QPoint DragCursor;
    int DragDownLeft = 0;
};
