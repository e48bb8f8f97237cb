#pragma once

#include <QImage>
#include <QSize>
#include <cstdint>

// A picture of the engine's pixels: `size` rows of width x 3 bytes, blue-green-red, top row
// first, no padding between rows, copied row by row. Black when the engine gave no pixels.
QImage PictureFromEnginePixels(const uint8_t *pixels, const QSize &size);
