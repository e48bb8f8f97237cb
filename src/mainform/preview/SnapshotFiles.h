#pragma once

#include "core/preview/SnapshotRules.h"

#include <QImage>
#include <QString>

// Writes a snapshot picture: THM and JPG as JPEG (quality 100, floating-point DCT, sequential),
// BMP as an uncompressed 24-bit bitmap. A THM goes to `path`, then the same bytes to
// `thumbnailCopy` when one is given. An existing file is replaced. Returns the path that could
// not be written (an earlier file of the THM may then exist), or an empty string.
QString WriteSnapshot(const QImage &picture, SnapshotForm form, const QString &path,
                      const QString &thumbnailCopy = QString());
