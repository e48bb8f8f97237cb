#pragma once

#include "skin/inputs/UIStyle.h"

#include <QImage>

// The pictures each style supplies, drawn by the picture generator.

// The slider's groove, spread over the control's width when painted.
QImage trackBarBarPicture(UIStyle style);

// The slider's thumb, 11 x 20, transparent around its rounded outline.
QImage trackBarThumbPicture(UIStyle style);

// The built-in drop-down button face of the WinXP style, arrow included; stretched over the button.
QImage comboXPButtonPicture();
