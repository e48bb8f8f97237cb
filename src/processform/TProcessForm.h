#pragma once

#include "core/conversion/ConversionJob.h"
#include "platform/WindowMessage.h"

#include <QTimer>
#include <QWidget>
#include <memory>
#include <optional>

class ClipList;
class ConversionThread;
class PictureBox;
class QLabel;
class TsuiImageButton;
class TsuiSkinForm;
class Volumes;
struct ClipPlan;

// The conversion window: a frameless skinned window that shows a run's progress, created once at
// start-up and shown modally for each run. It reports the run's outcome, refuses to close while
// the run goes on, and uploads the converted files to the PSP.
class TProcessForm : public QWidget {
    Q_OBJECT

public:
    explicit TProcessForm(QWidget *parent = nullptr);
    ~TProcessForm() override;

    // Centred on the screen before each showing.
    void setVisible(bool visible) override;

    TsuiSkinForm *Skin() const { return skin_; }
    MessageTarget *Handle() { return messageTarget_.Handle(); }
    // Handlers by message number: 2312 the run may be stopped, 2023 the run finished.
    WindowMessageDispatcher &Messages() { return messages_; }

    // What the upload walks: the main window's list (the ticked clips' names are taken when the
    // upload starts) and the mounted volumes. Both must outlive this window's showings.
    void SetUploadSources(const ClipList *clips, const Volumes *volumes);

    // Shows the window modally and runs `job` on a worker thread; returns once the window has
    // closed, which it refuses while the run goes on.
    void ShowRun(ConversionJob job);
    bool RunInProgress() const { return runInProgress_; }
    bool Uploading() const { return uploading_; }

    // The progress bar and Label_Percent: seconds done of the clip, and a percentage. The label
    // may pass 100; the bar stops at the end of its track.
    void Progress(qint64 secondsDone);
    void Percent(qint64 percent);

    void suiImageButton_StopConvertClick();
    void suiImageButton_CloseClick();
    // Throws std::runtime_error (UTF-8 text) when a copy failed, with the buttons back.
    void suiImageButton_CopyClick();
    void Timer_InfoTimer();

    QLabel *Label_TitleName = nullptr;
    QLabel *Label_DesName = nullptr;
    QLabel *Label_StartTime = nullptr;
    QLabel *Label_StopTime = nullptr;
    QLabel *Label_Length = nullptr;
    QLabel *Label_CurrentTime = nullptr;
    QLabel *Label_FPS = nullptr;
    QLabel *Label_CurrentFrame = nullptr;
    QWidget *Panel_Progress = nullptr;
    PictureBox *Image_Progress = nullptr;
    QLabel *Label_Percent = nullptr;
    QLabel *Label_CopyFile = nullptr;
    TsuiImageButton *suiImageButton_StopConvert = nullptr;
    TsuiImageButton *suiImageButton_Copy = nullptr;
    TsuiImageButton *suiImageButton_Close = nullptr;
    QTimer Timer_Info;

signals:
    // The window has closed: its modal showing is over.
    void Closed();

protected:
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void CreateInfoRows();
    void CreateProgress();
    void CreateButtons();

    void FormShow();
    bool FormCloseQuery();
    void ShowClip(const ClipJob &clip, const ClipPlan &plan);
    // Message 2023. While a box of this window waits for the user, the run's end is reported
    // once the box is answered, so the outcome never stacks on the question.
    void RunFinishedMessage(int outcome);
    void RunFinished(int outcome);
    template <typename Ask> auto AskUser(Ask ask);
    void SetBar(qint64 width);

    TsuiSkinForm *skin_ = nullptr;
    WindowMessageTarget messageTarget_;
    WindowMessageDispatcher messages_;
    const ClipList *uploadClips_ = nullptr;
    const Volumes *uploadVolumes_ = nullptr;
    std::unique_ptr<ConversionThread> conversion_;
    int clipStart_ = 0;
    int progressTotal_ = 0;
    bool runInProgress_ = false;
    bool uploading_ = false;
    bool closeAfterUpload_ = false;
    bool asking_ = false;
    std::optional<int> deferredOutcome_;
};
