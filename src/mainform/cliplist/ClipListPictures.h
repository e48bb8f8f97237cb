#pragma once

#include <QImage>

// The list's pictures, drawn for the dark skin.

// Both tick boxes side by side, 30 x 15: the unticked box at the left, the ticked one at the right.
QImage TickBoxesPicture();
QImage UntickedPicture();   // left square of TickBoxesPicture()
QImage TickedPicture();     // right square

QImage ScrollTrackPicture();   // 19 x 146
QImage ScrollThumbPicture();   // 17 x 20

// Stands in for a still frame when a file has sound but no picture.
QImage SoundOnlyPicture(const QSize &size);
