#pragma once

#include "PreviewPane.h"
#include "RangeSlider.h"
#include "SnapshotCommand.h"
#include "TrimTimes.h"

#include <QObject>

class ClipList;
class WindowMessageDispatcher;

// The preview and trimming part of the main window: the pane with its frame grabber, the range
// slider, the time fields and the snapshot command, on the window's controls; it takes the
// frame grabber's messages 2312, 2412 and 2512.
class PreviewComponent : public QObject {
    Q_OBJECT

public:
    struct Controls {
        QWidget *window = nullptr;
        PreviewPane::Controls pane;
        RangeSlider::Controls slider;
        TrimTimes::Controls times;
    };

    PreviewComponent(ClipList &clips, MessageTarget *window, WindowMessageDispatcher &messages,
                     const Controls &controls);

    PreviewPane *Pane() { return &pane_; }
    RangeSlider *Slider() { return &slider_; }
    TrimTimes *Times() { return &times_; }
    SnapshotCommand *Snapshot() { return &snapshot_; }

private:
    RangeSlider slider_;
    TrimTimes times_;
    PreviewPane pane_;
    SnapshotCommand snapshot_;
};
