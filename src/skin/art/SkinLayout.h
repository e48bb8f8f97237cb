#pragma once

// Where every control of the skinned windows sits, in client pixels. The picture generator draws
// the skins around these rectangles and the windows place their controls on them, so a picture
// and the control that lies on it cannot drift apart. Positions inside a container are relative
// to that container.

#include <QPoint>
#include <QRect>
#include <QSize>

namespace MainFormLayout {

inline constexpr QSize Window{869, 451};
inline constexpr int TitleBarHeight = 27;
inline constexpr int CornerRadius = 12;

// Title bar buttons.
inline constexpr QRect Help{768, 2, 23, 22};
inline constexpr QRect Min{794, 2, 23, 22};
inline constexpr QRect Close{819, 2, 23, 22};

// Tool bar buttons; their pictures read the captions below.
inline constexpr QSize ToolButton{84, 34};
inline constexpr QRect OpenDir{QPoint(26, 32), ToolButton};
inline constexpr QRect OpenFile{QPoint(120, 32), ToolButton};
inline constexpr QRect Clear{QPoint(214, 32), ToolButton};
inline constexpr QRect Option{QPoint(308, 32), ToolButton};

// Preview pane, its label, the range slider and the snapshot button.
inline constexpr QRect Panel_Preview{36, 102, 240, 180};
inline constexpr QPoint Label_Info{56, 80};
inline constexpr QRect Panel_Progress{54, 304, 154, 16};
inline constexpr QRect Image_ProgressBack{0, 0, 154, 16};
inline constexpr QSize Marker{10, 14};
inline constexpr int MarkerTop = 1;
inline constexpr QSize Image_Stretch{2, 8};
inline constexpr int StretchTop = 4;
inline constexpr QRect Snapshoot{232, 291, 47, 26};

// Clip list: the rows' area, its scroll bar (inside Panel_Info), the tick pictures.
inline constexpr QRect Panel_Info{305, 109, 546, 144};
inline constexpr QRect InfoMove{0, 0, 527, 0};
inline constexpr QRect Panel_Bar{527, 0, 19, 144};
inline constexpr QSize Image_BarBack{19, 146};
inline constexpr QSize Image_Bar{17, 20};
inline constexpr QPoint Image_BarStart{2, 2};
inline constexpr QSize Image_Chk{30, 15};
inline constexpr int RowHeight = 17;
inline constexpr int RowPitch = 18;
inline constexpr int VisibleRows = 8;
// Left edges of the list's column headings, relative to Panel_Info.
inline constexpr int ColumnName = 0;
inline constexpr int ColumnInfo = 120;
inline constexpr int ColumnDuration = 354;
inline constexpr int ColumnOutput = 453;
inline constexpr int HeadingTop = 89;  // client y of the headings' band, above Panel_Info

// Trim times and the output folder.
inline constexpr QRect Label_Start{310, 286, 60, 18};
inline constexpr QRect suiEdit_Start{370, 286, 58, 18};
inline constexpr QRect Label_Stop{434, 286, 50, 18};
inline constexpr QRect suiEdit_Stop{484, 286, 58, 18};
inline constexpr QRect Label_OutputFolder{551, 286, 76, 18};
inline constexpr QRect suiEdit_OutputFolder{628, 286, 143, 18};
inline constexpr QRect Browse{783, 283, 64, 24};

// Encoding settings rows.
inline constexpr QPoint Label1{70, 353};
inline constexpr QRect suiComboBox_Profile{122, 349, 419, 21};
inline constexpr QPoint Label9{553, 353};
inline constexpr QRect suiEdit_DVDName{611, 349, 118, 21};
inline constexpr QPoint Label12{70, 380};
inline constexpr QRect suiComboBox_VideoFormat{153, 377, 84, 21};
inline constexpr QPoint Label3{270, 380};
inline constexpr QRect suiComboBox_Resolution{378, 377, 89, 21};
inline constexpr QPoint Label4{517, 380};
inline constexpr QRect suiComboBox_VideoFrameRate{624, 377, 93, 21};
inline constexpr QPoint Label5{70, 409};
inline constexpr QRect suiSpinEdit_VideoBitRate{153, 405, 56, 21};
inline constexpr QPoint Label10{215, 409};
inline constexpr QPoint Label6{270, 409};
inline constexpr QRect suiComboBox_AudioBitRate{378, 405, 63, 21};
inline constexpr QPoint Label2{447, 409};
inline constexpr QPoint Label8{517, 409};
inline constexpr QRect suiTrackBar_Volume{578, 406, 106, 20};
inline constexpr QPoint Label_DB{691, 409};
inline constexpr QRect suiComboBox_Volume{504, 539, 49, 21};
// The band behind the settings rows.
inline constexpr QRect SettingsArea{56, 340, 682, 96};

inline constexpr QRect StartConvert{753, 341, 99, 99};

// The adding progress panel and its bar.
inline constexpr QRect Panel_AddProgress{404, 146, 348, 71};
inline constexpr QRect Panel_Progress1{20, 39, 271, 6};

// The intro picture, which covers the preview and the list while the list is empty.
inline constexpr QRect Panel_Intro{8, 71, 851, 256};

// Audio and subtitle selectors, kept outside the visible client area.
inline constexpr QRect suiComboBox_Audio{-29, 480, 98, 21};
inline constexpr QRect suiComboBox_Subtitle{127, 480, 98, 21};

} // namespace MainFormLayout

namespace ProcessFormLayout {

inline constexpr QSize Window{502, 296};
inline constexpr int TitleBarHeight = 27;
inline constexpr int CornerRadius = 12;

inline constexpr QRect Close{446, 4, 46, 18};
inline constexpr QRect StopConvert{392, 52, 87, 86};
inline constexpr QRect Copy{330, 236, 150, 44};

// The information block: five rows; the first two have one wide value, the others two pairs
// of caption and value.
inline constexpr int FirstRowTop = 48;
inline constexpr int RowPitch = 28;
inline constexpr int RowHeight = 16;
inline constexpr QRect LeftCaption{28, 0, 110, RowHeight};
inline constexpr QRect LeftValue{140, 0, 72, RowHeight};
inline constexpr QRect RightCaption{216, 0, 90, RowHeight};
inline constexpr QRect RightValue{306, 0, 70, RowHeight};
inline constexpr QRect WideValue{140, 0, 236, RowHeight};
inline constexpr QRect InfoArea{16, 38, 366, 158};

inline constexpr QRect Panel_Progress{50, 214, 271, 6};
inline constexpr QRect ProgressTrack{48, 212, 275, 10};
inline constexpr QRect Label_Percent{326, 207, 30, 18};
inline constexpr QRect PercentSign{356, 207, 16, 18};
inline constexpr QRect Label_CopyFile{50, 230, 271, 16};

} // namespace ProcessFormLayout

namespace AboutFormLayout {

inline constexpr QSize Window{296, 174};
inline constexpr int TitleBarHeight = 27;
inline constexpr int CornerRadius = 12;

inline constexpr QRect Label_Version{35, 53, 250, 13};
inline constexpr QRect suiButton2{208, 131, 62, 26};

// Drawn into the skin: the product's name above the version, then the product mark with the
// maker's name and web site.
inline constexpr QRect ProductName{35, 32, 250, 18};
inline constexpr int RuleTop = 74;
inline constexpr QRect Mark{22, 86, 44, 36};
inline constexpr QRect Maker{80, 86, 200, 16};
inline constexpr QRect Site{80, 104, 200, 16};

} // namespace AboutFormLayout
