#include "TrackMedia.h"

#include <QByteArray>
#include <QString>

#include <utility>
#include <vector>

namespace {
QString dataUri(const QByteArray &bytes)
{
    return "data:application/octet-stream;base64," + QString::fromLatin1(bytes.toBase64());
}

QByteArray assScript()
{
    const QRect box = TrackCues::AssBox;
    return QString("[Script Info]\nScriptType: v4.00+\nPlayResX: 320\nPlayResY: 240\n\n"
                   "[V4+ Styles]\nFormat: Name, Fontname, Fontsize, PrimaryColour, SecondaryColour, OutlineColour, "
                   "BackColour, Bold, Italic, Underline, StrikeOut, ScaleX, ScaleY, Spacing, Angle, BorderStyle, "
                   "Outline, Shadow, Alignment, MarginL, MarginR, MarginV, Encoding\n"
                   "Style: Sign,DejaVu Sans,20,&H0000FFFF,&H0000FFFF,&H00000000,&H00000000,0,0,0,0,100,100,0,0,1,0,0,"
                   "7,0,0,0,1\n\n"
                   "[Events]\nFormat: Layer, Start, End, Style, Name, MarginL, MarginR, MarginV, Effect, Text\n"
                   "Dialogue: 0,0:00:01.00,0:00:02.00,Sign,,0,0,0,,{\\pos(%1,%2)\\p1}m 0 0 l %3 0 %3 %4 0 %4{\\p0}\n")
        .arg(box.x())
        .arg(box.y())
        .arg(box.width())
        .arg(box.height())
        .toUtf8();
}

void put16(QByteArray &b, int v)
{
    b.append(char(v >> 8));
    b.append(char(v & 0xFF));
}

// A DVD subpicture unit: a rectangle of colour 3, every line one "fill to the end of the line"
// code, both fields reading the same lines; shown from its time for `seconds`.
QByteArray subpicture(const QRect &r, double seconds)
{
    QByteArray lines;
    for (int i = 0; i < (r.height() + 1) / 2; ++i)
        put16(lines, 0x0003);
    const int pixels = 4, control = pixels + int(lines.size());
    const int x2 = r.right(), y2 = r.bottom();
    QByteArray show;
    show.append("\x03\x32\x10", 3);          // colours 3..0 from palette entries 3..0
    show.append("\x04\xFF\xF0", 3);          // colours 3, 2, 1 opaque, 0 transparent
    show.append(char(0x05));                 // the rectangle
    show.append(char(r.x() >> 4));
    show.append(char(((r.x() & 0xF) << 4) | (x2 >> 8)));
    show.append(char(x2 & 0xFF));
    show.append(char(r.y() >> 4));
    show.append(char(((r.y() & 0xF) << 4) | (y2 >> 8)));
    show.append(char(y2 & 0xFF));
    show.append(char(0x06));                 // where the fields' lines are
    put16(show, pixels);
    put16(show, pixels);
    show.append("\x01\xFF", 2);              // show now; end of commands
    const int hide = control + 4 + int(show.size());
    QByteArray unit;
    put16(unit, 0); // size, set below
    put16(unit, control);
    unit += lines;
    put16(unit, 0);
    put16(unit, hide);
    unit += show;
    put16(unit, int(seconds * 90000 / 1024));
    put16(unit, hide);
    unit.append("\x02\xFF", 2); // hide; end of commands
    unit[0] = char(unit.size() >> 8);
    unit[1] = char(unit.size() & 0xFF);
    return unit;
}

// An MPEG program stream holding subpicture units, each at its time in seconds.
QByteArray programStream(const std::vector<std::pair<QByteArray, double>> &units)
{
    QByteArray ps;
    for (const auto &[unit, seconds] : units) {
        const qint64 pts = qint64(seconds * 90000);
        ps.append("\x00\x00\x01\xBA\x44\x00\x04\x00\x04\x01\x01\x89\xC3\xF8", 14); // pack header, clock 0
        QByteArray pes("\x81\x80\x05", 3);                                            // a PTS follows
        pes.append(char(0x21 | ((pts >> 29) & 0x0E)));
        pes.append(char((pts >> 22) & 0xFF));
        pes.append(char(0x01 | ((pts >> 14) & 0xFE)));
        pes.append(char((pts >> 7) & 0xFF));
        pes.append(char(0x01 | ((pts << 1) & 0xFE)));
        pes.append(char(0x20)); // the first subpicture stream
        pes += unit;
        ps.append("\x00\x00\x01\xBD", 4); // private stream 1
        put16(ps, int(pes.size()));
        ps += pes;
    }
    ps.append("\x00\x00\x01\xB9", 4);
    return ps;
}
}

QStringList tracksRecipe()
{
    using namespace TrackCues;
    const QByteArray srt = "1\n00:00:01,000 --> 00:00:02,000\nBonjour\n\n";
    const QByteArray dvd = programStream({{subpicture(DvdRectangle, End - Start), 0}});
    return {"-f", "lavfi", "-i", "color=c=0x303030:s=320x240:r=25:d=8",
            "-f", "lavfi", "-i", "sine=frequency=440:sample_rate=48000:duration=8,volume=0.05",
            "-f", "lavfi", "-i", "sine=frequency=1000:sample_rate=48000:duration=8",
            "-f", "ass", "-i", dataUri(assScript()),
            "-f", "srt", "-i", dataUri(srt),
            // The tool moves each input's first timestamp to 0.
            "-itsoffset", QString::number(Start), "-f", "mpeg", "-i", dataUri(dvd),
            "-map", "0:v", "-map", "1:a", "-map", "2:a", "-map", "3:s", "-map", "4:s", "-map", "5:s",
            "-c:v", "libx264", "-preset", "ultrafast", "-pix_fmt", "yuv420p", "-c:a", "flac", "-ac:a:0", "2", "-c:s:0", "ass",
            "-c:s:1", "srt", "-c:s:2", "copy",
            "-metadata:s:a:0", "language=eng", "-metadata:s:a:1", "language=jpn", "-metadata:s:a:1",
            "title=Japanese", "-disposition:a:0", "0", "-disposition:a:1", "default",
            "-metadata:s:s:0", "language=eng", "-metadata:s:s:0", "title=Signs", "-metadata:s:s:1", "language=fre",
            "-metadata:s:s:2", "language=eng", "-disposition:s:0", "0", "-disposition:s:1", "forced",
            "-disposition:s:2", "0"};
}

QStringList broadcastRecipe()
{
    using namespace TrackCues;
    const QByteArray lines = programStream(
        {{subpicture(DvdRectangle, End - Start), 0}, {subpicture(DvdRectangle, End - Start), LateStart - Start}});
    return {"-f", "lavfi", "-i", "color=c=0x303030:s=320x240:r=25:d=17",
            "-itsoffset", QString::number(Start), "-f", "mpeg", "-i", dataUri(lines),
            "-map", "0:v", "-map", "1:s", "-c:v", "libx264", "-preset", "ultrafast", "-pix_fmt", "yuv420p", "-g", "500",
            "-c:s", "dvbsub", "-f", "mpegts"};
}
