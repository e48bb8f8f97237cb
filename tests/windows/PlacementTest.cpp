// Every window is centred on its screen before it is shown. Moved once it is mapped, a window is
// put where the window manager likes while Qt still takes it to be where it was: drop-down lists
// and message boxes then open away from it, and the first drag jumps.

#include "AppFolderFixture.h"
#include "QtPrinting.h"

#include "about/TForm_About.h"
#include "mainform/TMainForm.h"
#include "optionform/TOptionForm.h"
#include "processform/TProcessForm.h"

#include <QScreen>
#include <functional>
#include <gtest/gtest.h>

namespace {

// The window's place when its show event arrives.
class PlaceWhenShown : public QObject {
public:
    explicit PlaceWhenShown(QWidget &window) { window.installEventFilter(this); }
    std::optional<QPoint> place;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && !place)
            place = static_cast<QWidget *>(watched)->pos();
        return false;
    }
};

QPoint centred(const QWidget &window)
{
    return window.screen()->availableGeometry().center() - window.rect().center();
}

class WindowPlacement : public AppFolderFixture {};

} // namespace

TEST_F(WindowPlacement, EveryWindowIsCentredBeforeItIsShown)
{
    TMainForm mainForm;
    TOptionForm options;
    TProcessForm process;
    TForm_About about(&mainForm);
    const struct {
        const char *name;
        QWidget *window;
    } windows[] = {{"main window", &mainForm}, {"options", &options}, {"conversion", &process}, {"about", &about}};
    for (const auto &w : windows) {
        SCOPED_TRACE(w.name);
        PlaceWhenShown seen(*w.window);
        w.window->show();
        ASSERT_TRUE(seen.place.has_value());
        EXPECT_EQ(*seen.place, centred(*w.window));
        EXPECT_EQ(w.window->pos(), centred(*w.window));
        w.window->hide();
    }
}
