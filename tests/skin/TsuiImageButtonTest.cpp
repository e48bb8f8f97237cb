#include "TsuiImageButton.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

QImage filled(QSize size, QRgb colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

constexpr QRgb Normal = qRgb(10, 10, 10), Hover = qRgb(20, 20, 20), Down = qRgb(30, 30, 30),
               Disabled = qRgb(40, 40, 40);

class ImageButton : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.resize(200, 100);
        button = new TsuiImageButton(&window);
        button->move(50, 30);
        button->setPicNormal(filled({20, 10}, Normal));
        button->setPicMouseOn(filled({20, 10}, Hover));
        button->setPicMouseDown(filled({20, 10}, Down));
        other = new QWidget(&window);
        other->setFocusPolicy(Qt::StrongFocus);
        other->setGeometry(0, 0, 10, 10);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    QRgb shown() const { return button->currentPicture().image().pixel(0, 0); }

    QWidget window;
    TsuiImageButton *button = nullptr;
    QWidget *other = nullptr;
};

TEST_F(ImageButton, TakesTheSizeOfItsNormalPicture)
{
    EXPECT_EQ(button->size(), QSize(20, 10));
    button->setPicNormal(filled({33, 17}, Normal));
    EXPECT_EQ(button->size(), QSize(33, 17));
}

TEST_F(ImageButton, ReleaseInsideClicksAndTakesTheFocus)
{
    QSignalSpy clicks(button, &TsuiImageButton::clicked);
    other->setFocus();
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(button->isPressed());
    EXPECT_EQ(shown(), Down);
    EXPECT_TRUE(button->hasFocus());
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(6, 5));
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_FALSE(button->isPressed());
}

// A field being edited finishes its edit before the button's own mouse-down handler runs.
TEST_F(ImageButton, PressTakesTheFocusBeforeTheMouseDownNotification)
{
    auto *field = new QLineEdit(&window);
    field->setGeometry(0, 50, 60, 20);
    field->show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    field->setFocus();
    QTest::keyClicks(field, QStringLiteral("12"));
    QStringList order;
    QObject::connect(field, &QLineEdit::editingFinished, [&order] { order << QStringLiteral("field left"); });
    QObject::connect(button, &TsuiImageButton::mouseDown, [&order] { order << QStringLiteral("mouse down"); });
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(order, (QStringList{QStringLiteral("field left"), QStringLiteral("mouse down")}));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(5, 5));
}

TEST_F(ImageButton, PressAndLeaveDoesNotClick)
{
    QSignalSpy clicks(button, &TsuiImageButton::clicked);
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseMove(button, QPoint(40, 5));
    EXPECT_FALSE(button->isPressed());
    EXPECT_EQ(shown(), Normal);
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(40, 5));
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_EQ(shown(), Normal);
}

TEST_F(ImageButton, OtherButtonsNeitherPressNorClick)
{
    QSignalSpy clicks(button, &TsuiImageButton::clicked);
    int downs = 0;
    QObject::connect(button, &TsuiImageButton::mouseDown, [&downs] { ++downs; });
    QTest::mousePress(button, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_FALSE(button->isPressed());
    QTest::mouseRelease(button, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_EQ(downs, 1);
}

TEST_F(ImageButton, HoverShowsTheMouseOverPictureUntilTheMouseLeaves)
{
    QSignalSpy enters(button, &TsuiImageButton::mouseEnter);
    QSignalSpy exits(button, &TsuiImageButton::mouseExit);
    QEnterEvent enter(QPointF(5, 5), QPointF(55, 35), QPointF(55, 35));
    QCoreApplication::sendEvent(button, &enter);
    EXPECT_EQ(shown(), Hover);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(button, &leave);
    EXPECT_EQ(shown(), Normal);
    EXPECT_EQ(enters.count(), 1);
    EXPECT_EQ(exits.count(), 1);
}

TEST_F(ImageButton, SpaceAndEnterClickOnRelease)
{
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
        QSignalSpy clicks(button, &TsuiImageButton::clicked);
        button->setFocus();
        QTest::keyPress(button, key);
        EXPECT_TRUE(button->isPressed()) << key;
        EXPECT_EQ(clicks.count(), 0) << key;
        QTest::keyRelease(button, key);
        EXPECT_EQ(clicks.count(), 1) << key;
        EXPECT_FALSE(button->isPressed()) << key;
    }
}

TEST_F(ImageButton, OtherKeysDoNotClick)
{
    QSignalSpy clicks(button, &TsuiImageButton::clicked);
    button->setFocus();
    QTest::keyClick(button, Qt::Key_A);
    EXPECT_EQ(clicks.count(), 0);
}

TEST_F(ImageButton, DisabledShowsItsDisabledPictureOrElseTheNormalOne)
{
    QSignalSpy clicks(button, &TsuiImageButton::clicked);
    button->setEnabled(false);
    EXPECT_EQ(shown(), Normal);
    button->setPicDisabled(filled({20, 10}, Disabled));
    EXPECT_EQ(shown(), Disabled);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::keyClick(button, Qt::Key_Space);
    EXPECT_EQ(clicks.count(), 0);
}

TEST_F(ImageButton, DisablingWhilePressedReleasesWithoutClick)
{
    QSignalSpy clicks(button, &TsuiImageButton::clicked);
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
    button->setEnabled(false);
    button->setEnabled(true);
    EXPECT_FALSE(button->isPressed());
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(clicks.count(), 0);
}

TEST_F(ImageButton, HoldRepeatsUntilReleased)
{
    QSignalSpy repeats(button, &TsuiImageButton::mouseContinuouslyDown);
    button->setMouseContinuouslyDownInterval(5);
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(repeats.wait(2000));
    EXPECT_TRUE(repeats.wait(2000));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(5, 5));
    const int afterRelease = repeats.count();
    QTest::qWait(30);
    EXPECT_EQ(repeats.count(), afterRelease);
}

TEST_F(ImageButton, TransparentLeavesOutThePicturesTopLeftColour)
{
    QImage picture = filled({20, 10}, qRgb(1, 2, 3));
    picture.setPixel(5, 5, qRgb(200, 100, 50));
    button->setPicNormal(picture);

    QImage opaque = button->currentPicture().image().convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(qAlpha(opaque.pixel(0, 0)), 255);

    button->setTransparent(true);
    const QImage keyed = button->currentPicture().image().convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(qAlpha(keyed.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(keyed.pixel(19, 9)), 0);
    EXPECT_EQ(keyed.pixel(5, 5), qRgb(200, 100, 50));

    // The window shows through the left-out pixels.
    QPalette backdrop = window.palette();
    backdrop.setColor(QPalette::Window, QColor(0, 128, 0));
    window.setPalette(backdrop);
    window.setAutoFillBackground(true);
    const QImage shot = window.grab(button->geometry()).toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shot.pixel(0, 0), qRgb(0, 128, 0));
    EXPECT_EQ(shot.pixel(5, 5), qRgb(200, 100, 50));
}

} // namespace

// Reached with Tab, the button shows that it has the focus, so Space is no blind press; after a
// click with the mouse it looks as it always does.
TEST_F(ImageButton, KeyboardFocusIsMarked)
{
    const auto looks = [&] { return button->grab().toImage().convertToFormat(QImage::Format_RGB32); };
    const QImage plain = looks();
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_TRUE(button->hasFocus());
    EXPECT_EQ(looks(), plain) << "focus taken by the mouse shows no mark";

    other->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(other, Qt::Key_Tab);
    ASSERT_TRUE(button->hasFocus());
    const QImage marked = looks();
    EXPECT_NE(marked, plain);
    EXPECT_EQ(marked.pixel(marked.width() / 2, marked.height() / 2), Normal) << "the picture itself stays";

    QTest::keyClick(button, Qt::Key_Tab);
    EXPECT_FALSE(button->hasFocus());
    EXPECT_EQ(looks(), plain);
}
