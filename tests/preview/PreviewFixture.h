#pragma once

#include "FakeEngineControl.h"
#include "FakeEngineInstall.h"
#include "PictureBox.h"
#include "PreviewDriving.h"
#include "ScriptedPrompts.h"
#include "SettingsPanel.h"
#include "TsuiEdit.h"
#include "TsuiMaskEdit.h"
#include "core/AppGlobals.h"
#include "core/ClipList.h"
#include "mainform/preview/PreviewComponent.h"

#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <functional>
#include <memory>

// The main window with the scripted engine, scripted prompts and an output folder of its own.
// Media files are empty files: the scripted engine answers by path.
class PreviewFixture : public ::testing::Test {
protected:
    using State = FrameGrabberSession::State;

    explicit PreviewFixture(const QString &engineWithout = QString()) : app(engineWithout) {}

    void SetUp() override
    {
        ASSERT_TRUE(app.IsValid());
        ASSERT_TRUE(media.isValid());
        ASSERT_TRUE(output.isValid());
        FakeEngine::Reset();
        FakeEngine::SetDefaultProbeAnswer(Probe(100));
        savedOutputFolder = g_s_OutputFolder;
        g_s_OutputFolder = output.path() + QLatin1Char('/');
        OpenDialogFilter = QStringLiteral("Video|*.avi;*.mp4");
        form = std::make_unique<TMainForm>();
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    void TearDown() override
    {
        // Nothing the engine held back may reach a later test's window.
        FakeEngine::Reset();
        form.reset();
        g_s_OutputFolder = savedOutputFolder;
    }

    static FakeEngine::ProbeAnswer Probe(int duration, int width = 640, int height = 480, int aspectCode = 2,
                                         int flag = 1)
    {
        FakeEngine::ProbeAnswer answer;
        answer.info.duration = duration;
        answer.info.frameRate = 25.0f;
        answer.info.width = width;
        answer.info.height = height;
        answer.info.aspectCode = aspectCode;
        answer.info.flag = flag;
        return answer;
    }

    static std::string Key(const QString &path) { return QFile::encodeName(path).toStdString(); }

    // Adds clips through the Add button; the scripted engine gives each its probe answer.
    QList<TVideoInfo *> AddClips(const QList<FakeEngine::ProbeAnswer> &answers)
    {
        QStringList paths;
        for (const auto &answer : answers) {
            const QString path = media.filePath(QStringLiteral("clip %1.avi").arg(form->Clips().Count() + paths.size()));
            QFile(path).open(QIODevice::WriteOnly);
            FakeEngine::SetProbeAnswer(Key(path), answer);
            paths << path;
        }
        const int before = form->Clips().Count();
        prompts.QueueOpenFiles(paths);
        QTest::mouseClick(form->suiImageButton_OpenDir, Qt::LeftButton, {}, QPoint(5, 5));
        Settle();
        QList<TVideoInfo *> added;
        for (int i = before; i < form->Clips().Count(); ++i)
            added << form->Clips().ClipAt(i);
        return added;
    }

    TVideoInfo *AddClip(int duration) { return AddClips({Probe(duration)}).value(0); }

    static void Settle() { PreviewDriving::Settle(); }

    // Runs `action` from the event loop of whatever waits next (the grabber's close).
    static void Soon(std::function<void()> action) { QTimer::singleShot(0, std::move(action)); }

    void PressRow(TVideoInfo *clip) { PreviewDriving::PressRow(*form, clip); }
    void Drag(QWidget *part, int dx) { PreviewDriving::Drag(*form, part, dx); }
    void DragTo(TsuiImageButton *marker, int left) { PreviewDriving::DragTo(*form, marker, left); }

    // Types into a time field as the user does: focus, select all, keys.
    void Type(TsuiMaskEdit *field, const QString &keys)
    {
        field->setFocus(Qt::MouseFocusReason);
        field->selectAll();
        QTest::keyClicks(field, keys);
    }

    // Leaves the focused field for the DVD-name field.
    void Leave() { form->Settings()->suiEdit_DVDName->setFocus(Qt::TabFocusReason); }

    PreviewPane *Pane() const { return form->PreviewPart()->Pane(); }
    State GrabberState() const { return Pane()->Grabber().CurrentState(); }
    bool Busy() const { return PreviewDriving::Seeking(*form); }
    QColor Normal() const { return form->suiEdit_OutputFolder->color(); }
    static std::vector<int64_t> RequestedSeconds()
    {
        std::vector<int64_t> seconds;
        for (const auto &call : FakeEngine::CallsTo("X_Set_NextFrame_Time"))
            seconds.push_back(call.numbers.at(0));
        return seconds;
    }
    QColor ShownColour() const
    {
        const QImage shown = form->Image_Preview->pixmap().toImage();
        return shown.isNull() ? QColor() : shown.pixelColor(shown.width() / 2, shown.height() / 2);
    }

    FakeEngine::FakeAppFolder app;
    QTemporaryDir media;
    QTemporaryDir output;
    ScriptedPrompts prompts;
    QString savedOutputFolder;
    std::unique_ptr<TMainForm> form;
};
