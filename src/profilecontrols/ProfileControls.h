#pragma once

#include "core/profiles/ProfileWindow.h"
#include "profilecontrols/WidgetChoiceLists.h"

#include <QRect>
#include <QRgb>
#include <initializer_list>
#include <memory>
#include <utility>
#include <vector>

class QComboBox;
class QWidget;
class TsuiSpinEdit;

// A window's profile controls as the profile operations see them: the profile and video-format
// lists, the lists of the families the window shows, and the video bit-rate field. The main
// window's settings panel and the options dialog answer ProfileWindow's questions from it.
class ProfileControls {
public:
    using FamilyList = std::pair<FormatFamily, QComboBox *>;

    ProfileControls(QComboBox &profile, QComboBox &videoFormat, TsuiSpinEdit &videoBitRate,
                    std::initializer_list<FamilyList> families);

    ChoiceList &profileList() { return profile_; }
    ChoiceList &videoFormatList() { return videoFormat_; }
    // nullptr for a family the window does not show.
    ChoiceList *formatList(FormatFamily family);
    NumberField &videoBitRateField() { return videoBitRate_; }

private:
    ComboChoiceList profile_;
    ComboChoiceList videoFormat_;
    std::vector<std::pair<FormatFamily, std::unique_ptr<ComboChoiceList>>> families_;
    SpinNumberField videoBitRate_;
};

// The video bit-rate field both windows show: the WinXP style, a black border, steps of 1 from
// 812; `minimum` equal to `maximum` leaves it unbounded.
TsuiSpinEdit *newVideoBitRateField(QWidget *parent, const QRect &place, QRgb fieldColour, int minimum,
                                   int maximum);
