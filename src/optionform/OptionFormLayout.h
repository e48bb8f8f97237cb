#pragma once

// Where the options dialog's controls sit, in client pixels; positions inside a page are relative
// to the page. The skin drawing reads the same rectangles.

#include <QPoint>
#include <QRect>
#include <QSize>

namespace OptionFormLayout {

inline constexpr QSize Window{437, 577};
inline constexpr int TitleBarHeight = 27;
inline constexpr int CornerRadius = 12;

inline constexpr QRect Close{375, 2, 46, 18};
inline constexpr QRect OK{271, 498, 62, 26};
inline constexpr QRect Cancel{343, 498, 62, 26};

// Tabs: only the Output tab is ever shown.
inline constexpr QRect TabOutput{31, 60, 79, 32};
inline constexpr QRect TabInput{-73, 546, 86, 32};
inline constexpr QRect TabSystem{-73, 542, 79, 29};

inline constexpr QRect PageOutput{27, 91, 370, 363};
inline constexpr QRect PageInput{27, 91, 370, 363};
inline constexpr QRect PageSystem{35, 115, 370, 363};

inline constexpr QRect HiddenVolume{17, 614, 64, 21};

// Output page.
inline constexpr QPoint LabelProfile{8, 20};
inline constexpr QRect Profile{8, 40, 353, 21};
inline constexpr QPoint LabelVideoFormat{30, 81};
inline constexpr QRect VideoFormat{241, 78, 88, 21};
inline constexpr QPoint LabelAspectRatio{30, 113};
inline constexpr QRect AspectRatio{242, 110, 87, 21};
inline constexpr QPoint LabelResolution{30, 145};
inline constexpr QRect Resolution{242, 142, 87, 21};
inline constexpr QPoint LabelFrameRate{30, 177};
inline constexpr QRect FrameRate{241, 174, 88, 21};
inline constexpr QPoint LabelVideoBitRate{30, 210};
inline constexpr QRect VideoBitRate{241, 206, 64, 21};
inline constexpr QPoint LabelVideoKbps{311, 210};
inline constexpr QPoint LabelAudioBitRate{30, 242};
inline constexpr QRect AudioBitRate{242, 238, 63, 21};
inline constexpr QPoint LabelAudioKbps{311, 242};
inline constexpr QPoint LabelSampleRate{30, 274};
inline constexpr QRect SampleRate{242, 270, 63, 21};
inline constexpr QPoint LabelSampleUnit{311, 274};
inline constexpr QPoint LabelProfileName{30, 322};
inline constexpr QRect ProfileName{105, 320, 144, 19};
inline constexpr QRect Add{266, 318, 42, 20};
inline constexpr QRect Del{312, 318, 42, 20};

// Input page.
inline constexpr QPoint LabelAudLang{22, 49};
inline constexpr QRect AudLang{216, 46, 105, 21};
inline constexpr QPoint LabelSubLang{22, 89};
inline constexpr QRect SubLang{216, 86, 105, 21};
inline constexpr QPoint LabelOutputFolder{22, 124};
inline constexpr QRect OutputFolder{22, 152, 246, 19};
inline constexpr QRect Browse{284, 149, 62, 26};

} // namespace OptionFormLayout
