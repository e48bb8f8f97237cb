#pragma once

#include "EncodingChoices.h"
#include "PlainChoiceLists.h"
#include "ProfileWindow.h"
#include "VolumeSlider.h"

#include <QStringList>

class ProfileFiles;

// The main window's encoding choices without its widgets: the same lists, filled from the same
// definition file and profile store by the same operations, and read into the same choices for
// a run. The command line picks its profile and values through it.
class EncodingSelection : public ProfileWindow {
public:
    enum class List { VideoFormat, Resolution, FrameRate, AudioBitRate };

    explicit EncodingSelection(const ProfileFiles &files);

    // The video formats of the device "PSP" and the profile list, with the store's default
    // profile applied, as when the main window opens.
    void Load();

    // The names of the listed profiles, in list order.
    QStringList ProfileNames();
    // Profile list position selected at load; -1 when the store names none.
    int DefaultProfile() const { return defaultProfile_; }
    // Applies the listed profile of that name, letter case aside; false when there is none.
    bool ApplyProfileNamed(const QString &name);

    QStringList Known(List list) const;
    // Selects the entry shown as `text`, letter case aside (a resolution may be written "480x272").
    // Selecting another video format loads its lists with their defaults, as in the window.
    // False, changing nothing, when no entry is shown so.
    bool Select(List list, const QString &text);

    const PlainNumberField &VideoBitRate() const { return videoBitRate_; }
    // False, changing nothing, outside the definition's bounds.
    bool SetVideoBitRate(int kbps);
    const VolumeSliderSetting &Volume() const { return volume_; }
    // False, changing nothing, outside the slider's range.
    bool SetVolume(int gain);

    EncodingChoices Choices() const;
    bool FirstVideoFormatSelected() const { return formats_.selected() == 0; }

    // ProfileWindow
    ChoiceList &profileList() override { return profiles_; }
    ChoiceList &videoFormatList() override { return formats_; }
    ChoiceList *formatList(FormatFamily family) override;
    NumberField &videoBitRateField() override { return videoBitRate_; }
    void videoFormatChanged() override;
    void formatChoicesLoaded() override;
    void profileVolumeApplied() override;

private:
    PlainChoiceList &ListOf(List list);
    const PlainChoiceList &ListOf(List list) const;

    const ProfileFiles &files_;
    PlainChoiceList profiles_, formats_, resolutions_, frameRates_, audioBitRates_, volumes_;
    PlainNumberField videoBitRate_;
    VolumeSliderSetting volume_;
    int defaultProfile_ = -1;
};
