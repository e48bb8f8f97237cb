// The program on a Wayland desktop, under a headless Weston: the program itself started with a
// file on its command line lists it; put together in this process as main() does (there its
// windows can be driven), it also opens the options dialog and a file dialog, converts with the
// real engine in its conversion window, and tells the end in a message box. Screenshots of the
// compositor's output show each skinned window where the compositor placed it, with its rounded
// corners showing what lies behind and never the skins' old key colour.

#include "HeadlessWeston.h"
#include "TestMedia.h"
#include "WaylandCompositor.h"
#include "WindowOnScreen.h"

#include "AppWindows.h"
#include "CommandLine.h"
#include "InstanceStart.h"
#include "OpenFilesQueue.h"
#include "QtPrompts.h"
#include "TMainForm.h"
#include "TOptionForm.h"
#include "TProcessForm.h"
#include "core/AppGlobals.h"
#include "mainform/cliplist/ClipListComponent.h"
#include "skin/SkinPictures.h"
#include "skin/TsuiImageButton.h"
#include "skin/art/SkinLayout.h"
#include "skin/art/SkinPictureNames.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QJsonObject>
#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

constexpr int WaitMs = 30000;

// Runs `step` from the event loop (a modal window's own loop included) once `ready` holds; gives
// up after WaitMs, closing whatever modal window is open so the test can end.
void whenReady(const char *what, std::function<bool()> ready, std::function<void()> step)
{
    auto *poll = new QTimer;
    auto *waited = new QElapsedTimer;
    waited->start();
    QObject::connect(poll, &QTimer::timeout, [=] {
        if (ready()) {
            poll->stop();
            step();
        } else if (waited->elapsed() > WaitMs) {
            poll->stop();
            ADD_FAILURE() << "gave up waiting for " << what;
            if (QWidget *modal = QApplication::activeModalWidget())
                modal->close();
        } else {
            return;
        }
        poll->deleteLater();
        delete waited;
    });
    poll->start(50);
}

bool exposed(QWidget *window)
{
    return window && window->isVisible() && window->windowHandle() && window->windowHandle()->isExposed();
}

class WaylandDesktop : public ::testing::Test {
protected:
    void SetUp() override
    {
        weston_ = WaylandCompositor();
        ASSERT_TRUE(weston_);
        if (!weston_->running())
            GTEST_SKIP() << "no Wayland compositor could start: " << weston_->failure().toStdString();
        ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("wayland"));
        ASSERT_TRUE(QFile::exists(QStringLiteral(POCKETREEL_APP_DIR "/DVDEncoder.so")));
        ASSERT_TRUE(folders_.isValid());

        // A private application folder with the build's engine and shipped files, and a home.
        ASSERT_TRUE(QDir(folders_.path()).mkpath(QStringLiteral("app")));
        ASSERT_TRUE(QDir(folders_.path()).mkpath(QStringLiteral("home")));
        ASSERT_TRUE(QDir(folders_.path()).mkpath(QStringLiteral("media")));
        ASSERT_TRUE(QFile::link(QStringLiteral(POCKETREEL_APP_DIR "/DVDEncoder.so"), app() + "DVDEncoder.so"));
        for (const char *name : {"PfDef.dll", "PfSetting.ini"})
            ASSERT_TRUE(QFile::copy(QStringLiteral(POCKETREEL_SOURCE_DIR "/assets/ini/") + QLatin1String(name),
                                    app() + QLatin1String(name)));
        qputenv("HOME", QFile::encodeName(folders_.filePath(QStringLiteral("home"))));
        qunsetenv("XDG_CONFIG_HOME");
        path_PNG = app();
        g_s_OutputFolder.clear();
    }

    void TearDown() override
    {
        instance_.reset();
        delete ProcessForm;
        delete OptionForm;
        delete MainForm;
        ProcessForm = nullptr;
        OptionForm = nullptr;
        MainForm = nullptr;
        Prompts::Install(nullptr);
    }

    QString app() const { return folders_.filePath(QStringLiteral("app")) + u'/'; }

    // Two seconds of a test picture and a tone, small enough to convert in a moment.
    QString makeClip(const QString &name) const
    {
        const QString path = folders_.filePath(QStringLiteral("media/") + name);
        const ToolResult made = runTool(QStringLiteral("ffmpeg"),
                                        {"-v", "error", "-y", "-f", "lavfi", "-i", "testsrc=size=320x240:rate=25:duration=2",
                                         "-f", "lavfi", "-i", "sine=duration=2", "-c:v", "mpeg4", "-c:a", "aac",
                                         "-shortest", path});
        EXPECT_EQ(made.exitCode, 0) << made.output.toStdString();
        return path;
    }

    // The program as main() puts it together, started as `pocketreel <arguments>`.
    void startProgram(const QStringList &arguments)
    {
        QList<QByteArray> words{QByteArrayLiteral("pocketreel")};
        for (const QString &argument : arguments)
            words << QFile::encodeName(argument);
        std::vector<char *> argv;
        for (QByteArray &word : words)
            argv.push_back(word.data());
        const QStringList files = FilesToOpen(int(argv.size()), argv.data());

        instance_ = std::make_unique<InstanceStart>(SingleInstance::DefaultLockPaths(ProductName));
        ASSERT_EQ(instance_->Claim(files), std::nullopt);
        Prompts::Install(&prompts_);
        MainForm = new TMainForm;
        OptionForm = new TOptionForm;
        ProcessForm = new TProcessForm;
        MainForm->SetOptionsSaver([] { return OptionForm->SaveOptions(); });
        MainForm->setWindowTitle(ProductName);
        ClipListComponent &clipList = *MainForm->ClipListPart();
        opening_ = std::make_unique<OpenFilesQueue>(
            *MainForm, [&clipList] { return clipList.Busy(); },
            [&clipList](const QStringList &paths) { clipList.AddFiles(paths); });
        opening_->Open(files);
        MainForm->show();
    }

    QImage screenshot() const
    {
        QString why;
        const QImage shot = weston_->screenshot(&why);
        EXPECT_FALSE(shot.isNull()) << why.toStdString();
        return shot;
    }

    // The output before a window comes: once the compositor draws its background, as it is now.
    QImage screenBefore() const
    {
        QImage shot;
        EXPECT_TRUE(QTest::qWaitFor([&] {
            shot = screenshot();
            return !shot.isNull() && shot.pixel(shot.width() - 1, shot.height() - 1) == HeadlessWeston::Background;
        }, WaitMs));
        return shot;
    }

    // Waits until the screen shows the window (found by its title), then checks its corners
    // against the window's own opaque pixels and what lay behind its transparent ones.
    void expectShownWithSeeThroughCorners(QWidget &window, const QImage &behind, int cornerRadius, const char *name)
    {
        const QImage own = window.grab().toImage().convertToFormat(QImage::Format_ARGB32);
        const QRect title(cornerRadius + 2, 3, 140, 16);
        QImage shot;
        std::optional<QPoint> at;
        ASSERT_TRUE(QTest::qWaitFor([&] {
            shot = screenshot();
            at = shot.isNull() ? std::nullopt : findOnScreen(shot, own, title);
            return at.has_value();
        }, WaitMs)) << "the screen never showed the " << name;
        shot.save(QDir(QStringLiteral(POCKETREEL_BINARY_DIR)).filePath(QStringLiteral("wayland-%1.png").arg(QLatin1String(name))));
        const QStringList faults = cornerFaults(shot, behind, own, *at, cornerRadius + 2);
        EXPECT_TRUE(faults.isEmpty()) << name << " at (" << at->x() << ", " << at->y() << "): "
                                      << faults.mid(0, 8).join(QStringLiteral("; ")).toStdString();
    }

    // Waits until the screen shows the middle half of a window, where Qt's decorations do not
    // reach.
    void expectShown(QWidget &window, const char *name)
    {
        const QImage own = window.grab().toImage().convertToFormat(QImage::Format_ARGB32);
        const QRect middle(own.width() / 4, own.height() / 4, own.width() / 2, own.height() / 2);
        EXPECT_TRUE(QTest::qWaitFor([&] {
            const QImage shot = screenshot();
            return !shot.isNull() && findOnScreen(shot, own, middle).has_value();
        }, WaitMs)) << "the screen never showed the " << name;
    }

    HeadlessWeston *weston_ = nullptr;
    QTemporaryDir folders_;
    QtPrompts prompts_;
    std::unique_ptr<InstanceStart> instance_;
    std::unique_ptr<OpenFilesQueue> opening_;
};

// The program's own executable, a client of the compositor with a runtime folder of its own.
TEST_F(WaylandDesktop, TheProgramStartedWithAFileListsItWithSeeThroughCorners)
{
    namespace L = MainFormLayout;
    const QString clip = makeClip(QStringLiteral("holiday clip.avi"));
    const QImage desktop = screenBefore();
    QTemporaryDir runtime;
    ASSERT_TRUE(runtime.isValid());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    environment.insert(QStringLiteral("WAYLAND_DISPLAY"), QDir(weston_->runtimeFolder()).filePath(weston_->socketName()));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(POCKETREEL_EXE), {clip});
    ASSERT_TRUE(program.waitForStarted());

    // Found by its title; listing a clip takes the intro away from the list's headings.
    const QImage skin = skinPicture(QLatin1String(SkinPictureName::MainForm)).image().convertToFormat(QImage::Format_ARGB32);
    const QRect title(L::CornerRadius + 2, 3, 140, 16);
    const QRect headings(L::Panel_Info.left(), L::HeadingTop, L::Panel_Info.width(), L::Panel_Info.top() - L::HeadingTop - 2);
    QImage shot;
    std::optional<QPoint> at;
    const bool listed = QTest::qWaitFor([&] {
        shot = screenshot();
        at = shot.isNull() ? std::nullopt : findOnScreen(shot, skin, title);
        return at && shot.copy(QRect(*at + headings.topLeft(), headings.size())) == skin.copy(headings);
    }, WaitMs);
    program.terminate();
    program.waitForFinished();
    ASSERT_TRUE(listed) << "the screen never showed the main window with its list: " << program.readAllStandardError().toStdString();
    const QStringList faults = cornerFaults(shot, desktop, skin, *at, L::CornerRadius + 2);
    EXPECT_TRUE(faults.isEmpty()) << faults.mid(0, 8).join(QStringLiteral("; ")).toStdString();
}

TEST_F(WaylandDesktop, StartedWithAFileItListsOpensDialogsAndConvertsWithSeeThroughCorners)
{
    const QString fromCommandLine = makeClip(QStringLiteral("holiday clip.avi"));
    const QString fromFileDialog = makeClip(QStringLiteral("second.avi"));
    const QImage desktop = screenBefore();

    ASSERT_NO_FATAL_FAILURE(startProgram({fromCommandLine}));
    ASSERT_TRUE(QTest::qWaitFor([] { return MainForm->Clips().Count() == 1; }, WaitMs));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(MainForm));
    expectShownWithSeeThroughCorners(*MainForm, desktop, MainFormLayout::CornerRadius, "main window");

    // The options dialog, modal over the main window.
    QImage behind = screenshot();
    bool optionsSeen = false;
    whenReady("the options dialog", [] { return exposed(OptionForm); }, [&] {
        expectShownWithSeeThroughCorners(*OptionForm, behind, OptionFormLayout::CornerRadius, "options dialog");
        optionsSeen = true;
        QTest::mouseClick(OptionForm->suiImageButton_Cancel, Qt::LeftButton, {}, QPoint(5, 5));
    });
    QTest::mouseClick(MainForm->suiImageButton_Option, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(optionsSeen);

    // The Add button's file dialog picks the second clip.
    bool fileDialogSeen = false;
    whenReady("the file dialog", [] { return exposed(qobject_cast<QFileDialog *>(QApplication::activeModalWidget())); },
              [&] {
                  auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
                  expectShown(*dialog, "file dialog");
                  fileDialogSeen = true;
                  dialog->selectFile(fromFileDialog);
                  QTest::keyClick(dialog, Qt::Key_Return);
              });
    QTest::mouseClick(MainForm->suiImageButton_OpenDir, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(fileDialogSeen);
    ASSERT_TRUE(QTest::qWaitFor([] { return MainForm->Clips().Count() == 2; }, WaitMs));

    // Start: the conversion window shows the run, a message box its end; then it is closed.
    behind = screenshot();
    bool finishSeen = false, conversionSeen = false;
    whenReady("the message at the end of the run",
              [] { return exposed(qobject_cast<QMessageBox *>(QApplication::activeModalWidget())); }, [&] {
                  auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
                  expectShown(*box, "message box");
                  finishSeen = box->text().startsWith(QStringLiteral("Process finish!"));
                  whenReady("the conversion window after the message",
                            [] { return !QApplication::activeModalWidget() || QApplication::activeModalWidget() == ProcessForm; },
                            [&] {
                                expectShownWithSeeThroughCorners(*ProcessForm, behind, ProcessFormLayout::CornerRadius,
                                                                 "conversion window");
                                conversionSeen = true;
                                QTest::mouseClick(ProcessForm->suiImageButton_Close, Qt::LeftButton, {}, QPoint(5, 5));
                            });
                  box->accept();
              });
    QTest::mouseClick(MainForm->suiImageButton_StartConvert, Qt::LeftButton, {}, QPoint(40, 40));
    EXPECT_TRUE(finishSeen);
    EXPECT_TRUE(conversionSeen);

    const QStringList outputs = QDir(g_s_OutputFolder).entryList({QStringLiteral("*.MP4")});
    ASSERT_EQ(outputs.size(), 2) << g_s_OutputFolder.toStdString();
    for (const QString &output : outputs) {
        const QJsonObject probe = probeJson(QDir(g_s_OutputFolder).filePath(output));
        EXPECT_NEAR(numberOf(probe[QStringLiteral("format")].toObject(), QStringLiteral("duration")), 2.0, 0.2)
            << output.toStdString();
    }
}

} // namespace
