// At 200 % the windows show the pictures drawn at 2x, pixel for pixel, where a scaled 1x picture
// would repeat each pixel in a 2 x 2 block, and they place everything as at 100 %.

#include "AppFolderFixture.h"

#include "mainform/TMainForm.h"
#include "skin/ScreenCursors.h"
#include "skin/TsuiImageButton.h"
#include "skin/TsuiImagePanel.h"
#include "skin/art/SkinLayout.h"
#include "skin/art/SkinPictureNames.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <gtest/gtest.h>

namespace {

namespace L = MainFormLayout;
namespace N = SkinPictureName;

// The whole suite runs at 200 %: set before main() makes the application.
const bool scaledTo200Percent = qputenv("QT_SCALE_FACTOR", "2");

QImage resource(const QString &name)
{
    return QImage(QStringLiteral(":/skin/") + name).convertToFormat(QImage::Format_RGB32);
}

// A rectangle of window pixels as the screen's pixels.
QRect onScreen(const QRect &rect)
{
    return QRect(rect.topLeft() * 2, rect.size() * 2);
}

class HiDpiLook : public AppFolderFixture {
protected:
    void SetUp() override
    {
        AppFolderFixture::SetUp();
        for (const char *cursor : {"DragWE.cur", "Press.cur"}) {
            ASSERT_TRUE(QDir(app()).mkpath(QStringLiteral("Cursor")));
            ASSERT_TRUE(QFile::copy(QStringLiteral(POCKETREEL_APP_DIR "/Cursor/") + QLatin1String(cursor),
                                    app() + QStringLiteral("Cursor/") + QLatin1String(cursor)));
        }
    }

    // What the screen shows of the window, in the screen's pixels. The window is moved to the
    // screen's corner and the screen grabbed there: the offscreen platform's grab of one window
    // stops at its size in window pixels.
    static QImage screenshot(QWidget &window)
    {
        window.move(0, 0);
        QTest::qWait(50);
        return window.screen()
            ->grabWindow(0, 0, 0, window.width(), window.height())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    }

    ScriptedPrompts prompts;
};

TEST_F(HiDpiLook, MainWindowShowsTheButtonAndTheListHeadingsDrawnAt2x)
{
    ASSERT_TRUE(scaledTo200Percent);
    ASSERT_EQ(qGuiApp->devicePixelRatio(), 2);
    TMainForm form;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    form.Panel_Intro->hide();  // the intro covers the list until a clip is added
    ASSERT_EQ(form.size(), L::Window) << "placed as at 100 %";
    ASSERT_EQ(form.suiImageButton_OpenDir->geometry(), L::OpenDir);

    const QImage shot = screenshot(form);
    ASSERT_EQ(shot.size(), L::Window * 2);

    const QString button = QLatin1String(N::OpenDir) + QStringLiteral(".normal");
    const QImage sharpButton = resource(button + QStringLiteral("@2x.png"));
    EXPECT_EQ(shot.copy(onScreen(L::OpenDir)), sharpButton);
    EXPECT_NE(shot.copy(onScreen(L::OpenDir)), resource(button + QStringLiteral(".png")).scaled(sharpButton.size()));

    const QRect headings(L::Panel_Info.left(), L::HeadingTop, L::Panel_Info.width(),
                         L::Panel_Info.top() - L::HeadingTop - 2);
    const QImage skin = resource(QLatin1String(N::MainForm) + QStringLiteral("@2x.png"));
    EXPECT_EQ(shot.copy(onScreen(headings)), skin.copy(onScreen(headings)));
    const QImage plainSkin = resource(QLatin1String(N::MainForm) + QStringLiteral(".png"));
    EXPECT_NE(shot.copy(onScreen(headings)), plainSkin.copy(headings).scaled(headings.size() * 2));

    // The cursors come in their 64-pixel size, the 32 pixels of the window's measure.
    EXPECT_EQ(screenCursor(crDragWE).pixmap().size(), QSize(64, 64));
    EXPECT_EQ(screenCursor(crDragWE).pixmap().deviceIndependentSize(), QSizeF(32, 32));
}

} // namespace
