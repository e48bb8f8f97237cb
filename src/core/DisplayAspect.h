#pragma once

// The display-aspect table: AspectIndex 0 = 4/3, 1 = 16/9, 2 = 1.0, 3 = 2.21, 4 = the source's
// own width / height.
inline constexpr int SourceAspectIndex = 4;

// AspectIndex of an engine aspect code (1 = 1:1, 2 = 4:3, 3 = 16:9, 4 = 2.21:1; others -> 4).
int AspectIndexOfCode(int aspectCode);

// Width / height of the display for an AspectIndex; entry 4 (and any unknown index) uses
// videoWidth / videoHeight, or 1.0 when the height is not positive.
double DisplayAspectOf(int aspectIndex, int videoWidth, int videoHeight);
