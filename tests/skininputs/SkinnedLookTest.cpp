#include "skin/inputs/ComboButtonGeometry.h"
#include "skin/inputs/StylePictures.h"
#include "skin/inputs/TsuiComboBox.h"
#include "skin/inputs/TsuiMaskEdit.h"
#include "skin/inputs/TsuiSpinEdit.h"
#include "skin/inputs/TsuiTrackBar.h"

#include <QAbstractItemView>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {
const QColor kFieldGrey(218, 218, 218);

QColor pixel(const QImage &image, QPoint at)
{
    return image.pixelColor(at);
}

QImage look(QWidget &widget)
{
    return widget.grab().toImage();
}

// The two rings every skinned field draws: the outermost in the border colour, the next in the
// field's colour, on every side.
void expectRings(const QImage &image, const QColor &border, const QColor &fill)
{
    const int w = image.width();
    const int h = image.height();
    for (const QPoint at : {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1),
                            QPoint(w / 2, 0), QPoint(w / 2, h - 1), QPoint(0, h / 2), QPoint(w - 1, h / 2)})
        EXPECT_EQ(pixel(image, at), border) << "outer ring at " << at.x() << "," << at.y();
    for (const QPoint at : {QPoint(1, 1), QPoint(w / 2, 1), QPoint(w / 2, h - 2), QPoint(1, h / 2)})
        EXPECT_EQ(pixel(image, at), fill) << "inner ring at " << at.x() << "," << at.y();
}

TEST(SkinInputsLook, TextFieldsDrawBothRingsAndFollowTheirColour)
{
    std::unique_ptr<TsuiEdit> fields[] = {std::make_unique<TsuiEdit>(), std::make_unique<TsuiMaskEdit>(),
                                          std::make_unique<TsuiSpinEdit>()};
    for (auto &field : fields) {
        SCOPED_TRACE(field->metaObject()->className());
        field->resize(64, 21);
        field->setBorderColor(Qt::black);
        field->setColor(kFieldGrey);
        expectRings(look(*field), Qt::black, kFieldGrey);
        field->setColor(Qt::red);
        expectRings(look(*field), Qt::black, Qt::red);
        EXPECT_EQ(pixel(look(*field), QPoint(4, 10)), QColor(Qt::red)) << "field background";
    }
}

TEST(SkinInputsLook, StyleGivesTheDefaultBorderUntilTheWindowSetsOne)
{
    TsuiEdit field;
    field.setUIStyle(UIStyle::WinXP);
    EXPECT_EQ(field.borderColor(), uiStyleColors(UIStyle::WinXP).border);
    field.setBorderColor(Qt::black);
    EXPECT_EQ(field.borderColor(), QColor(Qt::black));
}

class SkinInputsComboLook : public testing::Test {
protected:
    void SetUp() override
    {
        combo.addItems({QStringLiteral("h264"), QStringLiteral("mpeg4")});
        combo.resize(84, 21);
        combo.setBorderColor(Qt::black);
        combo.setArrowColor(Qt::black);
        combo.setButtonColor(QColor(215, 215, 215));
        combo.setColor(kFieldGrey);
    }

    TsuiComboBox combo;
    const QRect button = comboButtonRect(QSize(84, 21));
    const QPoint arrow = comboArrowOrigin(button);
};

TEST_F(SkinInputsComboLook, FrameButtonAndArrow)
{
    EXPECT_EQ(button, QRect(65, 2, 17, 17));
    EXPECT_EQ(arrow, QPoint(70, 8));
    const QImage image = look(combo);
    expectRings(image, Qt::black, kFieldGrey);
    EXPECT_EQ(pixel(image, QPoint(78, 16)), QColor(215, 215, 215)) << "button face";
    EXPECT_EQ(pixel(image, QPoint(65, 1)), QColor(Qt::black)) << "edge line starts above the button";
    EXPECT_EQ(pixel(image, QPoint(65, 19)), QColor(Qt::black)) << "and ends below it";
    for (const QPoint at : {arrow, arrow + QPoint(6, 0), arrow + QPoint(3, 3), arrow + QPoint(3, 1)})
        EXPECT_EQ(pixel(image, at), QColor(Qt::black)) << at.x() << "," << at.y();
    EXPECT_EQ(pixel(image, arrow + QPoint(0, 1)), QColor(215, 215, 215)) << "a triangle, not a box";
}

TEST_F(SkinInputsComboLook, DisabledArrowIsEmbossed)
{
    combo.setEnabled(false);
    const QImage image = look(combo);
    const QColor grey(128, 128, 128);
    EXPECT_EQ(pixel(image, arrow), grey);
    EXPECT_EQ(pixel(image, arrow + QPoint(3, 3)), grey);
    EXPECT_EQ(pixel(image, arrow + QPoint(7, 1)), QColor(Qt::white));
    EXPECT_EQ(pixel(image, arrow + QPoint(4, 4)), QColor(Qt::white));
}

TEST_F(SkinInputsComboLook, ColoursRepaintAndWinXPShowsItsPicture)
{
    combo.setButtonColor(QColor(231, 231, 231));
    combo.setArrowColor(Qt::blue);
    QImage image = look(combo);
    EXPECT_EQ(pixel(image, QPoint(78, 16)), QColor(231, 231, 231));
    EXPECT_EQ(pixel(image, arrow + QPoint(3, 1)), QColor(Qt::blue));

    combo.setUIStyle(UIStyle::WinXP);
    image = look(combo);
    const QImage picture = comboXPButtonPicture().image();
    ASSERT_EQ(picture.size(), button.size());
    EXPECT_EQ(pixel(image, QPoint(73, 4)), picture.pixelColor(8, 2));
}

TEST_F(SkinInputsComboLook, DroppedListIsFramedAndOnlyUserPicksRaiseOnChange)
{
    QSignalSpy changes(&combo, &TsuiComboBox::OnChange);
    combo.setCurrentIndex(1);
    EXPECT_EQ(changes.count(), 0);

    combo.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&combo));
    combo.showPopup();
    QWidget *popup = combo.view()->window();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(popup));
    const QImage list = popup->grab().toImage();
    EXPECT_EQ(pixel(list, QPoint(0, 0)), QColor(Qt::black));
    EXPECT_EQ(pixel(list, QPoint(list.width() - 1, list.height() - 1)), QColor(Qt::black));
    QTest::keyClick(combo.view(), Qt::Key_Up);
    QTest::keyClick(combo.view(), Qt::Key_Return);
    EXPECT_EQ(combo.currentIndex(), 0);
    EXPECT_EQ(changes.count(), 1);
}

TEST(SkinInputsLook, ThumbPictureIsARoundedElevenByTwenty)
{
    for (const UIStyle style : {UIStyle::BlueGlass, UIStyle::Protein, UIStyle::WinXP, UIStyle::FromThemeFile}) {
        const QImage thumb = trackBarThumbPicture(style).image();
        EXPECT_EQ(thumb.size(), QSize(11, 20));
        EXPECT_LT(thumb.pixelColor(0, 0).alpha(), 128) << "rounded corner";
        EXPECT_EQ(thumb.pixelColor(5, 3).alpha(), 255);
    }
}

TEST(SkinInputsLook, SliderPaintsItsBarAcrossTheWidthAndItsThumb)
{
    TsuiTrackBar slider;
    slider.setTransparent(false);
    slider.setColor(QColor(30, 30, 30));
    slider.resize(106, 20);
    slider.setPosition(10);
    const QImage image = look(slider);
    const QImage bar = slider.barImage().image();
    const int barTop = (20 - bar.height()) / 2;
    EXPECT_EQ(pixel(image, QPoint(1, 1)), QColor(30, 30, 30)) << "background off the bar";
    EXPECT_EQ(pixel(image, QPoint(1, barTop)), bar.pixelColor(0, 0)) << "bar starts at the left";
    EXPECT_EQ(pixel(image, QPoint(60, barTop + 2)), bar.pixelColor(16, 2));
    EXPECT_EQ(pixel(image, QPoint(100, 3)), slider.sliderImage().image().pixelColor(5, 3)) << "thumb at the right end";
}
}
