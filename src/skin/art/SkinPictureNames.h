#pragma once

// Names of the pictures that the generator draws and the windows load. A button's pictures are
// "<name>.<state>" with the states of SkinArt::stateName.

namespace SkinPictureName {

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
inline constexpr char Chk[] = "Chk";
inline constexpr char AddProgress[] = "AddProgress";
inline constexpr char Progress[] = "Progress";  // the 1 x 5 bar picture, stretched

inline constexpr char ProcessForm[] = "ProcessForm";
inline constexpr char ProcessClose[] = "ProcessClose";
inline constexpr char StopConvert[] = "StopConvert";
inline constexpr char Copy[] = "Copy";

inline constexpr char AboutForm[] = "AboutForm";
inline constexpr char AboutClose[] = "AboutClose";

} // namespace SkinPictureName
