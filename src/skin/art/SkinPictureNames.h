#pragma once

// Names of the pictures that the generator draws and the windows load. A button's pictures are
// "<name>.<state>" with the states below.

namespace SkinPictureName {

enum class ButtonState { Normal, Hover, Down, Disabled };
inline constexpr ButtonState AllButtonStates[] = {ButtonState::Normal, ButtonState::Hover, ButtonState::Down,
                                                  ButtonState::Disabled};

// File-name suffix of a state's picture.
constexpr const char *stateName(ButtonState state)
{
    switch (state) {
    case ButtonState::Hover: return "hover";
    case ButtonState::Down: return "down";
    case ButtonState::Disabled: return "disabled";
    case ButtonState::Normal: break;
    }
    return "normal";
}

inline constexpr char MainForm[] = "MainForm";
inline constexpr char Intro[] = "Intro";
inline constexpr char Help[] = "Help";
inline constexpr char Min[] = "Min";
inline constexpr char Close[] = "Close";
inline constexpr char OpenDir[] = "Add";
inline constexpr char OpenFile[] = "Remove";
inline constexpr char Clear[] = "Clear";
inline constexpr char Option[] = "Option";
inline constexpr char Snapshoot[] = "Snapshoot";
inline constexpr char Browse[] = "Browse";
inline constexpr char StartConvert[] = "StartConvert";
inline constexpr char ProgressBack[] = "ProgressBack";
inline constexpr char Stretch[] = "Stretch";
inline constexpr char MarkerLeft[] = "MarkerLeft";
inline constexpr char MarkerRight[] = "MarkerRight";
inline constexpr char BarBack[] = "BarBack";
inline constexpr char Bar[] = "Bar";
inline constexpr char Chk[] = "Chk";              // unticked and ticked box side by side
inline constexpr char AddProgress[] = "AddProgress";
inline constexpr char Progress[] = "Progress";    // the 1 x 5 bar picture, stretched
inline constexpr char SoundOnly[] = "SoundOnly";  // stands in for the still frame of a file without picture

inline constexpr char OptionForm[] = "OptionForm";
inline constexpr char OptionClose[] = "OptionClose";
inline constexpr char OptionOK[] = "OptionOK";
inline constexpr char OptionCancel[] = "OptionCancel";
inline constexpr char TabOutput[] = "TabOutput";  // a tab's disabled picture marks the current page
inline constexpr char TabInput[] = "TabInput";
inline constexpr char TabSystem[] = "TabSystem";
inline constexpr char ProfileAdd[] = "ProfileAdd";
inline constexpr char ProfileDel[] = "ProfileDel";
inline constexpr char OptionBrowse[] = "OptionBrowse";

inline constexpr char ProcessForm[] = "ProcessForm";
inline constexpr char ProcessClose[] = "ProcessClose";
inline constexpr char StopConvert[] = "StopConvert";
inline constexpr char Copy[] = "Copy";

inline constexpr char AboutForm[] = "AboutForm";
inline constexpr char AboutClose[] = "AboutClose";

// The input controls' style pictures: "TrackBar.<style>.Bar" (the slider's groove, spread over its
// width) and "TrackBar.<style>.Thumb" for each style, in the order of the styles; and the WinXP
// style's drop-down button face, stretched over the button.
inline constexpr const char *StyleNames[] = {"BlueGlass", "Protein", "WinXP", "FromThemeFile"};
inline constexpr char TrackBarPrefix[] = "TrackBar.";
inline constexpr char TrackBarBarSuffix[] = ".Bar";
inline constexpr char TrackBarThumbSuffix[] = ".Thumb";
inline constexpr char ComboXPButton[] = "ComboXPButton";

} // namespace SkinPictureName
