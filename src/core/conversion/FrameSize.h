#pragma once

#include <QString>

// The picture's size inside the frame "W:H" of `resolution`: the source's display shape fitted
// to the resolution, the fitted side raised to a multiple of 4 and kept within the resolution.
// The source's display width is its height times the aspect of `aspectIndex` when
// `displayAspect` is set, else its own width. A source without a usable size fills the whole
// resolution; a resolution without a usable width or height is handed on as read, for the engine
// to refuse.
QString FrameSizeText(const QString &resolution, int videoWidth, int videoHeight, bool displayAspect,
                      int aspectIndex);
