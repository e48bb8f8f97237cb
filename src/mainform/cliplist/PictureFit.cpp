#include "mainform/cliplist/PictureFit.h"

#include "core/TVideoInfo.h"

#include <cmath>

namespace {
constexpr int BoxWidth = TVideoInfo::PictureWidth;
constexpr int BoxHeight = TVideoInfo::PictureHeight;

int UpToMultipleOf4(int v)
{
    return v % 4 == 0 ? v : v + (4 - v % 4);
}

int Trunc(double v)
{
    return static_cast<int>(std::trunc(v));
}
}

QSize FitPicture(int width, int height, bool displayAspect, double aspectValue)
{
    if (height <= 0 || width <= 0)
        return QSize(BoxWidth, BoxHeight);
    double w = width;
    const double h = height;
    if (displayAspect)
        w = Trunc(h * aspectValue);
    const double g = w / h;
    if (!(g > 0.0) || !std::isfinite(g))
        return QSize(BoxWidth, BoxHeight);
    // A sliver of a source still gets a picture at least 4 pixels across, never an empty one.
    if (g < 4.0 / 3.0) {
        int fitted = UpToMultipleOf4(Trunc(BoxHeight * g));
        if (fitted > BoxWidth)
            fitted = BoxWidth;
        return QSize(fitted < 4 ? 4 : fitted, BoxHeight);
    }
    int fitted = UpToMultipleOf4(Trunc(BoxWidth / g));
    if (fitted > BoxHeight)
        fitted = BoxHeight;
    return QSize(BoxWidth, fitted < 4 ? 4 : fitted);
}
