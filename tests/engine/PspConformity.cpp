#include "PspConformity.h"

#include "TestMedia.h"

#include <QJsonArray>
#include <QRegularExpression>

#include <cmath>

namespace {
uint32_t be32(const QByteArray &b, qsizetype at)
{
    if (at < 0 || at + 4 > b.size())
        return 0;
    const auto *p = reinterpret_cast<const uint8_t *>(b.constData() + at);
    return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3];
}

uint32_t be16(const QByteArray &b, qsizetype at)
{
    return be32(b, at) >> 16;
}

// The video profile of the PSP's "uuid" PROF box: rate, bit rate and size the player trusts.
void checkProfileBox(const QByteArray &bytes, const PspExpectation &e, QStringList &v)
{
    const qsizetype prof = bytes.indexOf("uuidPROF");
    const qsizetype vprf = bytes.indexOf("VPRF", prof);
    if (prof < 0 || prof > 64 || vprf < 0) {
        v << "no PSP profile box after ftyp";
        return;
    }
    const qsizetype fields = vprf + 4 + 4 + 4 + 4 + 4 + 4; // flags, track, fourcc, profile/level, reserved
    if (be32(bytes, fields) == 0 || be32(bytes, fields + 4) == 0)
        v << "profile box states no bit rate";
    if (be32(bytes, fields + 8) == 0 || be32(bytes, fields + 12) == 0)
        v << "profile box states no frame rate";
    if (int(be16(bytes, fields + 16)) != e.width || int(be16(bytes, fields + 18)) != e.height)
        v << QString("profile box size %1x%2").arg(be16(bytes, fields + 16)).arg(be16(bytes, fields + 18));
}

void checkTitle(const QByteArray &bytes, const PspExpectation &e, QStringList &v)
{
    if (e.title.isEmpty())
        return;
    QByteArray utf16;
    for (QChar c : e.title) {
        utf16.append(char(c.unicode() >> 8));
        utf16.append(char(c.unicode() & 0xFF));
    }
    const qsizetype usmt = bytes.indexOf("USMT");
    if (usmt < 0 || bytes.indexOf(utf16, usmt) < 0)
        v << "title not in the PSP metadata";
}

// The video stream's bit rate over the picture's duration, from the sizes of its packets.
double videoKbps(const QString &file, double seconds)
{
    const ToolResult r = runTool("ffprobe", {"-v", "error", "-select_streams", "v:0", "-show_entries", "packet=size",
                                             "-of", "csv=p=0", file});
    qint64 bytes = 0;
    for (const QByteArray &line : r.output.split('\n'))
        bytes += line.trimmed().toLongLong();
    return seconds > 0 ? bytes * 8 / seconds / 1000 : 0;
}

// The H.264 headers as the trace_headers bitstream filter prints them.
void checkH264Headers(const QString &file, int frames, QStringList &v)
{
    const ToolResult r = runTool("ffmpeg", {"-v", "trace", "-i", file, "-map", "0:v", "-c", "copy", "-bsf:v",
                                            "trace_headers", "-f", "null", "-"});
    const QString text = QString::fromUtf8(r.output);
    const QRegularExpression refs("max_num_ref_frames\\s+\\S+\\s+=\\s+(\\d+)");
    const QRegularExpression weighted("weighted_pred_flag\\s+\\S+\\s+=\\s+(\\d+)");
    auto m = refs.match(text);
    if (!m.hasMatch() || m.captured(1).toInt() > 3)
        v << "reference frames in the sequence header: " + m.captured(1);
    m = weighted.match(text);
    if (!m.hasMatch() || m.captured(1).toInt() != 0)
        v << "weighted P prediction on";
    const int slices = int(text.count(QRegularExpression("first_mb_in_slice")));
    if (slices != frames)
        v << QString("%1 slices for %2 pictures").arg(slices).arg(frames);
}
}

QStringList pspViolations(const QString &file, const PspExpectation &e)
{
    QStringList v;
    const QJsonObject probe = probeJson(file);
    const QJsonObject format = probe["format"].toObject();
    if (format["tags"].toObject()["major_brand"].toString() != "MSNV")
        v << "major brand is not MSNV";
    if (probe["streams"].toArray().size() != 2)
        return v << "not exactly two streams";

    const QJsonObject video = streamOf(probe, 0);
    const QJsonObject audio = streamOf(probe, 1);
    if (video["codec_type"].toString() != "video" || video["codec_name"].toString() != e.codec)
        v << "first stream is not " + e.codec + " video";
    if (video["pix_fmt"].toString() != "yuv420p")
        v << "pixel format " + video["pix_fmt"].toString();
    if (video["width"].toInt() != e.width || video["height"].toInt() != e.height)
        v << QString("picture %1x%2").arg(video["width"].toInt()).arg(video["height"].toInt());
    const QString sar = video["sample_aspect_ratio"].toString("1:1");
    if (sar != "1:1")
        v << "pixels not square: " + sar;
    if (std::abs(numberOf(video, "avg_frame_rate") - e.frameRate) > 0.01)
        v << "frame rate " + video["avg_frame_rate"].toString();
    const int frames = int(numberOf(video, "nb_read_frames"));
    const double videoSeconds = frames / e.frameRate;
    if (std::abs(videoSeconds - e.seconds) > 1.0 / e.frameRate + 1e-6)
        v << QString("video lasts %1 s").arg(videoSeconds);
    if (e.videoKbps > 0) {
        const double kbps = videoKbps(file, videoSeconds);
        if (std::abs(kbps / e.videoKbps - 1) > 0.05)
            v << QString("video averages %1 kbit/s for %2 asked").arg(kbps, 0, 'f', 1).arg(e.videoKbps);
    }

    if (e.codec == "h264") {
        const QString profile = video["profile"].toString();
        if (profile != "Main" && profile != "Constrained Baseline")
            v << "H.264 profile " + profile;
        if (video["level"].toInt() > 30 || video["level"].toInt() <= 0)
            v << QString("H.264 level %1").arg(video["level"].toInt());
        checkH264Headers(file, frames, v);
    } else {
        if (video["profile"].toString() != "Simple Profile")
            v << "MPEG-4 profile " + video["profile"].toString();
        if (video["level"].toInt() != e.mpeg4Level)
            v << QString("MPEG-4 level %1").arg(video["level"].toInt());
        if (video["has_b_frames"].toInt() != 0)
            v << "MPEG-4 B-frames";
    }

    if (audio["codec_name"].toString() != "aac" || audio["profile"].toString() != "LC")
        v << "audio is not AAC-LC";
    if (audio["channels"].toInt() != 2)
        v << QString("%1 audio channels").arg(audio["channels"].toInt());
    if (int(numberOf(audio, "sample_rate")) != e.sampleRate)
        v << "sample rate " + audio["sample_rate"].toString();
    if (std::abs(numberOf(audio, "duration") - e.seconds) > 0.05)
        v << "audio lasts " + audio["duration"].toString() + " s";

    const QByteArray bytes = fileBytes(file);
    checkProfileBox(bytes, e, v);
    checkTitle(bytes, e, v);
    return v;
}
