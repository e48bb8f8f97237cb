#pragma once

#include <QFont>

// The windows' font, Tahoma. Where Tahoma is not installed, a condensed sans stands in for it, so
// captions keep roughly Tahoma's width and fit the places the layout gives them.
QFont tahomaPixels(int pixelSize);
QFont tahomaPoints(int pointSize);
