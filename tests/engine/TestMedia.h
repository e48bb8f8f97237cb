// Small media made with the ffmpeg tool on first use and shared by every engine test process,
// and the ffprobe/ffmpeg judges of what the engine wrote.
#pragma once

#include <QJsonObject>
#include <QString>
#include <QStringList>

#include "ToolRun.h"

#include <cstdint>
#include <vector>

// The sources the engine must handle: "dvd" (anamorphic 16:9 interlaced MPEG-2 with AC-3 in
// MPEG-PS, timestamps not at 0), "avi" (4:3 MPEG-4 with MP3), "mkv" (H.264 High 720p with 5.1 AAC),
// "webm" (VP9/Opus), "silent" (H.264 without sound, black first second), "phone" (portrait VFR
// H.264 with mono AAC starting at 10 s), "odd" (327 x 245 MJPEG with 22 kHz PCM), "oddplanar"
// (327 x 245 in 4:2:0, whose chroma planes are not half the picture, without sound), "twoaudio"
// (a silent first and a sounding second audio stream), "long" (30 s, for trimming and stopping),
// "gop" (12 s H.264 with referenced and unreferenced B-frames and a keyframe every 5 s), "gopts"
// (the same pictures in MPEG-TS: start-coded packets, no index, timestamps not at 0).
//
// Sources from the field: "rot90", "rot180", "rot270" (an upright 180 x 320 picture, red above
// blue, stored turned with a display matrix that turns it back), "sync" (6 s of black with a white
// frame and a 1 kHz beep of 40 ms at every whole second), "synclate" (the same with the sound
// starting at 1.5 s), "syncvfr" (the same at a variable frame rate), "switch" (4 s of flashes and
// beeps in MPEG-TS whose AC-3 sound turns from stereo to 5.1 after 2 s), "joined" (two 2 s
// recordings of flashes and beeps joined with cat, the second's timestamps starting again),
// "joinedwrap" (the same with the first recorded late in the 33-bit clock, so the second's
// timestamps read as a day later), "real" (4 s of flashes and beeps in RealVideo 2 and RealAudio 1,
// whose sound packets all carry time 0), "shortsound" (4 s of flashes with 2 s of beeps), "longsound" (2 s of
// flashes with 4 s of beeps), "runaway" (Matroska
// without a stated length whose timestamps jump two hours ahead after 2 s), "leadin" (ten minutes of
// beeps, then two seconds of flashes of 0.4 s with theirs), "hevc10" (HEVC Main 10), "high10" (H.264 High 10), "av1",
// "fps5994" (59.94 frames a second), "uhd" (3840 x 2160), "surround96k" (7.1 FLAC at 96 kHz).
//
// Sound tracks and subtitles to choose from: "tracks", "broadcast" (TrackMedia.h).
QString mediaPath(const QString &kind);
QStringList conformitySourceKinds();

QJsonObject probeJson(const QString &file);
QJsonObject streamOf(const QJsonObject &probe, int index);
double numberOf(const QJsonObject &object, const QString &key);

// width x height gray pixels of the frame the ffmpeg tool extracts at `second` (accurate seek).
std::vector<uint8_t> toolFrameGray(const QString &file, double second, int width, int height);
// The same of the first frame of a file.
std::vector<uint8_t> firstFrameGray(const QString &file, int width, int height);
// width x height BGR pixels, rows top-down, of the first frame of a file.
std::vector<uint8_t> firstFrameBgr(const QString &file, int width, int height);
std::vector<uint8_t> grayFromBgr(const uint8_t *bgr, int count);
double meanAbsDiff(const std::vector<uint8_t> &a, const std::vector<uint8_t> &b);

QByteArray fileBytes(const QString &file);
// The RMS level in dB of all the sound of a file, as the ffmpeg tool measures it; -1000 for none.
double audioRms(const QString &file);

// Seconds from the start of a file's picture at which white frames begin (at a constant frame
// rate), and of its sound at which a beep sets in after at least half a second of quiet.
std::vector<double> flashTimes(const QString &file);
std::vector<double> beepTimes(const QString &file);
// Writes the bytes as the whole file; fails the test when it cannot.
void writeFile(const QString &file, const QByteArray &bytes);
