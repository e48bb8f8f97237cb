#pragma once

#include <QString>

// What the conversion run reads from the settings panel when it starts, taken on the window
// thread so the worker never touches a widget. Positions are -1 when nothing is selected.
struct EncodingChoices {
    int videoFormat = -1;
    QString videoFormatText;   // names the format section: DeviceSection + "-" + this
    int resolution = -1;
    int frameRate = -1;
    int audioBitRate = -1;
    QString videoBitRateText;  // without surrounding spaces
    int volume = 0;            // the slider's position, a gain in dB
};
