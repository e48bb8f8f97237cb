#pragma once

#include "skin/inputs/UIStyle.h"

#include "skin/SkinPicture.h"

// The pictures each style supplies, drawn by the picture generator.

// The slider's groove, spread over the control's width when painted.
SkinPicture trackBarBarPicture(UIStyle style);

// The slider's thumb, 11 x 20, transparent around its rounded outline.
SkinPicture trackBarThumbPicture(UIStyle style);

// The built-in drop-down button face of the WinXP style, arrow included; stretched over the button.
SkinPicture comboXPButtonPicture();
