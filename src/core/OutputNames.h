#pragma once

#include <QString>
#include <QtGlobal>

// Four digits of a PSP file name: 1..9999 zero-padded, larger numbers taken modulo 10000, and
// "8888" for anything below 1 (which includes every multiple of 10000).
QString SerialText(qint64 n);

// PSP file name of list position `position` (from 0): "MAQ7" when the first video format is
// selected, else "M4V7", then SerialText(serialNumber + position), then ".MP4".
QString OutputNameOf(int position, int serialNumber, bool firstVideoFormatSelected);

// Whether OutputNameOf gave `outputName` for the first video format.
bool NamedForFirstVideoFormat(const QString &outputName);

// The output name with its last three characters replaced by "THM".
QString ThumbnailNameOf(const QString &outputName);
