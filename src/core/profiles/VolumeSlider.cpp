#include "VolumeSlider.h"

#include "ProfileValue.h"

#include <algorithm>

VolumeSliderSetting VolumeSliderFrom(const QStringList &entries, int selectedIndex)
{
    VolumeSliderSetting setting;
    if (entries.isEmpty())
        return setting;
    setting.minimum = LeadingInteger(entries.first());
    setting.maximum = std::max(setting.minimum, LeadingInteger(entries.last()));
    setting.position = std::clamp(selectedIndex, setting.minimum, setting.maximum);
    return setting;
}

QString VolumeLabelText(int position)
{
    return QStringLiteral("+ ") + QString::number(position) + QStringLiteral(" db.");
}
