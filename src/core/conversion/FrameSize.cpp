#include "FrameSize.h"

#include "core/DisplayAspect.h"
#include "core/profiles/ProfileValue.h"

#include <algorithm>
#include <cmath>

namespace {

// Truncates a positive side and raises it to the next multiple of 4, kept within `limit`.
int fittedSide(double exact, int limit)
{
    int side = int(std::min(exact, double(limit)));
    if (side % 4 != 0)
        side += 4 - side % 4;
    return std::min(side, limit);
}

} // namespace

QString FrameSizeText(const QString &resolution, int videoWidth, int videoHeight, bool displayAspect,
                      int aspectIndex)
{
    const qsizetype colon = resolution.indexOf(u':');
    const int w = LeadingInteger(resolution.left(colon < 0 ? resolution.size() : colon));
    const int h = colon < 0 ? 0 : LeadingInteger(resolution.mid(colon + 1, 5));
    const auto text = [](int width, int height) { return QString::number(width) + u':' + QString::number(height); };
    if (w <= 0 || h <= 0)
        return text(w, h);

    const double sh = videoHeight;
    const double sw = displayAspect ? std::trunc(sh * DisplayAspectOf(aspectIndex, videoWidth, videoHeight)) : videoWidth;
    if (sw <= 0 || sh <= 0)
        return text(w, h);

    const double rt = double(w) / h;
    const double rs = sw / sh;
    if (rt > rs)
        return text(fittedSide(h * rs, w), h);
    return text(w, fittedSide(w / rs, h));
}
