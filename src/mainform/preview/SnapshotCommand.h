#pragma once

#include <QObject>

class ClipList;
class PreviewPane;
class QWidget;

// The snapshot command: saves the current clip's frame, fetched again from the frame grabber at
// the size the chosen form needs, as a PSP thumbnail (also beside the clip's output file), a JPEG
// or a bitmap. The dialog remembers the chosen form while the program runs.
class SnapshotCommand : public QObject {
    Q_OBJECT

public:
    SnapshotCommand(ClipList &clips, PreviewPane &pane, QWidget *window, QObject *parent = nullptr);

    void suiImageButton_SnapshootClick();

private:
    ClipList &clips_;
    PreviewPane &pane_;
    QWidget *window_;
    int filterIndex_ = 1;
};
