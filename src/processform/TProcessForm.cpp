#include "processform/TProcessForm.h"

#include "core/AppGlobals.h"
#include "core/TextHelpers.h"
#include "core/conversion/ClipJobs.h"
#include "platform/FloatingPoint.h"
#include "platform/Prompts.h"
#include "processform/ConversionThread.h"
#include "processform/PspUpload.h"
#include "skin/ElidedLabel.h"
#include "skin/ImageButtons.h"
#include "skin/PictureBox.h"
#include "skin/SkinFonts.h"
#include "skin/SkinLabels.h"
#include "skin/SkinPictures.h"
#include "skin/TsuiImageButton.h"
#include "skin/TsuiSkinForm.h"
#include "skin/WindowSystem.h"
#include "skin/art/SkinLayout.h"
#include "skin/art/SkinPictureNames.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QEventLoop>
#include <QLabel>
#include <QScopeGuard>
#include <algorithm>
#include <utility>

namespace L = ProcessFormLayout;
namespace N = SkinPictureName;

namespace {

QRect row(const QRect &column, int index)
{
    return column.translated(0, L::FirstRowTop + index * L::RowPitch);
}

} // namespace

TProcessForm::TProcessForm(QWidget *parent)
    : QWidget(parent, Qt::Window), messageTarget_(this)
{
    MaskFloatingPointExceptions();
    setWindowTitle(DisplayProductName);
    setWindowModality(Qt::ApplicationModal);
    setFont(tahomaPoints(8));
    useSkinTextColour(*this);

    skin_ = new TsuiSkinForm(this);
    skin_->setGlyph(skinPicture(QLatin1String(N::ProcessForm)));
    CreateInfoRows();
    CreateProgress();
    CreateButtons();
    Timer_Info.setInterval(500);
    connect(&Timer_Info, &QTimer::timeout, this, &TProcessForm::Timer_InfoTimer);
    messages_.On(DVDENCODER_MSG_READY, [this](intptr_t, intptr_t) { suiImageButton_StopConvert->setEnabled(true); });
    messages_.On(ConversionThread::RunFinishedMessage,
                 [this](intptr_t outcome, intptr_t) { RunFinishedMessage(int(outcome)); });
}

// A run still going is stopped and waited for before the controls it reports to go.
TProcessForm::~TProcessForm()
{
    conversion_.reset();
}

void TProcessForm::CreateInfoRows()
{
    newLabel(this, QStringLiteral("Current Clip :"), row(L::LeftCaption, 0));
    // A source path can be of any length: shown elided in the middle, whole in the tooltip.
    Label_TitleName = new ElidedLabel(this, Qt::ElideMiddle);
    Label_TitleName->setObjectName(QStringLiteral("Label_TitleName"));
    Label_TitleName->setGeometry(row(L::WideValue, 0));
    Label_TitleName->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    newLabel(this, QStringLiteral("Destination Name :"), row(L::LeftCaption, 1));
    Label_DesName = newLabel(this, {}, row(L::WideValue, 1));
    newLabel(this, QStringLiteral("Start Time :"), row(L::LeftCaption, 2));
    Label_StartTime = newLabel(this, QStringLiteral("00:00:00"), row(L::LeftValue, 2));
    newLabel(this, QStringLiteral("Stop Time :"), row(L::RightCaption, 2));
    Label_StopTime = newLabel(this, QStringLiteral("00:00:00"), row(L::RightValue, 2));
    newLabel(this, QStringLiteral("Duration :"), row(L::LeftCaption, 3));
    Label_Length = newLabel(this, QStringLiteral("00:00:00"), row(L::LeftValue, 3));
    newLabel(this, QStringLiteral("Current Time :"), row(L::RightCaption, 3));
    Label_CurrentTime = newLabel(this, QStringLiteral("00:00:00"), row(L::RightValue, 3));
    newLabel(this, QStringLiteral("FPS :"), row(L::LeftCaption, 4));
    Label_FPS = newLabel(this, QStringLiteral("0"), row(L::LeftValue, 4));
    newLabel(this, QStringLiteral("Current Frame :"), row(L::RightCaption, 4));
    Label_CurrentFrame = newLabel(this, QStringLiteral("0"), row(L::RightValue, 4));
}

void TProcessForm::CreateProgress()
{
    Panel_Progress = new QWidget(this);
    Panel_Progress->setGeometry(QRect(L::Panel_Progress.topLeft(), QSize(0, L::Panel_Progress.height())));
    Image_Progress = new PictureBox(skinPicture(QLatin1String(N::Progress)), Panel_Progress);
    Image_Progress->setStretch(true);
    Image_Progress->setGeometry(0, 0, L::Panel_Progress.width(), L::Panel_Progress.height());
    Label_Percent = newLabel(this, QStringLiteral("0"), L::Label_Percent, Qt::AlignRight);
    newLabel(this, QStringLiteral("%"), L::PercentSign);
    Label_CopyFile = newLabel(this, {}, L::Label_CopyFile);
}

void TProcessForm::CreateButtons()
{
    suiImageButton_StopConvert = newImageButton(this, N::StopConvert, L::StopConvert);
    suiImageButton_Copy = newImageButton(this, N::Copy, L::Copy);
    suiImageButton_Copy->setToolTip(QStringLiteral("Upload to PSP"));
    suiImageButton_Copy->setEnabled(false);
    suiImageButton_Close = newImageButton(this, N::ProcessClose, L::Close);
    connect(suiImageButton_StopConvert, &TsuiImageButton::clicked, this, &TProcessForm::suiImageButton_StopConvertClick);
    connect(suiImageButton_Copy, &TsuiImageButton::clicked, this, &TProcessForm::suiImageButton_CopyClick);
    connect(suiImageButton_Close, &TsuiImageButton::clicked, this, &TProcessForm::suiImageButton_CloseClick);
}

bool TProcessForm::event(QEvent *event)
{
    if (messages_.Dispatch(event))
        return true;
    return QWidget::event(event);
}

void TProcessForm::setVisible(bool visible)
{
    if (visible && !isVisible())
        WindowSystem::centreOnScreen(*this);
    QWidget::setVisible(visible);
}

void TProcessForm::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // A window restored from the taskbar is shown by the window system: it keeps what it shows.
    if (!event->spontaneous())
        FormShow();
}

void TProcessForm::keyPressEvent(QKeyEvent *event)
{
    // Escape closes the window once there is nothing left to wait for, like its Close button.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        if (!runInProgress_ && !uploading_)
            close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TProcessForm::FormShow()
{
    clipStart_ = 0;
    progressTotal_ = 0;
    const QString zeroTime = QStringLiteral("00:00:00");
    for (QLabel *time : {Label_StartTime, Label_StopTime, Label_Length, Label_CurrentTime})
        time->setText(zeroTime);
    for (QLabel *text : {Label_TitleName, Label_DesName, Label_CopyFile})
        text->clear();
    Label_FPS->setText(QStringLiteral("0"));
    Label_CurrentFrame->setText(QStringLiteral("0"));
    suiImageButton_Copy->setEnabled(false);
    Progress(0);
}

void TProcessForm::SetUploadSources(const ClipList *clips, const Volumes *volumes)
{
    uploadClips_ = clips;
    uploadVolumes_ = volumes;
}

void TProcessForm::ShowRun(ConversionJob job)
{
    conversion_.reset();
    runInProgress_ = true;
    show();
    ConversionThread::Display display;
    display.clipStarting = [this](const ClipJob &clip, const ClipPlan &plan) { ShowClip(clip, plan); };
    display.engineCallStarting = [this] {
        suiImageButton_StopConvert->setEnabled(false);
        Timer_Info.start();
    };
    display.engineCallEnded = [this] { Timer_Info.stop(); };
    conversion_ = std::make_unique<ConversionThread>(std::move(job), this, Handle(), std::move(display));

    // Modal: the main window takes no input meanwhile (the window is application-modal), and the
    // caller goes on once the window has closed.
    if (isVisible()) {
        QEventLoop modal;
        connect(this, &TProcessForm::Closed, &modal, &QEventLoop::quit);
        modal.exec();
    }
}

void TProcessForm::ShowClip(const ClipJob &clip, const ClipPlan &plan)
{
    clipStart_ = plan.clipStart;
    progressTotal_ = plan.progressTotal;
    Label_StartTime->setText(SecondsToText(clip.startTime));
    Label_StopTime->setText(SecondsToText(clip.endTime));
    Label_Length->setText(SecondsToText(plan.length));
    Label_CurrentTime->setText(QStringLiteral("00:00:00"));
    Label_TitleName->setText(clip.sourcePath);
    Label_DesName->setText(clip.outputName);
    Label_FPS->setText(QStringLiteral("0"));
    Label_CurrentFrame->setText(QStringLiteral("0"));
    Progress(0);
    Label_CopyFile->clear();
}

void TProcessForm::Timer_InfoTimer()
{
    if (!conversion_)
        return;
    const auto progress = conversion_->Run().Poll();
    if (!progress)
        return;
    Label_CurrentTime->setText(SecondsToText(progress->secondsDone + clipStart_));
    if (progress->fps != 0 && progress->frame != 0) {
        Label_FPS->setText(QString::number(progress->fps));
        Label_CurrentFrame->setText(QString::number(progress->frame));
    } else {
        Label_FPS->setText(QStringLiteral("Seeking..."));
        Label_CurrentFrame->setText(QStringLiteral("Seeking..."));
        repaint();
    }
    Progress(progress->secondsDone);
}

void TProcessForm::SetBar(qint64 width)
{
    Panel_Progress->resize(int(std::clamp<qint64>(width, 0, L::ProgressTravel)), Panel_Progress->height());
}

void TProcessForm::Progress(qint64 secondsDone)
{
    if (progressTotal_ < 1) {
        SetBar(0);
        Label_Percent->setText(QStringLiteral("0"));
        return;
    }
    SetBar(secondsDone * L::ProgressTravel / progressTotal_);
    Label_Percent->setText(QString::number(secondsDone * 100 / progressTotal_));
}

void TProcessForm::Percent(qint64 percent)
{
    if (percent < 1) {
        SetBar(0);
        Label_Percent->setText(QStringLiteral("0"));
        return;
    }
    SetBar(percent * L::ProgressTravel / 100);
    Label_Percent->setText(QString::number(percent));
}

template <typename Ask> auto TProcessForm::AskUser(Ask ask)
{
    asking_ = true;
    const auto answer = ask(Prompts::Current());
    asking_ = false;
    if (deferredOutcome_)
        QMetaObject::invokeMethod(this, [this] {
            if (const auto outcome = std::exchange(deferredOutcome_, std::nullopt))
                RunFinished(*outcome);
        }, Qt::QueuedConnection);
    return answer;
}

void TProcessForm::suiImageButton_StopConvertClick()
{
    if (!Timer_Info.isActive() || !conversion_ || !conversion_->Run().EngineLoaded())
        return;
    if (!AskUser([](Prompts &prompts) { return prompts.Confirm(QStringLiteral("Do you want to stop process?")); }))
        return;
    // The run may have ended while the question was open; a stop then changes nothing.
    conversion_->Run().RequestStop();
    Timer_Info.stop();
}

void TProcessForm::RunFinishedMessage(int outcome)
{
    if (asking_)
        deferredOutcome_ = outcome;
    else
        RunFinished(outcome);
}

void TProcessForm::RunFinished(int outcome)
{
    runInProgress_ = false;
    if (conversion_)
        conversion_->Join();
    Prompts &prompts = Prompts::Current();
    switch (outcome) {
    case RunOutcome::AllDone:
        suiImageButton_Copy->setEnabled(true);
        Percent(100);
        prompts.Information(QStringLiteral("Process finish!\nYou can upload file to your PSP."));
        break;
    case RunOutcome::Stopped:
        prompts.Information(QStringLiteral("Stop process by user!"));
        break;
    case RunOutcome::Failed:
        prompts.Error(QStringLiteral("Conversion wrong, please check parameter and try again!"));
        break;
    case RunOutcome::EngineMissing:
        prompts.Error(QStringLiteral("Can not initial conversion function!\nRe-install software may fix this problem!"));
        close();
        break;
    default:
        break;
    }
}

void TProcessForm::suiImageButton_CloseClick()
{
    if (runInProgress_) {
        AskUser([](Prompts &prompts) {
            prompts.Information(QStringLiteral("Please stop conversion process first!"));
            return true;
        });
        return;
    }
    close();
}

bool TProcessForm::FormCloseQuery()
{
    if (runInProgress_)
        return false;
    if (uploading_) {
        closeAfterUpload_ = true;
        return false;
    }
    return true;
}

void TProcessForm::closeEvent(QCloseEvent *event)
{
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
    emit Closed();
}

void TProcessForm::suiImageButton_CopyClick()
{
    if (!uploadClips_ || !uploadVolumes_ || uploading_)
        return;
    uploading_ = true;
    const auto uploadEnded = qScopeGuard([this] {
        uploading_ = false;
        if (std::exchange(closeAfterUpload_, false))
            close();
    });
    UploadWindow window;
    window.copyFile = Label_CopyFile;
    window.percent = [this](qint64 percent) { Percent(percent); };
    window.buttons = [this](bool enabled) {
        for (TsuiImageButton *button : {suiImageButton_Copy, suiImageButton_Close, suiImageButton_StopConvert})
            button->setEnabled(enabled);
    };
    UploadToPsp(TickedOutputNames(*uploadClips_), *uploadVolumes_, window);
}
