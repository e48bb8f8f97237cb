#include "mainform/cliplist/ClipListComponent.h"

#include "core/AppGlobals.h"
#include "core/ClipList.h"
#include "mainform/cliplist/AddProgressPanel.h"
#include "mainform/cliplist/ClipAdder.h"
#include "mainform/cliplist/ClipDropTarget.h"
#include "mainform/cliplist/ClipListMenu.h"
#include "mainform/cliplist/ClipListView.h"
#include "mainform/cliplist/ClipRow.h"
#include "mainform/cliplist/ClipScrollBar.h"
#include "mainform/cliplist/PreviewLink.h"
#include "platform/Prompts.h"
#include "skin/art/SkinLayout.h"

#include <QComboBox>

ClipListComponent::ClipListComponent(ClipList &clips, const Volumes &volumes, Controls controls)
    : QObject(controls.window), clips_(clips), controls_(std::move(controls)),
      current_(clips, controls_.current),
      dvdWatch_(volumes, {[this] { return clips_.Count() == 0; },
                          [this](const QString &label) { emit DvdTitleFound(label); },
                          [this] { ClearClips(); }})
{
    view_ = new ClipListView(clips_, controls_.window);
    view_->move(MainFormLayout::Panel_Info.topLeft());
    progress_ = new AddProgressPanel(controls_.window);
    progress_->move(MainFormLayout::Panel_AddProgress.topLeft());
    adder_ = std::make_unique<ClipAdder>(
        clips_, *progress_, [this] { RepaintWindow(); },
        [this] {
            ShowIntro(false);
            RepaintWindow();
        });
    connect(view_, &ClipListView::rowPressed, this, &ClipListComponent::RowPressed);
    connect(view_, &ClipListView::released, this, &ClipListComponent::ListReleased);
    connect(view_, &ClipListView::stepPressed, this, &ClipListComponent::StepSelection);
    connect(view_, &ClipListView::removePressed, this, &ClipListComponent::suiImageButton_OpenFileClick);
    new ClipDropTarget(
        controls_.window, [this] { return !Busy(); },
        [this](const QStringList &files) {
            if (!Busy())
                AddFiles(files);
        },
        this);
    if (QComboBox *audio = controls_.current.audio)
        connect(audio, &QComboBox::currentIndexChanged, this,
                [this](int index) { current_.AudioChosen(index); });
    if (QComboBox *subtitle = controls_.current.subtitle)
        connect(subtitle, &QComboBox::currentIndexChanged, this,
                [this](int index) { current_.SubtitleChosen(index); });
    current_.SetCurrentClip(nullptr);
}

ClipListComponent::~ClipListComponent() = default;

void ClipListComponent::SetPreview(PreviewLink *preview)
{
    current_.SetPreview(preview);
}

PreviewLink *ClipListComponent::Preview() const
{
    return current_.Preview();
}

void ClipListComponent::SetTrackLanguages(std::function<TrackLanguages()> languages)
{
    adder_->SetTrackLanguages(std::move(languages));
}

bool ClipListComponent::Busy() const
{
    return adder_->Busy();
}

void ClipListComponent::SetBusy(bool busy)
{
    adder_->SetBusy(busy);
}

void ClipListComponent::suiImageButton_OpenDirClick()
{
    if (Busy())
        return;
    const QStringList paths = Prompts::Current().OpenFiles(QString(), OpenDialogFilter);
    if (paths.isEmpty())
        return;
    AddFiles(paths);
}

void ClipListComponent::AddFiles(const QStringList &paths)
{
    if (Busy() || paths.isEmpty())
        return;
    if (PreviewLink *preview = current_.Preview())
        preview->CloseFrameLibrary();
    adder_->AddFiles(paths);
    clips_.CollectSelected();
    if (clips_.SelectedClips().isEmpty() && clips_.Count() > 0) {
        TVideoInfo *first = clips_.ClipAt(0);
        SetCurrentClip(first);
        first->SetSelected(true);
    }
    for (const auto &[wparam, lparam] : std::exchange(heldDeviceChanges_, {}))
        dvdWatch_.DeviceChanged(wparam, lparam);
}

void ClipListComponent::suiImageButton_OpenFileClick()
{
    if (!Busy())
        RemoveSelectedClips();
}

void ClipListComponent::suiImageButton_ClearClick()
{
    if (Busy())
        return;
    ClearClips();
    ShowIntro(true);
}

void ClipListComponent::RemoveSelectedClips()
{
    SetCurrentClip(nullptr);
    clips_.CollectSelected();
    QList<TVideoInfo *> doomed = clips_.SelectedClips();
    clips_.RemoveClips(doomed);
    view_->LayoutRows();
    ShowIntro(clips_.Count() == 0);
    ResetTimeFieldColours();
}

void ClipListComponent::ClearClips()
{
    SetCurrentClip(nullptr);
    if (PreviewLink *preview = current_.Preview())
        preview->ShowClipRange(nullptr);
    clips_.ClearClips();
    RepaintWindow();
    view_->collapseRows();
    dvdWatch_.Forget();
    ResetTimeFieldColours();
}

// With no current clip the time fields are empty and disabled: a red or lime one would be stuck.
void ClipListComponent::ResetTimeFieldColours()
{
    if (controls_.resetTimeFieldColours)
        controls_.resetTimeFieldColours();
}

void ClipListComponent::SetCurrentClip(TVideoInfo *clip)
{
    current_.SetCurrentClip(clip);
}

void ClipListComponent::DeviceChanged(intptr_t wparam, intptr_t lparam)
{
    // The window keeps handling messages while the engine reads a file: a disc taken out then
    // clears the list after the adding, not in the middle of it.
    if (Busy()) {
        heldDeviceChanges_.emplace_back(wparam, lparam);
        return;
    }
    dvdWatch_.DeviceChanged(wparam, lparam);
}

bool ClipListComponent::IgnoresMouse() const
{
    const PreviewLink *preview = current_.Preview();
    return Busy() || (preview && preview->AwaitingFrame());
}

void ClipListComponent::RowPressed(ClipRow *row)
{
    if (IgnoresMouse())
        return;
    TVideoInfo *clip = row->clip();
    if (!clip)
        return;
    if (!clip->Selected()) {
        clips_.CollectSelected();
        for (TVideoInfo *selected : clips_.SelectedClips())
            selected->SetSelected(false);
        clip->SetSelected(true);
    }
    const QPointer<ClipRow> pressed(row);
    SetCurrentClip(clip);
    if (pressed)
        pressed->setFocus(Qt::MouseFocusReason);
}

void ClipListComponent::StepSelection(int step)
{
    // Refused when a press would be.
    if (IgnoresMouse())
        return;
    const TVideoInfo *current = clips_.CurrentClip();
    const int position = (current ? clips_.IndexOf(current) : -1) + step;
    TVideoInfo *clip = clips_.ClipAt(position);
    if (!clip)
        return;
    clips_.CollectSelected();
    for (TVideoInfo *selected : clips_.SelectedClips())
        selected->SetSelected(false);
    clip->SetSelected(true);
    view_->ScrollToRow(position);
    const QPointer<ClipRow> row(view_->rowOf(clip));
    SetCurrentClip(clip);
    if (row)
        row->setFocus(Qt::OtherFocusReason);
}

void ClipListComponent::ListReleased(ClipRow *row, Qt::MouseButton button, const QPoint &globalPos)
{
    if (IgnoresMouse() || (!row && button == Qt::LeftButton))
        return;
    if (button == Qt::RightButton) {
        if (!listMenu_) {
            listMenu_ = new ClipListMenu(controls_.window);
            connect(listMenu_, &ClipListMenu::RemoveChosen, this,
                    &ClipListComponent::RemoveSelectedClips);
            connect(listMenu_, &ClipListMenu::ClearChosen, this, &ClipListComponent::ClearClips);
            connect(listMenu_, &ClipListMenu::AddChosen, this,
                    &ClipListComponent::suiImageButton_OpenDirClick);
        }
        clips_.CollectSelected();
        listMenu_->Update(!clips_.SelectedClips().isEmpty(), clips_.Count() == 0);
        listMenu_->popup(globalPos);
    }
    view_->bar()->stopDragging();
}

void ClipListComponent::ShowIntro(bool show)
{
    if (controls_.introPanel)
        controls_.introPanel->setVisible(show);
}

void ClipListComponent::RepaintWindow()
{
    if (controls_.window)
        controls_.window->repaint();
}
