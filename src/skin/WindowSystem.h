#pragma once

class QWidget;

// What the window system lets the program do with its top-level windows. Wayland gives a surface
// no shape from a mask and lets no client place its windows: there the skin's transparency cuts a
// window's outline and the compositor places the windows.
namespace WindowSystem {

// True where a window's outline comes from its transparent pixels (a translucent window) instead
// of its mask.
bool shapesByTransparency();

// Centres a top-level window on its screen, where the window system lets the program place it.
// Call it before the window is shown: on X11 a window moved once it is mapped is put where the
// window manager likes while Qt still takes it to be where it was.
void centreOnScreen(QWidget &window);

} // namespace WindowSystem
