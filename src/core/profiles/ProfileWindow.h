#pragma once

#include "ChoiceList.h"

#include <QString>

// The definition families that hang off one video format, in the order they are loaded.
enum class FormatFamily { VideoAspect, VideoResolution, VideoFrameRate, AudioBitrate, AudioSampleRate, AudioVolume };

// What a window holds for the profile operations: its profile list, its video-format list, the
// lists that depend on the format and the video bit-rate field. The main window and the options
// dialog each implement it; the operations never see a widget.
class ProfileWindow {
public:
    virtual ~ProfileWindow() = default;

    // Device section of the definition file, set when the video formats are loaded.
    QString DeviceSection;

    virtual ChoiceList &profileList() = 0;
    virtual ChoiceList &videoFormatList() = 0;
    // nullptr for a family the window does not show.
    virtual ChoiceList *formatList(FormatFamily family) = 0;
    virtual NumberField &videoBitRateField() = 0;

    // The window's own handler for a change of its video-format list. It reloads the format's
    // lists (LoadFormatChoices) and does whatever else the window ties to a format change.
    virtual void videoFormatChanged() = 0;

    // Hooks for what only some windows show.
    virtual void formatListsEnabled(bool enabled) { Q_UNUSED(enabled); }
    virtual void formatChoicesLoaded() {}
    virtual void profileNameApplied(const QString &name) { Q_UNUSED(name); }
    virtual void profileVolumeApplied() {}
};
