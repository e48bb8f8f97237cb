#pragma once

#include "AddProgressPanel.h"
#include "CurrentClipDisplay.h"
#include "DvdDriveWatch.h"
#include "core/streams/TrackChoice.h"

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

class ClipAdder;
class ClipList;
class ClipListMenu;
class ClipListView;
class ClipRow;
class PreviewLink;
class TVideoInfo;
class Volumes;

// The clip list part of the main window: the list view with its rows and scroll bar, selection
// and the current clip, the Add, Remove and Clear commands and the list's popup menu, adding
// files from the open dialog or a drop, and the DVD drive notifications.
class ClipListComponent : public QObject {
    Q_OBJECT

public:
    struct Controls {
        QWidget *window = nullptr;                     // the main window
        QPointer<QWidget> introPanel;                  // Panel_Intro
        std::function<void()> resetTimeFieldColours;    // suiEdit_Start, suiEdit_Stop
        CurrentClipControls current;
    };

    ClipListComponent(ClipList &clips, const Volumes &volumes, Controls controls);
    ~ClipListComponent() override;

    void SetPreview(PreviewLink *preview);
    PreviewLink *Preview() const;

    ClipListView *View() const { return view_; }
    AddProgressPanel *ProgressPanel() const { return progress_; }
    ClipListMenu *ListMenu() const { return listMenu_; }   // made on first use
    const DvdDriveWatch &DvdWatch() const { return dvdWatch_; }

    // Where the default languages of new clips' sound and subtitles come from (the options).
    void SetTrackLanguages(std::function<TrackLanguages()> languages);

    // Files are being added (Busy).
    bool Busy() const;
    void SetBusy(bool busy);

    void suiImageButton_OpenDirClick();    // Add
    void suiImageButton_OpenFileClick();   // Remove
    void suiImageButton_ClearClick();      // Clear, then the intro shows
    void RemoveSelectedClips();
    void ClearClips();
    void SetCurrentClip(TVideoInfo *clip);
    // Adds files as chosen in the open dialog; the first clip becomes current when nothing is
    // selected afterwards.
    void AddFiles(const QStringList &paths);
    // Message 537; one that comes while files are being added is handled once they are.
    void DeviceChanged(intptr_t wparam, intptr_t lparam);

signals:
    // A DVD video disc came up while the list was empty: its label is the title (suiEdit_DVDName).
    void DvdTitleFound(const QString &label);

private:
    bool IgnoresMouse() const;
    void RowPressed(ClipRow *row);
    // Up and Down: the clip above or below becomes the only one selected and the current one.
    void StepSelection(int step);
    void ListReleased(ClipRow *row, Qt::MouseButton button, const QPoint &globalPos);
    void ShowIntro(bool show);
    void ResetTimeFieldColours();
    void RepaintWindow();

    ClipList &clips_;
    Controls controls_;
    CurrentClipDisplay current_;
    DvdDriveWatch dvdWatch_;
    ClipListView *view_ = nullptr;
    AddProgressPanel *progress_ = nullptr;
    ClipListMenu *listMenu_ = nullptr;
    std::unique_ptr<ClipAdder> adder_;
    std::vector<std::pair<intptr_t, intptr_t>> heldDeviceChanges_; // (WParam, LParam)
};
