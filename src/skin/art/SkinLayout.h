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
inline constexpr int BarThumbMax = Panel_Bar.height() - Image_Bar.height();  // the thumb's lowest top
inline constexpr QSize Image_Chk{30, 15};
inline constexpr QSize TickBox{15, 15};  // each half of Image_Chk: unticked left, ticked right
inline constexpr int VisibleRows = 8;

// A clip row, 792 wide of which the list shows the first 527, and its labels relative to it. Each
// label has a column of its own, as wide as the longest text it holds at the windows' font
// ("Video Length : 23:59:59", "Video Size : 7680X4320", "Beginning", "24:00:00", "MAQ70001.MP4"),
// so no text runs into the next and none is cut by the list's edge. Names of any length are
// elided in theirs.
inline constexpr QSize Row{792, 17};
inline constexpr int RowHeight = Row.height();
inline constexpr int RowPitch = 18;  // one pixel of background between rows
inline constexpr QRect TickImage{1, 1, 15, 15};
inline constexpr QRect TickCell{1, 0, 20, RowHeight};
inline constexpr QRect NameLabel{0, 0, 96, RowHeight};
inline constexpr QRect LengthLabel{99, 0, 120, RowHeight};
inline constexpr QRect SizeLabel{222, 0, 119, RowHeight};
inline constexpr QRect StartLabel{344, 0, 51, RowHeight};
inline constexpr QRect EndLabel{398, 0, 45, RowHeight};
inline constexpr QRect OutputLabel{447, 0, 80, RowHeight};
// Left edges of the list's column headings, relative to Panel_Info: over the labels they head.
inline constexpr int ColumnName = NameLabel.left();
inline constexpr int ColumnInfo = LengthLabel.left();
inline constexpr int ColumnDuration = StartLabel.left();
inline constexpr int ColumnOutput = OutputLabel.left();
inline constexpr int HeadingTop = 89;  // client y of the headings' band, above Panel_Info

// Trim times and the output folder. The time fields hold "00:00:00" and leave their captions the
// room these need at the windows' font.
inline constexpr QRect Label_Start{310, 282, 58, 18};
inline constexpr QRect suiEdit_Start{371, 282, 55, 18};
inline constexpr QRect Label_Stop{430, 282, 53, 18};
inline constexpr QRect suiEdit_Stop{487, 282, 55, 18};
inline constexpr QRect Label_OutputFolder{551, 282, 76, 18};
inline constexpr QRect suiEdit_OutputFolder{628, 282, 143, 18};
inline constexpr QRect Browse{783, 279, 64, 24};

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

// The adding progress panel; its caption, bar and percentage relative to it. A bar runs from 0 to
// ProgressTravel pixels wide, here and in the conversion window.
inline constexpr QRect Panel_AddProgress{404, 146, 348, 71};
inline constexpr QRect AddProgressCaption{20, 12, 300, 20};
inline constexpr QRect Panel_Progress1{20, 39, 271, 6};
inline constexpr QRect AddProgressPercent{292, 32, 30, 20};
inline constexpr QRect AddProgressPercentSign{324, 32, 16, 20};
inline constexpr int ProgressTravel = 270;

// The intro picture, which covers the preview and the list while the list is empty.
inline constexpr QRect Panel_Intro{8, 71, 851, 256};

// The current clip's sound and subtitle selectors with their captions: a row under the trim times,
// in the same columns, that the intro covers (field frames included) while the list is empty.
// Each holds the longest stream name of the twelve default languages' streams.
inline constexpr QRect Label_Audio{310, 306, 58, 18};
inline constexpr QRect suiComboBox_Audio{371, 306, 170, 18};
inline constexpr QRect Label_Subtitle{551, 306, 76, 18};
inline constexpr QRect suiComboBox_Subtitle{628, 306, 219, 18};

} // namespace MainFormLayout

namespace OptionFormLayout {

inline constexpr QSize Window{437, 577};
inline constexpr int TitleBarHeight = 27;
inline constexpr int CornerRadius = 12;

inline constexpr QRect Close{375, 2, 46, 18};
inline constexpr QRect OK{271, 498, 62, 26};
inline constexpr QRect Cancel{343, 498, 62, 26};

// Tabs over the pages; the System tab, whose page is empty, is never shown.
inline constexpr QRect TabOutput{31, 60, 79, 32};
inline constexpr QRect TabInput{112, 60, 86, 32};
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
inline constexpr int ProgressTravel = MainFormLayout::ProgressTravel;
inline constexpr QRect ProgressTrack{48, 212, 275, 10};
inline constexpr QRect Label_Percent{324, 207, 30, 18};
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

// Sizes of the input controls' style pictures.
namespace SkinKitLayout {

inline constexpr QSize TrackBarBar{32, 6};
inline constexpr QSize TrackBarThumb{11, 20};
inline constexpr QSize ComboXPButton{17, 17};

} // namespace SkinKitLayout
