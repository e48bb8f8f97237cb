#pragma once

#include <QImage>
#include <QRegion>

// The shape of a skinned window: the union of every maximal horizontal run of pixels whose
// colour differs from the key colour (compared as exact 24-bit colours).
QRegion skinRegion(const QImage &skin, QRgb keyColour);
