#pragma once

#include <QImage>
#include <QRegion>

// The shape of a skinned window: the union of every maximal horizontal run of pixels that are
// neither of the key colour (compared as exact 24-bit colours) nor fully transparent.
QRegion skinRegion(const QImage &skin, QRgb keyColour);
