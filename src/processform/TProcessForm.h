#pragma once

#include "platform/WindowMessage.h"

#include <QTimer>
#include <QWidget>

class PictureBox;
class QLabel;
class TsuiImageButton;
class TsuiSkinForm;

// The conversion window: a frameless skinned window that shows a run's progress, created once at
// start-up and shown modally for each run.
class TProcessForm : public QWidget {
    Q_OBJECT

public:
    explicit TProcessForm(QWidget *parent = nullptr);

    TsuiSkinForm *Skin() const { return skin_; }
    MessageTarget *Handle() { return messageTarget_.Handle(); }
    // Handlers by message number: 2312 the run may be stopped, 2023 the run finished.
    WindowMessageDispatcher &Messages() { return messages_; }

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

protected:
    bool event(QEvent *event) override;

private:
    void CreateInfoRows();
    void CreateProgress();
    void CreateButtons();

    TsuiSkinForm *skin_ = nullptr;
    WindowMessageTarget messageTarget_;
    WindowMessageDispatcher messages_;
};
