// The source of the sound track and subtitle choices, and where and when its subtitles show.
#pragma once

#include <QRect>
#include <QStringList>

// "tracks": 8 s of dark grey 320 x 240 with an English sound track (quiet) and a Japanese one
// (loud, flagged default), an English ASS track, a forced French SubRip track and a DVD picture
// subtitle track, each showing from 1 s to 2 s.
QStringList tracksRecipe();
// "broadcast": 17 s of the same picture without sound in MPEG-TS, one keyframe, with DVB picture
// subtitles: the DVD track's rectangle from 1 s to 2 s and again from 13 s to 14 s.
QStringList broadcastRecipe();

namespace TrackCues {
inline constexpr double Start = 1, End = 2;
inline constexpr double LateStart = 13; // the broadcast's second line
// The ASS track's yellow box in its script's 320 x 240, reaching 20 pixels past the left edge.
inline constexpr QRect AssBox{-20, 30, 80, 40};
// The DVD subtitle's yellow rectangle on the 320 x 240 picture.
inline constexpr QRect DvdRectangle{40, 160, 120, 40};
}
