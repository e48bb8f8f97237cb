// Judges a written file against the PSP rules, with ffprobe and a look at the PSP boxes.
#pragma once

#include <QString>
#include <QStringList>

struct PspExpectation {
    QString codec; // "h264" or "mpeg4"
    int width = 480, height = 272;
    double frameRate = 30000.0 / 1001;
    double seconds = 3;
    int sampleRate = 48000;
    int mpeg4Level = 0; // the level the header must state
    int videoKbps = 0;  // the asked video bit rate the file must average within 5 %; 0 = not judged
    QString title;
};

// Every rule the file breaks, in words; empty when it conforms.
QStringList pspViolations(const QString &file, const PspExpectation &e);
