#include "TestMedia.h"

#include "TrackMedia.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLockFile>
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <stdexcept>

namespace {
// How a medium is made: by the ffmpeg tool ("@kind" in its arguments stands for that medium's
// path), or as the bytes of other media one after another, the way `cat` joins recordings.
struct Recipe {
    QStringList tool;
    QStringList joined;
};

QStringList lavfi(const QString &graph)
{
    return {"-f", "lavfi", "-i", graph};
}

// A black picture, 25 frames a second, white for `white` seconds from every whole second on.
QStringList flashes(int seconds, double white = 0.04)
{
    return lavfi(QString("color=c=black:s=160x120:r=25:d=%1,drawbox=t=fill:c=white:enable=lt(mod(t\\,1)\\,%2)")
                     .arg(seconds)
                     .arg(white));
}

// A 1 kHz beep of 40 ms at every whole second, in every channel of the layout.
QStringList beeps(int seconds, int sampleRate, const QString &layout, int channels)
{
    const QString beep = "if(lt(mod(t\\,1)\\,0.04)\\,sin(2*PI*1000*t)\\,0)";
    QStringList each;
    for (int i = 0; i < channels; ++i)
        each << beep;
    return lavfi(QString("aevalsrc=exprs=%1:s=%2:c=%3:d=%4").arg(each.join('|')).arg(sampleRate).arg(layout).arg(seconds));
}

QStringList h264Fast()
{
    return {"-c:v", "libx264", "-preset", "ultrafast", "-pix_fmt", "yuv420p"};
}

// An upright picture, red above blue, stored turned so that the display matrix of `degrees` shows
// it upright again (the rotate tag counts counterclockwise); the flag is written by a copy.
QStringList storedTurned(const char *turn)
{
    return lavfi(QString("color=red:s=180x160:r=25:d=4[t];color=blue:s=180x160:r=25:d=4[b];[t][b]vstack,%1")
                     .arg(QLatin1String(turn)))
        + QStringList{"-vf", "format=yuv420p"} + h264Fast();
}

QStringList flagged(const char *stored, const char *degrees)
{
    return {"-i", QString("@") + stored, "-metadata:s:v:0", QString("rotate=") + degrees, "-c", "copy"};
}

const std::map<QString, Recipe> &recipes()
{
    static const std::map<QString, Recipe> r{
        {"dvd.vob",
         {{"-f", "lavfi", "-i", "testsrc2=size=720x480:rate=30000/1001:duration=4", "-f", "lavfi", "-i",
           "sine=frequency=440:sample_rate=48000:duration=4", "-vf", "setdar=16/9", "-c:v", "mpeg2video",
           "-flags", "+ilme+ildct", "-top", "1", "-b:v", "3M", "-c:a", "ac3", "-b:a", "192k", "-f", "vob"}, {}}},
        {"avi.avi",
         {{"-f", "lavfi", "-i", "testsrc2=size=640x480:rate=25:duration=4", "-f", "lavfi", "-i",
           "sine=frequency=440:sample_rate=44100:duration=4", "-c:v", "mpeg4", "-q:v", "4", "-c:a", "libmp3lame",
           "-b:a", "128k"}, {}}},
        {"mkv.mkv",
         {{"-f", "lavfi", "-i", "testsrc2=size=1280x720:rate=25:duration=4", "-f", "lavfi", "-i",
           "aevalsrc=sin(440*2*PI*t)|sin(550*2*PI*t)|sin(660*2*PI*t)|0.2*sin(50*2*PI*t)|sin(770*2*PI*t)|"
           "sin(880*2*PI*t):s=48000:c=5.1:d=4",
           "-c:v", "libx264", "-profile:v", "high", "-preset", "ultrafast", "-pix_fmt", "yuv420p", "-c:a", "aac"}, {}}},
        {"webm.webm",
         {{"-f", "lavfi", "-i", "testsrc2=size=320x240:rate=30:duration=4", "-f", "lavfi", "-i",
           "sine=frequency=440:sample_rate=48000:duration=4", "-c:v", "libvpx-vp9", "-deadline", "realtime",
           "-cpu-used", "8", "-b:v", "300k", "-c:a", "libopus"}, {}}},
        {"silent.mp4",
         {{"-filter_complex",
           "color=c=black:s=320x240:r=25:d=1,format=yuv420p[a];testsrc2=s=320x240:r=25:d=3,format=yuv420p[b];"
           "[a][b]concat=n=2:v=1:a=0",
           "-c:v", "libx264", "-preset", "ultrafast"}, {}}},
        {"phone.mp4",
         {{"-f", "lavfi", "-i", "testsrc2=size=360x640:rate=30:duration=4", "-f", "lavfi", "-i",
           "sine=frequency=440:sample_rate=44100:duration=4", "-vf", "select='not(eq(mod(n\\,4)\\,1))'",
           "-fps_mode", "vfr", "-c:v", "libx264", "-preset", "ultrafast", "-pix_fmt", "yuv420p", "-c:a", "aac",
           "-ac", "1", "-output_ts_offset", "10"}, {}}},
        {"odd.avi",
         {{"-f", "lavfi", "-i", "testsrc2=size=327x245:rate=25:duration=4", "-f", "lavfi", "-i",
           "sine=frequency=440:sample_rate=22050:duration=4", "-c:v", "mjpeg", "-pix_fmt", "yuvj422p", "-c:a",
           "pcm_s16le"}, {}}},
        {"oddplanar.mkv",
         {{"-f", "lavfi", "-i", "testsrc=size=327x245:rate=25:duration=4,format=yuv420p", "-c:v", "ffv1"}, {}}},
        {"twoaudio.mkv",
         {{"-f", "lavfi", "-i", "testsrc2=size=320x240:rate=25:duration=4", "-f", "lavfi", "-i",
           "anullsrc=sample_rate=48000:channel_layout=stereo", "-f", "lavfi", "-i",
           "sine=frequency=440:sample_rate=48000:duration=4", "-map", "0:v", "-map", "1:a", "-map", "2:a", "-t", "4",
           "-c:v", "libx264", "-preset", "ultrafast", "-c:a", "aac"}, {}}},
        {"gop.mp4",
         {{"-f", "lavfi", "-i", "testsrc2=size=320x240:rate=25:duration=12", "-c:v", "libx264", "-preset",
           "veryfast", "-bf", "3", "-b_strategy", "0", "-g", "125", "-sc_threshold", "0", "-pix_fmt", "yuv420p"}, {}}},
        {"gopts.ts",
         {{"-f", "lavfi", "-i", "testsrc2=size=320x240:rate=25:duration=12", "-c:v", "libx264", "-preset",
           "veryfast", "-bf", "3", "-b_strategy", "0", "-g", "125", "-sc_threshold", "0", "-pix_fmt", "yuv420p"}, {}}},
        {"long.mp4",
         {{"-f", "lavfi", "-i", "testsrc2=size=320x240:rate=25:duration=30", "-f", "lavfi", "-i",
           "sine=frequency=440:sample_rate=48000:duration=30", "-c:v", "libx264", "-preset", "ultrafast",
           "-pix_fmt", "yuv420p", "-c:a", "aac"}, {}}},

        {"turned90.mp4", {storedTurned("transpose=clock"), {}}},
        {"turned180.mp4", {storedTurned("hflip,vflip"), {}}},
        {"turned270.mp4", {storedTurned("transpose=cclock"), {}}},
        {"rot90.mp4", {flagged("turned90", "90"), {}}},
        {"rot180.mp4", {flagged("turned180", "180"), {}}},
        {"rot270.mp4", {flagged("turned270", "270"), {}}},

        {"sync.mkv", {flashes(6) + beeps(6, 48000, "stereo", 2) + h264Fast() + QStringList{"-c:a", "aac"}, {}}},
        {"synclate.mkv",
         {flashes(6) + beeps(6, 48000, "stereo", 2) + h264Fast()
              + QStringList{"-af", "atrim=start=1.5", "-c:a", "aac"}, {}}},
        {"syncvfr.mkv",
         {flashes(6) + beeps(6, 48000, "stereo", 2)
              + QStringList{"-vf", "select='not(eq(mod(n\\,7)\\,3))'", "-fps_mode", "vfr"} + h264Fast()
              + QStringList{"-c:a", "aac"}, {}}},
        // A broadcast whose sound turns from stereo to 5.1 at a programme boundary, timestamps going on.
        {"switchstereo.ts", {flashes(2) + beeps(2, 48000, "stereo", 2) + h264Fast() + QStringList{"-c:a", "ac3"}, {}}},
        {"switchsurround.ts",
         {flashes(2) + beeps(2, 48000, "5.1", 6) + h264Fast()
              + QStringList{"-c:a", "ac3", "-output_ts_offset", "2"}, {}}},
        {"switch.ts", {{}, {"switchstereo", "switchsurround"}}},
        // Two recordings joined with cat: the second's timestamps start again; one that began late
        // in the 33-bit clock makes the second's read as a day later.
        {"recording.ts", {flashes(2) + beeps(2, 48000, "stereo", 2) + h264Fast() + QStringList{"-c:a", "mp2"}, {}}},
        {"recordinglate.ts",
         {flashes(2) + beeps(2, 48000, "stereo", 2) + h264Fast()
              + QStringList{"-c:a", "mp2", "-output_ts_offset", "100"}, {}}},
        {"joined.ts", {{}, {"recording", "recording"}}},
        {"joinedwrap.ts", {{}, {"recordinglate", "recording"}}},
        {"shortsound.mkv",
         {flashes(4) + beeps(2, 48000, "stereo", 2) + h264Fast() + QStringList{"-c:a", "aac"}, {}}},
        {"longsound.mkv",
         {flashes(2) + beeps(4, 48000, "stereo", 2) + h264Fast() + QStringList{"-c:a", "aac"}, {}}},
        {"real.rm",
         {flashes(4) + beeps(4, 8000, "mono", 1)
              + QStringList{"-c:v", "rv20", "-b:v", "200k", "-c:a", "real_144"}, {}}},
        // Timestamps that jump two hours ahead after 2 s, in a file that states no length.
        {"runaway.mkv",
         {lavfi("color=c=gray:s=160x120:r=25:d=4")
              + QStringList{"-vf", "setpts=PTS+gte(T\\,2)*7200/TB", "-live", "1"} + h264Fast(), {}}},
        // Ten minutes of beeps before two seconds of flashes, long enough for a low frame rate.
        {"leadin.mkv",
         {QStringList{"-itsoffset", "600"} + flashes(2, 0.4) + beeps(602, 24000, "mono", 1) + h264Fast()
              + QStringList{"-c:a", "aac", "-b:a", "24k"}, {}}},
        {"hevc10.mkv",
         {lavfi("testsrc2=s=320x240:r=25:d=4")
              + QStringList{"-c:v", "libx265", "-preset", "ultrafast", "-pix_fmt", "yuv420p10le", "-x265-params",
                            "log-level=error"}, {}}},
        {"high10.mkv",
         {lavfi("testsrc2=s=320x240:r=25:d=4")
              + QStringList{"-c:v", "libx264", "-preset", "ultrafast", "-pix_fmt", "yuv420p10le"}, {}}},
        {"av1.mkv",
         {lavfi("testsrc2=s=320x240:r=25:d=4") + QStringList{"-c:v", "libsvtav1", "-preset", "12"}, {}}},
        {"fps5994.mp4", {lavfi("testsrc2=s=320x240:r=60000/1001:d=4") + h264Fast(), {}}},
        {"uhd.mp4",
         {lavfi("testsrc2=s=3840x2160:r=5:d=4") + h264Fast() + QStringList{"-crf", "35"}, {}}},
        {"surround96k.mkv",
         {lavfi("testsrc2=s=320x240:r=25:d=4")
              + lavfi("aevalsrc=sin(300*2*PI*t)|sin(400*2*PI*t)|sin(500*2*PI*t)|0.2*sin(50*2*PI*t)|sin(600*2*PI*t)|"
                      "sin(700*2*PI*t)|sin(800*2*PI*t)|sin(900*2*PI*t):s=96000:c=7.1:d=4")
              + h264Fast() + QStringList{"-c:a", "flac"}, {}}},

        {"tracks.mkv", {tracksRecipe(), {}}},
        {"broadcast.ts", {broadcastRecipe(), {}}},
    };
    return r;
}

QString mediaDir()
{
    // scripts/test gives its three passes one folder: the media do not depend on the build.
    const QString shared = qEnvironmentVariable("POCKETREEL_TEST_MEDIA_DIR");
    return shared.isEmpty() ? QStringLiteral(ENGINE_TEST_MEDIA_DIR) : shared;
}
}

QStringList conformitySourceKinds()
{
    return {"dvd", "avi", "mkv", "webm", "silent", "phone", "odd"};
}

namespace {
void make(const QString &file, const Recipe &recipe)
{
    const QString part = mediaDir() + "/part-" + file;
    bool made = true;
    QByteArray problem;
    if (!recipe.joined.isEmpty()) {
        QFile joined(part);
        made = joined.open(QIODevice::WriteOnly);
        for (const QString &kind : recipe.joined)
            made = made && joined.write(fileBytes(mediaPath(kind))) > 0;
    } else {
        QStringList args = recipe.tool;
        for (QString &arg : args)
            if (arg.startsWith('@'))
                arg = mediaPath(arg.mid(1));
        const ToolResult r = runTool("ffmpeg", QStringList{"-v", "error", "-y"} + args + QStringList{part});
        made = r.exitCode == 0;
        problem = r.output;
    }
    if (!made || !QFile::rename(part, mediaDir() + "/" + file))
        throw std::runtime_error("cannot make " + file.toStdString() + ": " + problem.toStdString());
}
}

QString mediaPath(const QString &kind)
{
    for (const auto &[file, recipe] : recipes()) {
        if (!file.startsWith(kind + "."))
            continue;
        QDir().mkpath(mediaDir());
        const QString path = mediaDir() + "/" + file;
        QLockFile lock(path + ".lock");
        lock.setStaleLockTime(0);
        lock.lock();
        if (!QFile::exists(path))
            make(file, recipe);
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
std::vector<uint8_t> bgrOf(const QStringList &input, int width, int height)
{
    const ToolResult r = runTool("ffmpeg", QStringList{"-v", "error"} + input
                                               + QStringList{"-frames:v", "1", "-vf",
                                                             QString("scale=%1:%2:flags=bicubic").arg(width).arg(height),
                                                             "-pix_fmt", "bgr24", "-f", "rawvideo", "-"});
    if (r.output.size() != width * height * 3)
        return {};
    return std::vector<uint8_t>(r.output.begin(), r.output.end());
}

std::vector<uint8_t> grayOf(const QStringList &input, int width, int height)
{
    const std::vector<uint8_t> bgr = bgrOf(input, width, height);
    return bgr.empty() ? bgr : grayFromBgr(bgr.data(), width * height);
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

std::vector<uint8_t> firstFrameBgr(const QString &file, int width, int height)
{
    return bgrOf({"-i", file}, width, height);
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

std::vector<double> flashTimes(const QString &file)
{
    const double rate = numberOf(streamOf(probeJson(file), 0), "avg_frame_rate");
    const ToolResult r = runTool("ffmpeg", {"-v", "error", "-i", file, "-map", "0:v", "-vf", "scale=16:12,format=gray",
                                            "-f", "rawvideo", "-"});
    constexpr int kPixels = 16 * 12;
    std::vector<double> times;
    bool white = false;
    for (qsizetype frame = 0; rate > 0 && (frame + 1) * kPixels <= r.output.size(); ++frame) {
        int sum = 0;
        for (int i = 0; i < kPixels; ++i)
            sum += uint8_t(r.output[frame * kPixels + i]);
        if (sum / kPixels > 128 && !white)
            times.push_back(frame / rate);
        white = sum / kPixels > 128;
    }
    return times;
}

std::vector<double> beepTimes(const QString &file)
{
    constexpr int kRate = 48000;
    const ToolResult r = runTool("ffmpeg", {"-v", "error", "-i", file, "-map", "0:a", "-ac", "1", "-ar",
                                            QString::number(kRate), "-f", "s16le", "-"});
    const auto *samples = reinterpret_cast<const int16_t *>(r.output.constData());
    const qsizetype count = r.output.size() / 2;
    std::vector<double> times;
    qsizetype quietSince = -kRate;
    for (qsizetype i = 0; i < count; ++i) {
        if (std::abs(samples[i]) < 3000)
            continue;
        if (i - quietSince >= kRate / 2)
            times.push_back(double(i) / kRate);
        quietSince = i;
    }
    return times;
}

void writeFile(const QString &file, const QByteArray &bytes)
{
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

double audioRms(const QString &file)
{
    const ToolResult r = runTool("ffmpeg", {"-v", "info", "-i", file, "-map", "0:a", "-af",
                                            "astats=measure_overall=RMS_level:measure_perchannel=none", "-f", "null",
                                            "-"});
    const QString text = QString::fromUtf8(r.output);
    const int at = text.lastIndexOf("RMS level dB:");
    return at < 0 ? -1000 : text.mid(at + 13).section('\n', 0, 0).trimmed().toDouble();
}
