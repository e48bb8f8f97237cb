// The program's style: tooltip texts keep a clear gap to the tooltip's border.
#include "SkinStyle.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QToolTip>
#include <gtest/gtest.h>

namespace {

// The tooltip's picture while it shows `text` for `over`.
QImage ShownToolTip(QWidget &over, const QString &text)
{
    QToolTip::showText(over.mapToGlobal(QPoint(5, 5)), text, &over);
    QImage picture;
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (top->inherits("QTipLabel") && top->isVisible())
            picture = top->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    QToolTip::hideText();
    return picture;
}

// Pixels between the tooltip's one-pixel frame and its text (the pixels much darker than the
// tooltip's background) on each side: left, top, right, bottom.
QList<int> TextGaps(const QImage &tip)
{
    const QRgb background = tip.pixel(1, tip.height() / 2);
    QRect text;
    for (int y = 1; y < tip.height() - 1; ++y) {
        for (int x = 1; x < tip.width() - 1; ++x) {
            if (qGray(tip.pixel(x, y)) < qGray(background) - 60)
                text |= QRect(x, y, 1, 1);
        }
    }
    if (text.isNull())
        return {};
    return {text.left() - 1, text.top() - 1, tip.width() - 2 - text.right(), tip.height() - 2 - text.bottom()};
}

} // namespace

TEST(SkinStyle, ToolTipTextsKeepAGapToTheirBorder)
{
    QApplication::setStyle(new SkinStyle);
    QWidget window;
    window.resize(200, 100);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    // Slashes and a plain capital reach as far out as glyphs go.
    const QImage tip = ShownToolTip(window, QStringLiteral("/home/me/PSP/\nVideo : Size 320X240 |"));
    ASSERT_FALSE(tip.isNull());
    const QList<int> gaps = TextGaps(tip);
    ASSERT_EQ(gaps.size(), 4);
    EXPECT_GE(gaps[0], 4) << "left";
    EXPECT_GE(gaps[1], 3) << "top";
    EXPECT_GE(gaps[2], 4) << "right";
    EXPECT_GE(gaps[3], 3) << "bottom";
}
