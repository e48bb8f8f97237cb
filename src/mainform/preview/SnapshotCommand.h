#pragma once

#include <QObject>

class ClipList;
class PreviewPane;
class QWidget;
class TVideoInfo;

// The snapshot command: saves the current clip's frame, fetched again from the frame grabber at
// the size the chosen form needs, as a PSP thumbnail (also beside the clip's output file, which is
// renamed when an earlier output holds its name), a JPEG or a bitmap. The dialog remembers the
// chosen form while the program runs.
class SnapshotCommand : public QObject {
    Q_OBJECT

public:
    SnapshotCommand(ClipList &clips, PreviewPane &pane, QWidget *window, QObject *parent = nullptr);

    void suiImageButton_SnapshootClick();

private:
    // The name the clip's thumbnail copy goes under in the output folder; empty when none is free.
    QString CopyName(const TVideoInfo &clip) const;

    ClipList &clips_;
    PreviewPane &pane_;
    QWidget *window_;
    int filterIndex_ = 1;
};
