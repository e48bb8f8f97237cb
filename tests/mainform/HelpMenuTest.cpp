#include "HelpMenuComponent.h"
#include "RecordingUrlOpener.h"
#include "ScriptedPrompts.h"
#include "TForm_About.h"
#include "TMainForm.h"
#include "TsuiImageButton.h"
#include "core/AppGlobals.h"
#include "skin/art/SkinLayout.h"

#include <QApplication>
#include <QCursor>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <QUrlQuery>
#include <functional>
#include <gtest/gtest.h>

namespace {

class HelpMenuTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = std::make_unique<TMainForm>();
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }

    HelpMenuComponent &help() { return *form->HelpPart(); }

    QMenu *openMenu()
    {
        QTest::mouseClick(form->suiImageButton_Help, Qt::LeftButton, {}, QPoint(5, 5));
        return help().HelpMenu;
    }

    // Clicks the item as a user does: the menu is opened with the help button first.
    void choose(const char *name)
    {
        QMenu *menu = openMenu();
        ASSERT_TRUE(menu);
        QAction *item = nullptr;
        for (QAction *action : menu->actions())
            if (action->objectName() == QLatin1String(name))
                item = action;
        ASSERT_TRUE(item) << name;
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
    }

    // Runs `look` on the About box once its modal showing has begun, then closes it with its
    // Close button, so the test goes on whatever `look` finds.
    void whenAboutShown(std::function<void(TForm_About &)> look)
    {
        QTimer::singleShot(10, form.get(), [this, look] {
            TForm_About *box = help().Form_About;
            if (!box || !box->isVisible())
                return whenAboutShown(look);
            look(*box);
            QTest::mouseClick(box->suiButton2, Qt::LeftButton, {}, QPoint(5, 5));
        });
    }

    ScriptedPrompts prompts;
    RecordingUrlOpener opener;
    std::unique_ptr<TMainForm> form;
};

TEST_F(HelpMenuTest, TheMenuIsMadeOnceWithItsFourItemsAndOpensAtTheCursor)
{
    EXPECT_EQ(help().HelpMenu, nullptr);
    // The click's cursor on the button; the menu is only moved sideways to stay on the screen.
    const QPoint cursor = form->suiImageButton_Help->mapToGlobal(QPoint(5, 5));
    QCursor::setPos(cursor);
    QMenu *menu = openMenu();
    ASSERT_TRUE(menu);
    EXPECT_TRUE(menu->isVisible());
    EXPECT_EQ(menu->y(), cursor.y());
    EXPECT_LE(menu->x(), cursor.x());

    const struct {
        QString caption, name;
        bool separator;
    } items[] = {{"Home Page", "Home", false}, {"Contact us", "Contact", false}, {"", "", true}, {"About", "About", false}};
    const QList<QAction *> actions = menu->actions();
    ASSERT_EQ(actions.size(), 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(actions[i]->text(), items[i].caption) << i;
        EXPECT_EQ(actions[i]->objectName(), items[i].name) << i;
        EXPECT_EQ(actions[i]->isSeparator(), items[i].separator) << i;
    }

    menu->hide();
    EXPECT_EQ(openMenu(), menu);
    EXPECT_EQ(menu->actions().size(), 4);
    EXPECT_TRUE(opener.Opened().isEmpty());
}

TEST_F(HelpMenuTest, HomePageOpensTheSiteAndContactUsAMailWithTheSubjectOnly)
{
    choose("Home");
    ASSERT_EQ(opener.Opened().size(), 1);
    EXPECT_EQ(opener.Opened()[0], QUrl(HomePage));

    choose("Contact");
    ASSERT_EQ(opener.Opened().size(), 2);
    const QUrl mail = opener.Opened()[1];
    EXPECT_EQ(mail.scheme(), QStringLiteral("mailto"));
    EXPECT_EQ(QUrlQuery(mail).queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded), DisplayProductName);
    EXPECT_FALSE(QUrlQuery(mail).hasQueryItem(QStringLiteral("body")));
    EXPECT_FALSE(mail.toEncoded().contains("&body="));
    EXPECT_TRUE(prompts.Questions().isEmpty());
}

TEST_F(HelpMenuTest, AboutIsOneSkinnedBoxShownModallyWithAFreshVersionEachTime)
{
    QList<TForm_About *> shown;
    QStringList versions;
    for (int round = 0; round < 2; ++round) {
        whenAboutShown([&](TForm_About &box) {
            shown.append(&box);
            versions.append(box.Label_Version->text());
            EXPECT_TRUE(box.isModal());
            box.Label_Version->setText(QStringLiteral("stale"));  // the next showing must refill it
        });
        choose("About");
        ASSERT_EQ(shown.size(), round + 1);
        EXPECT_FALSE(shown.last()->isVisible());
    }
    EXPECT_EQ(shown[0], shown[1]);
    EXPECT_EQ(versions, QStringList({g_s_Version, g_s_Version}));

    namespace L = AboutFormLayout;
    TForm_About &box = *help().Form_About;
    EXPECT_EQ(box.size(), L::Window);
    EXPECT_TRUE(box.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_FALSE(box.mask().contains(QPoint(0, 0)));  // rounded corners cut out by the skin
    EXPECT_EQ(box.Label_Version->geometry(), L::Label_Version);
    EXPECT_EQ(box.Label_Version->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    EXPECT_EQ(box.suiButton2->geometry(), L::suiButton2);
}

// Space on the focused Help button opens the menu below the button, not wherever the mouse
// pointer happens to rest.
TEST_F(HelpMenuTest, FromTheKeyboardTheMenuOpensAtTheButton)
{
    QCursor::setPos(form->mapToGlobal(QPoint(600, 200)));
    TsuiImageButton *button = form->suiImageButton_Help;
    button->setFocus(Qt::TabFocusReason);
    QTest::keyClick(button, Qt::Key_Space);
    QMenu *menu = help().HelpMenu;
    ASSERT_TRUE(menu && menu->isVisible());
    const QPoint below = button->mapToGlobal(QPoint(0, button->height()));
    EXPECT_EQ(menu->y(), below.y());
    EXPECT_LE(menu->x(), below.x()) << "moved sideways only to stay on the screen";
    EXPECT_GT(menu->geometry().right(), below.x());
    menu->hide();
}

TEST_F(HelpMenuTest, EscapeClosesTheAboutBox)
{
    bool closedByEscape = false;
    QTimer::singleShot(10, form.get(), [&] {
        TForm_About *box = nullptr;
        if (!QTest::qWaitFor([&] {
                box = help().Form_About;
                return box && box->isVisible();
            }))
            return;
        QWidget *focused = QApplication::focusWidget();
        QTest::keyClick(focused && focused->window() == box ? focused : box, Qt::Key_Escape);
        closedByEscape = QTest::qWaitFor([&] { return !box->isVisible(); }, 1000);
        if (!closedByEscape)
            box->close();
    });
    choose("About");
    EXPECT_TRUE(closedByEscape);
}

} // namespace
