#pragma once

#include <QSize>
#include <QString>

// The snapshot's save dialog offers three forms; its filter index counts from 1.
enum class SnapshotForm { Thumbnail = 1, Jpeg = 2, Bitmap = 3 };

inline const QString SnapshotFilter =
    QStringLiteral("PSP THM (*.THM)|*.THM|JPG (*.jpg)|*.jpg|BMP (*.bmp)|*.bmp");

inline constexpr QSize ThumbnailSize{160, 120};

// A thumbnail is always 160 x 120. The other forms take the clip's video size; a clip shown at its
// display aspect gets the width trunc(height x ratio), the product formed in extended precision
// (so 4/3 of 480 is 639: just below 640 there, where a double rounds up to 640).
QSize SnapshotSize(SnapshotForm form, int videoWidth, int videoHeight, bool displayAspect, int aspectIndex);

// The chosen name with the form's extension appended unless it already ends in it (letter case
// aside). It only appends: "a.jpg" saved as a bitmap becomes "a.jpg.bmp".
QString SnapshotPath(const QString &chosen, SnapshotForm form);
