#pragma once

#include "UIStyle.h"

#include <QImage>
#include <QSize>

// The pictures each style supplies, drawn by code so they scale with no asset to drift from.

// The slider's groove, spread over the control's width when painted.
QImage trackBarBarPicture(UIStyle style);

// The slider's thumb, 11 x 20, transparent around its rounded outline.
QImage trackBarThumbPicture(UIStyle style);
inline constexpr QSize kTrackBarThumbSize{11, 20};

// The built-in drop-down button face of the WinXP style, arrow included.
QImage comboXPButtonPicture(QSize size);
