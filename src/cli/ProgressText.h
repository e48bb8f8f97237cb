#pragma once

#include <QString>
#include <QtGlobal>

// Where the conversion of one file stands.
struct ConversionProgress {
    int secondsDone = 0;      // of the range being converted
    int fps = 0;              // 0 while the engine seeks
    int frame = 0;
    qint64 elapsedMs = 0;     // since the conversion began
    int totalSeconds = 0;     // the length of the range
};

// Whole percent done, 0..100 (the engine may count a little past the range's end).
int PercentDone(const ConversionProgress &progress);

// "42%  87 fps  00:00:12 elapsed  00:00:16 left", or "seeking  00:00:02 elapsed" before the
// first frame; the time left once something is done.
QString ProgressText(const ConversionProgress &progress);
