#include "PictureBox.h"
#include "QtPrinting.h"
#include "ScriptedPrompts.h"
#include "ScreenCursors.h"
#include "TMainForm.h"
#include "TsuiImageButton.h"
#include "TsuiImagePanel.h"
#include "TsuiEdit.h"
#include "TsuiMaskEdit.h"
#include "core/AppGlobals.h"
#include "skin/art/SkinLayout.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QTemporaryDir>
#include <cfenv>
#include <thread>
#include <gtest/gtest.h>

namespace L = MainFormLayout;

namespace {

class MainWindowShell : public ::testing::Test {
protected:
    void SetUp() override
    {
        savedOutputFolder = g_s_OutputFolder;
        g_s_OutputFolder = QStringLiteral("/videos/out/");
        form = std::make_unique<TMainForm>();
        form->SetOptionsSaver([this] {
            ++saves;
            return saveSucceeds;
        });
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }

    void TearDown() override
    {
        form.reset();
        g_s_OutputFolder = savedOutputFolder;
    }

    void click(TsuiImageButton *button) { QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(3, 3)); }

    ScriptedPrompts prompts;
    QString savedOutputFolder;
    std::unique_ptr<TMainForm> form;
    int saves = 0;
    bool saveSucceeds = true;
};

TEST_F(MainWindowShell, IsAFramelessShapedWindowOfTheSkinsSize)
{
    EXPECT_EQ(form->size(), L::Window);
    EXPECT_TRUE(form->windowFlags() & Qt::FramelessWindowHint);
    // The rounded corners are cut out; the body is not.
    EXPECT_FALSE(form->mask().contains(QPoint(0, 0)));
    EXPECT_FALSE(form->mask().contains(QPoint(L::Window.width() - 1, L::Window.height() - 1)));
    EXPECT_TRUE(form->mask().contains(QPoint(L::Window.width() / 2, L::Window.height() / 2)));
    EXPECT_TRUE(form->mask().contains(QPoint(L::Window.width() / 2, 0)));
}

TEST_F(MainWindowShell, ControlsSitAtTheirPlaces)
{
    const struct {
        const char *name;
        QWidget *control;
        QRect place;
    } table[] = {
        {"Help", form->suiImageButton_Help, L::Help},
        {"Min", form->suiImageButton_Min, L::Min},
        {"Close", form->suiImageButton_Close, L::Close},
        {"OpenDir", form->suiImageButton_OpenDir, L::OpenDir},
        {"OpenFile", form->suiImageButton_OpenFile, L::OpenFile},
        {"Clear", form->suiImageButton_Clear, L::Clear},
        {"Option", form->suiImageButton_Option, L::Option},
        {"Panel_Preview", form->Panel_Preview, L::Panel_Preview},
        {"Panel_Progress", form->Panel_Progress, L::Panel_Progress},
        {"Snapshoot", form->suiImageButton_Snapshoot, L::Snapshoot},
        {"suiEdit_Start", form->suiEdit_Start, L::suiEdit_Start},
        {"suiEdit_Stop", form->suiEdit_Stop, L::suiEdit_Stop},
        {"suiEdit_OutputFolder", form->suiEdit_OutputFolder, L::suiEdit_OutputFolder},
        {"Browse", form->suiImageButton_Browse, L::Browse},
        {"StartConvert", form->suiImageButton_StartConvert, L::StartConvert},
        {"Panel_Intro", form->Panel_Intro, L::Panel_Intro},
        {"Image", form->Image, QRect(QPoint(0, 0), L::Panel_Intro.size())},
        {"suiComboBox_Audio", form->suiComboBox_Audio, L::suiComboBox_Audio},
        {"suiComboBox_Subtitle", form->suiComboBox_Subtitle, L::suiComboBox_Subtitle},
    };
    for (const auto &row : table)
        EXPECT_EQ(row.control->geometry(), row.place) << row.name;
    EXPECT_EQ(form->suiImageButton_OpenDir->size(), QSize(84, 34));
    EXPECT_EQ(form->suiImageButton_StartConvert->size(), QSize(99, 99));
    EXPECT_EQ(form->Label_Info->text(), QStringLiteral("Seeking please wait..."));
    EXPECT_EQ(form->Label_Info->pos(), L::Label_Info);
}

TEST_F(MainWindowShell, FirstShowShowsTheOutputFolderAndTheIntro)
{
    EXPECT_EQ(form->suiEdit_OutputFolder->text(), QStringLiteral("/videos/out/"));
    EXPECT_TRUE(form->suiEdit_OutputFolder->isReadOnly());
    EXPECT_TRUE(form->Label_Info->isHidden());
    EXPECT_TRUE(form->Panel_Intro->isVisible());
    // The intro lies above the preview it covers.
    EXPECT_EQ(form->childAt(L::Panel_Preview.center()), form->Image);
}

std::string hex(const QColor &colour)
{
    return colour.name().toStdString();
}

TEST_F(MainWindowShell, TimeAndOutputFolderFieldsAreGreyWithABlackBorder)
{
    const std::string grey = hex(QColor(218, 218, 218));
    const std::string black = hex(Qt::black);
    const struct {
        const char *name;
        TsuiEdit *field;
    } fields[] = {{"suiEdit_Start", form->suiEdit_Start},
                  {"suiEdit_Stop", form->suiEdit_Stop},
                  {"suiEdit_OutputFolder", form->suiEdit_OutputFolder}};
    for (const auto &[name, field] : fields) {
        SCOPED_TRACE(name);
        EXPECT_EQ(hex(field->color()), grey);
        EXPECT_EQ(hex(field->borderColor()), black);
        // As drawn, disabled or not: the outer ring black, the inner ring and the ground grey.
        const QImage look = field->grab().toImage();
        EXPECT_EQ(hex(look.pixelColor(0, look.height() / 2)), black);
        EXPECT_EQ(hex(look.pixelColor(look.width() / 2, 1)), grey);
        EXPECT_EQ(hex(look.pixelColor(look.width() - 4, look.height() / 2)), grey);
    }
}

TEST_F(MainWindowShell, ClearGivesTheTimeFieldsTheOutputFolderColour)
{
    form->suiEdit_Start->setColor(Qt::red);
    form->suiEdit_Stop->setColor(QColor(0, 255, 0));
    click(form->suiImageButton_Clear);
    EXPECT_EQ(hex(form->suiEdit_Start->color()), hex(form->suiEdit_OutputFolder->color()));
    EXPECT_EQ(hex(form->suiEdit_Stop->color()), hex(form->suiEdit_OutputFolder->color()));
}

TEST_F(MainWindowShell, CloseIsRefusedWhileAFrameIsAwaitedThenSavesAndCloses)
{
    form->Label_Info->show();
    click(form->suiImageButton_Close);
    EXPECT_EQ(prompts.TextsOf(ScriptedPrompts::Kind::Information),
              QStringList{QStringLiteral("Seeking file, please waiting.")});
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(saves, 0);

    form->Label_Info->hide();
    click(form->suiImageButton_Close);
    EXPECT_EQ(saves, 1);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(prompts.Questions().size(), 1);
}

TEST_F(MainWindowShell, CloseStaysOpenWhenTheOptionsCannotBeSaved)
{
    saveSucceeds = false;
    click(form->suiImageButton_Close);
    EXPECT_EQ(saves, 1);
    EXPECT_TRUE(form->isVisible());
}

TEST_F(MainWindowShell, OtherClosesDoNotSave)
{
    form->close();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(saves, 0);
}

TEST_F(MainWindowShell, BrowseStoresTheChosenFolderWithATrailingSlash)
{
    const struct {
        QString chosen;
        QString stored;
    } table[] = {
        {QStringLiteral("/home/me/Video"), QStringLiteral("/home/me/Video/")},
        {QStringLiteral("/media/PSP/"), QStringLiteral("/media/PSP/")},
        {QStringLiteral("/"), QStringLiteral("/")},
    };
    int expectedSaves = 0;
    for (const auto &row : table) {
        prompts.QueueFolder(row.chosen);
        click(form->suiImageButton_Browse);
        EXPECT_EQ(g_s_OutputFolder, row.stored) << row.chosen.toStdString();
        EXPECT_EQ(form->suiEdit_OutputFolder->text(), row.stored) << row.chosen.toStdString();
        EXPECT_EQ(saves, ++expectedSaves);
    }
    EXPECT_EQ(prompts.TextsOf(ScriptedPrompts::Kind::ChooseFolder).constFirst(),
              QStringLiteral("Please select Output Folder:"));
}

TEST_F(MainWindowShell, BrowseOpensInTheOutputFolderOrElseTheHomeFolder)
{
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    const QByteArray savedHome = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(home.path()));
    const QString existing = home.path() + QStringLiteral("/PSP/");
    ASSERT_TRUE(QDir().mkpath(existing));
    const struct {
        QString outputFolder;
        QString opensIn;
    } table[] = {
        {existing, existing},
        {QStringLiteral("/videos/out/"), home.path()},  // gone: the home folder
        {QString(), home.path()},
    };
    for (const auto &row : table) {
        g_s_OutputFolder = row.outputFolder;
        click(form->suiImageButton_Browse);
        EXPECT_EQ(prompts.QuestionsOf(ScriptedPrompts::Kind::ChooseFolder).last().startFolder, row.opensIn)
            << row.outputFolder.toStdString();
    }
    qputenv("HOME", savedHome);
}

TEST_F(MainWindowShell, BrowseCancelledChangesNothing)
{
    click(form->suiImageButton_Browse);
    EXPECT_EQ(g_s_OutputFolder, QStringLiteral("/videos/out/"));
    EXPECT_EQ(form->suiEdit_OutputFolder->text(), QStringLiteral("/videos/out/"));
    EXPECT_EQ(saves, 0);
}

void sendMouse(QWidget *target, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held, QPoint global)
{
    QMouseEvent event(type, target->mapFromGlobal(QPointF(global)), QPointF(global), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &event);
}

TEST_F(MainWindowShell, DraggingTheIntroPictureMovesTheWindow)
{
    form->move(100, 80);
    const QPoint start = form->pos();
    const QPoint grab = form->Image->mapToGlobal(QPoint(40, 40));
    sendMouse(form->Image, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, grab);
    sendMouse(form->Image, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, grab + QPoint(30, 20));
    EXPECT_EQ(form->pos(), start + QPoint(30, 20));
    sendMouse(form->Image, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, grab + QPoint(-10, 5));
    EXPECT_EQ(form->pos(), start + QPoint(-10, 5));
    EXPECT_EQ(form->size(), L::Window);

    // After the release, and for a drag started with another button, moves do nothing.
    sendMouse(form->Image, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, grab + QPoint(-10, 5));
    sendMouse(form->Image, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, grab + QPoint(50, 50));
    EXPECT_EQ(form->pos(), start + QPoint(-10, 5));
    sendMouse(form->Image, QEvent::MouseButtonPress, Qt::RightButton, Qt::RightButton, grab);
    sendMouse(form->Image, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton | Qt::RightButton, grab + QPoint(50, 50));
    EXPECT_EQ(form->pos(), start + QPoint(-10, 5));
}

TEST_F(MainWindowShell, MessagesPostedFromAnotherThreadReachTheirHandlers)
{
    QList<std::tuple<int, intptr_t, intptr_t>> received;
    for (uint32_t number : {537u, 2312u, 2412u, 2512u})
        form->Messages().On(number, [&received, number](intptr_t w, intptr_t l) {
            received.append({int(number), w, l});
        });
    MessageTarget *handle = form->Handle();
    std::thread engine([handle] {
        handle->post(handle, 2312, 0, 0);
        handle->post(handle, 2412, 1, 0);
        handle->post(handle, 537, 0x8000, 7);
        handle->post(handle, 9999, 0, 0);
        handle->post(handle, 2512, 0, 0);
    });
    engine.join();
    EXPECT_TRUE(QTest::qWaitFor([&] { return received.size() == 4; }));
    const QList<std::tuple<int, intptr_t, intptr_t>> expected{
        {2312, 0, 0}, {2412, 1, 0}, {537, 0x8000, 7}, {2512, 0, 0}};
    EXPECT_EQ(received, expected);
}

TEST_F(MainWindowShell, MinimiseButtonMinimises)
{
    click(form->suiImageButton_Min);
    EXPECT_TRUE(form->isMinimized());
}

TEST(MainWindowCreation, MasksFloatingPointExceptionsOnTheWindowThread)
{
    feenableexcept(FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW);
    ScriptedPrompts prompts; // the window reaches the prompts while it is made
    TMainForm form;
    EXPECT_EQ(fegetexcept(), 0);
}

TEST(MainWindowCursors, MarkersUseTheDragCursorFromTheApplicationFolder)
{
    const QString saved = path_PNG;
    path_PNG = QStringLiteral(POCKETREEL_APP_DIR "/");
    ScriptedPrompts prompts;
    TMainForm form;
    path_PNG = saved;
    EXPECT_EQ(screenCursor(crDragWE).shape(), Qt::BitmapCursor);
    EXPECT_EQ(screenCursor(crPress).shape(), Qt::BitmapCursor);
    EXPECT_EQ(form.Image_Left->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(form.Image_Right->cursor().hotSpot(), screenCursor(crDragWE).hotSpot());
}

} // namespace
