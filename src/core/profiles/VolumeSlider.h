#pragma once

#include <QString>
#include <QStringList>

// Range and starting position of the volume slider, taken from the hidden volume list.
struct VolumeSliderSetting {
    int minimum = 0;
    int maximum = 0;
    int position = 0;
};

// The minimum and maximum are the numbers at the start of the first and last entries; the
// position is the selected index (not its number), moved into the range. An empty list gives
// 0..0 at 0.
VolumeSliderSetting VolumeSliderFrom(const QStringList &entries, int selectedIndex);

// "+ 3 db." for position 3.
QString VolumeLabelText(int position);
