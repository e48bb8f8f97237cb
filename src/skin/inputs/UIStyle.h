#pragma once

#include <QColor>

// The looks of the control kit. Setting a control's style loads these defaults; the windows then
// set the colours they depend on, which replace them.
enum class UIStyle { BlueGlass, Protein, WinXP, FromThemeFile };

struct UIStyleColors {
    QColor border;
    QColor button;  // face of a drop-down list's button
    QColor arrow;
};

UIStyleColors uiStyleColors(UIStyle style);
