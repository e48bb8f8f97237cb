#pragma once

#include "core/ClipList.h"
#include "core/streams/TrackChoice.h"
#include "platform/WindowMessage.h"
#include "platform/volumes/SystemVolumes.h"

#include <QPoint>
#include <QWidget>
#include <functional>
#include <memory>

class ClipListComponent;
class ConversionStart;
class HelpMenuComponent;
class PreviewComponent;
class SettingsPanel;
class PictureBox;
class QComboBox;
class QLabel;
class TsuiEdit;
class TsuiImageButton;
class TsuiImagePanel;
class TsuiMaskEdit;
class TsuiSkinForm;

// The main window: a frameless window shaped by its skin. It owns the controls, routes the
// numbered window messages and runs the window's life cycle; the clip list, the preview and the
// settings panel are components that plug into the controls below and into Messages().
class TMainForm : public QWidget {
    Q_OBJECT

public:
    explicit TMainForm(QWidget *parent = nullptr);
    ~TMainForm() override;

    TsuiSkinForm *Skin() const { return skin_; }
    // The window handle handed to the engine: messages posted to it arrive in Messages().
    MessageTarget *Handle() { return messageTarget_.Handle(); }
    WindowMessageTarget &MessageTargetOf() { return messageTarget_; }
    // Handlers by message number: 537 drive notifications, 2312/2412/2512 the frame grabber.
    WindowMessageDispatcher &Messages() { return messages_; }

    // The clips in display order (owning), and the list's part of the window: its view, the Add,
    // Remove and Clear commands, adding and the DVD drive notifications.
    ClipList &Clips() { return clips_; }
    ClipListComponent *ClipListPart() const { return clipListPart_; }
    // The preview pane with its frame grabber, the range slider, the time fields and the snapshot.
    PreviewComponent *PreviewPart() const { return previewPart_; }
    // The encoding choices under the list; the conversion run reads them.
    SettingsPanel *Settings() const { return settings_; }
    Volumes &VolumesOf() { return volumes_; }
    // The help button's menu and the About box.
    HelpMenuComponent *HelpPart() const { return helpPart_; }

    // Title bar and tool bar.
    TsuiImageButton *suiImageButton_Help = nullptr;
    TsuiImageButton *suiImageButton_Min = nullptr;
    TsuiImageButton *suiImageButton_Close = nullptr;
    TsuiImageButton *suiImageButton_OpenDir = nullptr;   // "Add"
    TsuiImageButton *suiImageButton_OpenFile = nullptr;  // "Remove"
    TsuiImageButton *suiImageButton_Clear = nullptr;
    TsuiImageButton *suiImageButton_Option = nullptr;

    // Preview pane, range slider and snapshot.
    QWidget *Panel_Preview = nullptr;
    QLabel *Image_Preview = nullptr;
    QLabel *Label_Info = nullptr;
    QWidget *Panel_Progress = nullptr;
    PictureBox *Image_ProgressBack = nullptr;
    PictureBox *Image_Stretch = nullptr;
    TsuiImageButton *Image_Left = nullptr;
    TsuiImageButton *Image_Right = nullptr;
    TsuiImageButton *suiImageButton_Snapshoot = nullptr;

    // Trim times and output folder.
    QLabel *Label_Start = nullptr;
    TsuiMaskEdit *suiEdit_Start = nullptr;
    QLabel *Label_Stop = nullptr;
    TsuiMaskEdit *suiEdit_Stop = nullptr;
    QLabel *Label_OutputFolder = nullptr;
    TsuiEdit *suiEdit_OutputFolder = nullptr;
    TsuiImageButton *suiImageButton_Browse = nullptr;

    // Stream selectors of the current clip, outside the visible client area.
    QLabel *Label_Audio = nullptr;
    QComboBox *suiComboBox_Audio = nullptr;
    QLabel *Label_Subtitle = nullptr;
    QComboBox *suiComboBox_Subtitle = nullptr;

    TsuiImageButton *suiImageButton_StartConvert = nullptr;

    // The intro picture that covers the preview and the list while the list is empty.
    TsuiImagePanel *Panel_Intro = nullptr;
    PictureBox *Image = nullptr;

    // Brings the overlays to the front, in this order: the adding progress panel (when a
    // component placed one) and the intro.
    void RaiseOverlays(QWidget *addProgressPanel = nullptr);

    // Writes the options (close button, output folder chosen); false when the write failed and
    // was reported. main() connects it to the options store.
    void SetOptionsSaver(std::function<bool()> saver) { optionsSaver_ = std::move(saver); }
    // The default languages by which a new clip's sound and subtitles are chosen; main() connects
    // it to the options.
    void SetTrackLanguages(std::function<TrackLanguages()> languages);

    void suiImageButton_CloseClick();
    void suiImageButton_MinClick();
    void suiImageButton_BrowseClick();

    // Centred before it is first shown.
    void setVisible(bool visible) override;

signals:
    // The first show, after this window's own first-show steps; components reset their state.
    void FirstShown();

protected:
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void CreateTitleAndToolBar();
    void CreatePreview();
    void CreateTimesAndOutputFolder();
    void CreateStreamSelectors();
    void CreateIntro();
    void CreateClipList();
    void CreateSettingsPanel();
    void CreatePreviewPart();
    void CreateConversionStart();
    void LoadCursors();
    bool SaveOptions();

    // Dragging the window by the intro picture.
    void ImageMouseDown(const QMouseEvent &event);
    void ImageMouseMove(const QMouseEvent &event);
    void ImageMouseUp(const QMouseEvent &event);

    TsuiSkinForm *skin_ = nullptr;
    WindowMessageTarget messageTarget_;
    WindowMessageDispatcher messages_;
    std::function<bool()> optionsSaver_;
    ClipList clips_;
    SystemVolumes volumes_;   // after messageTarget_: stops posting to it before it goes
    ClipListComponent *clipListPart_ = nullptr;
    SettingsPanel *settings_ = nullptr;
    HelpMenuComponent *helpPart_ = nullptr;
    PreviewComponent *previewPart_ = nullptr;
    ConversionStart *conversionStart_ = nullptr;
    bool shownOnce_ = false;

    bool IntroDragging = false;
    QPoint IntroDownCursor;
    int IntroDownLeft = 0;
    int IntroDownTop = 0;
};
