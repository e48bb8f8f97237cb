#pragma once

#include <QPointer>

class ClipList;
class PreviewLink;
class QComboBox;
class QLineEdit;
class QWidget;
class TVideoInfo;

// The controls beside the list that show the current clip; any of them may be missing until
// the part of the window that owns it exists.
struct CurrentClipControls {
    QPointer<QLineEdit> startEdit;     // suiEdit_Start
    QPointer<QLineEdit> stopEdit;      // suiEdit_Stop
    QPointer<QComboBox> audio;         // suiComboBox_Audio
    QPointer<QComboBox> subtitle;      // suiComboBox_Subtitle
    QPointer<QWidget> snapshot;        // suiImageButton_Snapshoot
    QPointer<QWidget> slider;          // Panel_Progress
};

// Makes a clip (or none) the current clip and fills and enables the controls for it
// (SetCurrentClip).
class CurrentClipDisplay {
public:
    CurrentClipDisplay(ClipList &clips, CurrentClipControls controls);

    void SetPreview(PreviewLink *preview) { preview_ = preview; }
    PreviewLink *Preview() const { return preview_; }
    const CurrentClipControls &Controls() const { return controls_; }

    void SetCurrentClip(TVideoInfo *clip);

    // The stream selectors' choices go to the current clip.
    void AudioChosen(int index);
    void SubtitleChosen(int index);

private:
    void ShowNoClip();
    void ShowClip(TVideoInfo *clip);

    ClipList &clips_;
    CurrentClipControls controls_;
    PreviewLink *preview_ = nullptr;
};
