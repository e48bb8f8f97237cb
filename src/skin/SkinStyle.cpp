#include "skin/SkinStyle.h"

namespace {

// Pixels added around a tooltip's text: the desktop styles leave about two, and a text there
// seems to touch the border.
constexpr int ToolTipPadding = 2;

} // namespace

int SkinStyle::pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const
{
    const int base = QProxyStyle::pixelMetric(metric, option, widget);
    // A tooltip's label takes its margin from this metric.
    return metric == PM_ToolTipLabelFrameWidth ? base + ToolTipPadding : base;
}
