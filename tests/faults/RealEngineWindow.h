// The conversion window on the engine library of the build, in a private application folder: a
// run's job over real sources made by the ffmpeg tool.
#pragma once

#include "TestMedia.h"
#include "core/conversion/ConversionJob.h"

#include <QCryptographicHash>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <optional>

// Why the real engine cannot run here, or nothing.
inline std::optional<std::string> RealEngineMissing()
{
    if (!QFile::exists(QStringLiteral(POCKETREEL_APP_DIR "/DVDEncoder.so")))
        return "the engine library is not built";
    if (QStandardPaths::findExecutable("ffmpeg").isEmpty() || QStandardPaths::findExecutable("ffprobe").isEmpty())
        return "no ffmpeg and ffprobe tools to make and judge media";
    return std::nullopt;
}

// A job of the default h264 profile converting copies of the given test sources into `output`.
inline ConversionJob RealEngineJob(const QTemporaryDir &sources, const QString &output, const QStringList &kinds)
{
    ConversionJob job;
    job.enginePath = QStringLiteral(POCKETREEL_APP_DIR "/DVDEncoder.so");
    job.outputFolder = output;
    job.settings = {QStringLiteral("h264"), QStringLiteral("480:272"), QStringLiteral("29.97"), QStringLiteral("96"),
                    QStringLiteral("48000"), QStringLiteral("768"), QStringLiteral("0")};
    for (const QString &kind : kinds) {
        const QString original = mediaPath(kind);
        ClipJob clip;
        clip.sourcePath = sources.filePath(QStringLiteral("%1-%2").arg(job.clips.size()).arg(QFileInfo(original).fileName()));
        QFile::copy(original, clip.sourcePath);
        clip.duration = 30;
        clip.endTime = 30;
        clip.videoWidth = 320;
        clip.videoHeight = 240;
        clip.outputName = QStringLiteral("MAQ7%1.MP4").arg(job.clips.size() + 1, 4, 10, QChar(u'0'));
        clip.position = int(job.clips.size());
        job.clips.append(clip);
    }
    return job;
}

inline QByteArray Digest(const QString &path)
{
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    return file.open(QIODevice::ReadOnly) && hash.addData(&file) ? hash.result() : QByteArray();
}
