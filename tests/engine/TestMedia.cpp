#include "TestMedia.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLockFile>

#include <cmath>
#include <map>
#include <stdexcept>

namespace {
const std::map<QString, QStringList> &recipes()
{
    static const std::map<QString, QStringList> r{
        {"dvd.vob",
         {"-f", "lavfi", "-i", "testsrc2=size=720x480:rate=30000/1001:duration=4", "-f", "lavfi", "-i",
          "sine=frequency=440:sample_rate=48000:duration=4", "-vf", "setdar=16/9", "-c:v", "mpeg2video",
          "-flags", "+ilme+ildct", "-top", "1", "-b:v", "3M", "-c:a", "ac3", "-b:a", "192k", "-f", "vob"}},
        {"avi.avi",
         {"-f", "lavfi", "-i", "testsrc2=size=640x480:rate=25:duration=4", "-f", "lavfi", "-i",
          "sine=frequency=440:sample_rate=44100:duration=4", "-c:v", "mpeg4", "-q:v", "4", "-c:a", "libmp3lame",
          "-b:a", "128k"}},
        {"mkv.mkv",
         {"-f", "lavfi", "-i", "testsrc2=size=1280x720:rate=25:duration=4", "-f", "lavfi", "-i",
          "aevalsrc=sin(440*2*PI*t)|sin(550*2*PI*t)|sin(660*2*PI*t)|0.2*sin(50*2*PI*t)|sin(770*2*PI*t)|"
          "sin(880*2*PI*t):s=48000:c=5.1:d=4",
          "-c:v", "libx264", "-profile:v", "high", "-preset", "ultrafast", "-pix_fmt", "yuv420p", "-c:a", "aac"}},
        {"webm.webm",
         {"-f", "lavfi", "-i", "testsrc2=size=320x240:rate=30:duration=4", "-f", "lavfi", "-i",
          "sine=frequency=440:sample_rate=48000:duration=4", "-c:v", "libvpx-vp9", "-deadline", "realtime",
          "-cpu-used", "8", "-b:v", "300k", "-c:a", "libopus"}},
        {"silent.mp4",
         {"-filter_complex",
          "color=c=black:s=320x240:r=25:d=1,format=yuv420p[a];testsrc2=s=320x240:r=25:d=3,format=yuv420p[b];"
          "[a][b]concat=n=2:v=1:a=0",
          "-c:v", "libx264", "-preset", "ultrafast"}},
        {"phone.mp4",
         {"-f", "lavfi", "-i", "testsrc2=size=360x640:rate=30:duration=4", "-f", "lavfi", "-i",
          "sine=frequency=440:sample_rate=44100:duration=4", "-vf", "select='not(eq(mod(n\\,4)\\,1))'",
          "-fps_mode", "vfr", "-c:v", "libx264", "-preset", "ultrafast", "-pix_fmt", "yuv420p", "-c:a", "aac",
          "-ac", "1", "-output_ts_offset", "10"}},
        {"odd.avi",
         {"-f", "lavfi", "-i", "testsrc2=size=327x245:rate=25:duration=4", "-f", "lavfi", "-i",
          "sine=frequency=440:sample_rate=22050:duration=4", "-c:v", "mjpeg", "-pix_fmt", "yuvj422p", "-c:a",
          "pcm_s16le"}},
        {"oddplanar.mkv",
         {"-f", "lavfi", "-i", "testsrc=size=327x245:rate=25:duration=4,format=yuv420p", "-c:v", "ffv1"}},
        {"twoaudio.mkv",
         {"-f", "lavfi", "-i", "testsrc2=size=320x240:rate=25:duration=4", "-f", "lavfi", "-i",
          "anullsrc=sample_rate=48000:channel_layout=stereo", "-f", "lavfi", "-i",
          "sine=frequency=440:sample_rate=48000:duration=4", "-map", "0:v", "-map", "1:a", "-map", "2:a", "-t", "4",
          "-c:v", "libx264", "-preset", "ultrafast", "-c:a", "aac"}},
        {"gop.mp4",
         {"-f", "lavfi", "-i", "testsrc2=size=320x240:rate=25:duration=12", "-c:v", "libx264", "-preset", "veryfast",
          "-bf", "3", "-b_strategy", "0", "-g", "125", "-sc_threshold", "0", "-pix_fmt", "yuv420p"}},
        {"gopts.ts",
         {"-f", "lavfi", "-i", "testsrc2=size=320x240:rate=25:duration=12", "-c:v", "libx264", "-preset", "veryfast",
          "-bf", "3", "-b_strategy", "0", "-g", "125", "-sc_threshold", "0", "-pix_fmt", "yuv420p"}},
        {"long.mp4",
         {"-f", "lavfi", "-i", "testsrc2=size=320x240:rate=25:duration=30", "-f", "lavfi", "-i",
          "sine=frequency=440:sample_rate=48000:duration=30", "-c:v", "libx264", "-preset", "ultrafast",
          "-pix_fmt", "yuv420p", "-c:a", "aac"}},
    };
    return r;
}

QString mediaDir()
{
    return QStringLiteral(ENGINE_TEST_MEDIA_DIR);
}
}

QStringList conformitySourceKinds()
{
    return {"dvd", "avi", "mkv", "webm", "silent", "phone", "odd"};
}

QString mediaPath(const QString &kind)
{
    for (const auto &[file, args] : recipes()) {
        if (!file.startsWith(kind + "."))
            continue;
        QDir().mkpath(mediaDir());
        const QString path = mediaDir() + "/" + file;
        QLockFile lock(path + ".lock");
        lock.setStaleLockTime(0);
        lock.lock();
        if (!QFile::exists(path)) {
            const QString part = mediaDir() + "/part-" + file;
            const ToolResult r = runTool("ffmpeg", QStringList{"-v", "error", "-y"} + args + QStringList{part});
            if (r.exitCode != 0 || !QFile::rename(part, path))
                throw std::runtime_error("cannot make " + file.toStdString() + ": " + r.output.toStdString());
        }
        return path;
    }
    throw std::runtime_error("no such test source");
}

QJsonObject probeJson(const QString &file)
{
    const ToolResult r = runTool("ffprobe", {"-v", "error", "-print_format", "json", "-show_format", "-show_streams",
                                             "-count_frames", file});
    return QJsonDocument::fromJson(r.output).object();
}

QJsonObject streamOf(const QJsonObject &probe, int index)
{
    return probe["streams"].toArray().at(index).toObject();
}

double numberOf(const QJsonObject &object, const QString &key)
{
    const QJsonValue v = object[key];
    if (v.isDouble())
        return v.toDouble();
    const QString text = v.toString();
    const int slash = text.indexOf('/');
    if (slash > 0)
        return text.left(slash).toDouble() / text.mid(slash + 1).toDouble();
    return text.toDouble();
}

namespace {
std::vector<uint8_t> grayOf(const QStringList &input, int width, int height)
{
    const ToolResult r = runTool("ffmpeg", QStringList{"-v", "error"} + input
                                               + QStringList{"-frames:v", "1", "-vf",
                                                             QString("scale=%1:%2:flags=bicubic").arg(width).arg(height),
                                                             "-pix_fmt", "bgr24", "-f", "rawvideo", "-"});
    if (r.output.size() != width * height * 3)
        return {};
    return grayFromBgr(reinterpret_cast<const uint8_t *>(r.output.constData()), width * height);
}
}

std::vector<uint8_t> toolFrameGray(const QString &file, double second, int width, int height)
{
    return grayOf({"-ss", QString::number(second), "-i", file}, width, height);
}

std::vector<uint8_t> firstFrameGray(const QString &file, int width, int height)
{
    return grayOf({"-i", file}, width, height);
}

std::vector<uint8_t> grayFromBgr(const uint8_t *bgr, int count)
{
    std::vector<uint8_t> gray(count);
    for (int i = 0; i < count; ++i)
        gray[i] = static_cast<uint8_t>(std::lround(0.114 * bgr[3 * i] + 0.587 * bgr[3 * i + 1] + 0.299 * bgr[3 * i + 2]));
    return gray;
}

double meanAbsDiff(const std::vector<uint8_t> &a, const std::vector<uint8_t> &b)
{
    if (a.size() != b.size() || a.empty())
        return 255;
    double sum = 0;
    for (size_t i = 0; i < a.size(); ++i)
        sum += std::abs(int(a[i]) - int(b[i]));
    return sum / a.size();
}

QByteArray fileBytes(const QString &file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
