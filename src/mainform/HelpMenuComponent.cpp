#include "mainform/HelpMenuComponent.h"

#include "about/TForm_About.h"
#include "core/AppGlobals.h"
#include "core/ErrorReport.h"
#include "platform/UrlOpener.h"
#include "skin/TsuiImageButton.h"
#include "skin/art/SkinPalette.h"

#include <QCursor>
#include <QMenu>
#include <QUrl>

namespace {

// The menu in the skin's colours rather than the desktop's light ones.
QString skinnedMenuStyle()
{
    const auto colour = [](QRgb rgb) { return QColor::fromRgb(rgb).name(); };
    using namespace SkinPalette;
    return QStringLiteral("QMenu { background: %1; color: %2; border: 1px solid %3; padding: 3px; }"
                          "QMenu::item { padding: 4px 22px 4px 14px; }"
                          "QMenu::item:selected { background: %4; }"
                          "QMenu::separator { height: 1px; background: %5; margin: 3px 6px; }")
        .arg(colour(BodyTop), colour(Text), colour(Outline), colour(AccentDark), colour(WellEdge));
}

} // namespace

HelpMenuComponent::HelpMenuComponent(QWidget *window, TsuiImageButton *helpButton)
    : QObject(window)
    , window_(window)
    , helpButton_(helpButton)
{
    connect(helpButton, &TsuiImageButton::clicked, this, &HelpMenuComponent::suiImageButton_HelpClick);
}

void HelpMenuComponent::suiImageButton_HelpClick()
{
    if (!HelpMenu) {
        HelpMenu = new QMenu(window_);
        HelpMenu->setFont(window_->font());
        HelpMenu->setStyleSheet(skinnedMenuStyle());
        const struct { const char *caption, *name; } items[] = {
            {"Home Page", "Home"}, {"Contact us", "Contact"}, {"-", ""}, {"About", "About"}};
        for (const auto &item : items) {
            QAction *action = qstrcmp(item.caption, "-") == 0 ? HelpMenu->addSeparator()
                                                                : HelpMenu->addAction(QString::fromLatin1(item.caption));
            action->setObjectName(QString::fromLatin1(item.name));
        }
        connect(HelpMenu, &QMenu::triggered, this, &HelpMenuComponent::HelpItemClick);
    }
    // A click leaves the cursor on the button; Space or Enter may leave it anywhere.
    const QPoint cursor = QCursor::pos();
    const bool clicked = helpButton_->rect().contains(helpButton_->mapFromGlobal(cursor));
    HelpMenu->popup(clicked ? cursor : helpButton_->mapToGlobal(QPoint(0, helpButton_->height())));
}

void HelpMenuComponent::HelpItemClick(QAction *item)
{
    const QString name = item->objectName();
    if (name == QLatin1String("About"))
        ShowAbout();
    else if (name == QLatin1String("Home"))
        OpenUrl(QUrl(HomePage));
    else if (name == QLatin1String("Contact"))
        ComposeMail(QString());
}

void HelpMenuComponent::ShowAbout()
{
    if (!Form_About)
        Form_About = new TForm_About(window_);
    Form_About->exec();
}
