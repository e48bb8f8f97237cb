#pragma once

#include <QSize>

// Size of a new clip's still picture: the source's picture fitted into the 240 x 180 preview box
// at its display aspect, the side that does not touch the box rounded up to a multiple of 4.
// width, height: as the engine reported them. displayAspect: the clip shows at aspectValue
// (width : height of the display) instead of width / height.
// A source without a usable picture size (no height, no width) gets the whole box, so an audio
// file still gets a picture to show.
QSize FitPicture(int width, int height, bool displayAspect, double aspectValue);
