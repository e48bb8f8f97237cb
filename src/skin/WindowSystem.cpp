#include "skin/WindowSystem.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {

bool onWayland()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

} // namespace

namespace WindowSystem {

bool shapesByTransparency()
{
    return onWayland();
}

void centreOnScreen(QWidget &window)
{
    if (onWayland())
        return;
    if (const QScreen *where = window.screen())
        window.move(where->availableGeometry().center() - window.rect().center());
}

} // namespace WindowSystem
