#include "SnapshotFiles.h"

#include "jpeg/JpegWriter.h"

#include <QSaveFile>

namespace {
bool WriteBytes(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

bool WriteBitmap(const QString &path, const QImage &picture)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && picture.save(&file, "BMP") && file.commit();
}
}

QString WriteSnapshot(const QImage &picture, SnapshotForm form, const QString &path, const QString &thumbnailCopy)
{
    const QImage bgr = picture.convertToFormat(QImage::Format_BGR888);
    if (form == SnapshotForm::Bitmap)
        return WriteBitmap(path, bgr) ? QString() : path;
    const std::vector<uint8_t> jpeg = encodeJpeg(bgr.constBits(), bgr.width(), bgr.height(), size_t(bgr.bytesPerLine()));
    const QByteArray bytes(reinterpret_cast<const char *>(jpeg.data()), qsizetype(jpeg.size()));
    if (bytes.isEmpty() || !WriteBytes(path, bytes))
        return path;
    if (form == SnapshotForm::Thumbnail && !thumbnailCopy.isEmpty() && !WriteBytes(thumbnailCopy, bytes))
        return thumbnailCopy;
    return QString();
}
