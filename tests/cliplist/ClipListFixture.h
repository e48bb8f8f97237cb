#pragma once

#include "FakeEngineControl.h"
#include "FakeEngineInstall.h"
#include "FakeVolumes.h"
#include "ScriptedPrompts.h"
#include "core/AppGlobals.h"
#include "core/ClipList.h"
#include "mainform/cliplist/AddProgressPanel.h"
#include "mainform/cliplist/ClipListComponent.h"
#include "mainform/cliplist/ClipListMenu.h"
#include "mainform/cliplist/ClipListView.h"
#include "mainform/cliplist/ClipRow.h"
#include "mainform/cliplist/TLabelInfo.h"
#include "platform/WindowMessage.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

// A main window stand-in that routes message 537 as the real one does.
class MessageWindow : public QWidget {
public:
    WindowMessageDispatcher dispatcher;

protected:
    bool event(QEvent *event) override
    {
        return dispatcher.Dispatch(event) || QWidget::event(event);
    }
};

inline FakeEngine::ProbeAnswer Probe(int width, int height, int aspectCode = 0, int flag = 1,
                                     int duration = 95)
{
    FakeEngine::ProbeAnswer answer;
    answer.result = 0;
    answer.info.duration = duration;
    answer.info.frameRate = 25.0f;
    answer.info.videoBitRate = 1500.5f;
    answer.info.width = width;
    answer.info.height = height;
    answer.info.aspectCode = aspectCode;
    answer.info.sampleRate = 44100;
    answer.info.audioBitRate = 128.0f;
    answer.info.flag = flag;
    return answer;
}

// The clip list component on a bare window with the controls it fills, the scripted engine,
// scripted prompts and scripted volumes. Media files are empty files in a temporary folder: the
// scripted engine answers by path.
class ClipListFixture : public ::testing::Test {
protected:
    explicit ClipListFixture(bool installEngine = true)
        : app(QString(), installEngine)
    {
    }

    void SetUp() override
    {
        ASSERT_TRUE(app.IsValid());
        ASSERT_TRUE(media.isValid());
        FakeEngine::Reset();
        FakeEngine::SetDefaultProbeAnswer(Probe(1280, 720));
        OpenDialogFilter = QStringLiteral("Video|*.avi;*.mp4");
        window.resize(869, 451);
        intro = new QWidget(&window);
        startEdit = new QLineEdit(&window);
        stopEdit = new QLineEdit(&window);
        audio = new QComboBox(&window);
        subtitle = new QComboBox(&window);
        snapshot = new QWidget(&window);
        slider = new QWidget(&window);
        ClipListComponent::Controls controls;
        controls.window = &window;
        controls.introPanel = intro;
        controls.current = {startEdit, stopEdit, audio, subtitle, snapshot, slider};
        list = std::make_unique<ClipListComponent>(clips, volumes, controls);
        QObject::connect(list.get(), &ClipListComponent::DvdTitleFound,
                         [this](const QString &label) { title = label; });
        target = std::make_unique<WindowMessageTarget>(&window);
        window.dispatcher.On(DeviceChangeMessage, [this](intptr_t w, intptr_t l) {
            list->DeviceChanged(w, l);
        });
        volumes.watch(target->Handle());
        window.show();
    }

    void TearDown() override { volumes.watch(nullptr); }

    // An (empty) media file in the temporary folder.
    QString MediaFile(const QString &name)
    {
        const QString path = media.filePath(name);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        return path;
    }

    static std::string Key(const QString &path) { return QFile::encodeName(path).toStdString(); }

    void Refuse(const QString &path)
    {
        FakeEngine::ProbeAnswer refused;
        refused.result = -1;
        FakeEngine::SetProbeAnswer(Key(path), refused);
    }

    void AddThroughDialog(const QStringList &paths)
    {
        prompts.QueueOpenFiles(paths);
        list->suiImageButton_OpenDirClick();
    }

    void AddClips(int count)
    {
        QStringList paths;
        for (int i = 0; i < count; ++i)
            paths << MediaFile(QString("clip %1.avi").arg(clips.Count() + i));
        AddThroughDialog(paths);
    }

    static void RightClick(QWidget *widget, QPoint at = QPoint(5, 5))
    {
        QTest::mousePress(widget, Qt::RightButton, {}, at);
        QTest::mouseRelease(widget, Qt::RightButton, {}, at);
    }

    ClipRow *Row(int position) const { return list->View()->rowOf(clips.ClipAt(position)); }
    QString LabelText(int position, const char *name) const
    {
        TLabelInfo *label = Row(position)->label(name);
        return label ? label->text() : QString();
    }

    FakeEngine::FakeAppFolder app;
    QTemporaryDir media;
    ScriptedPrompts prompts;
    FakeVolumes volumes;
    MessageWindow window;
    QWidget *intro = nullptr;
    QLineEdit *startEdit = nullptr;
    QLineEdit *stopEdit = nullptr;
    QComboBox *audio = nullptr;
    QComboBox *subtitle = nullptr;
    QWidget *snapshot = nullptr;
    QWidget *slider = nullptr;
    QString title;
    ClipList clips;
    std::unique_ptr<ClipListComponent> list;
    std::unique_ptr<WindowMessageTarget> target;
};
