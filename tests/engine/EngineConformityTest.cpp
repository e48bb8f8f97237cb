#include "Conversions.h"
#include "PspConformity.h"
#include "QtPrinting.h"
#include "TestMedia.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
// Every source kind, one second in and three seconds long, must give a file the PSP plays, at the
// asked video bit rate: encoders settle on their average too late for so short a clip unless held to it.
void convertEverySourceKind(const QString &format, const QString &resolution, int mpeg4Level)
{
    QTemporaryDir dir;
    for (const QString &kind : conformitySourceKinds()) {
        SCOPED_TRACE(kind.toStdString());
        ConversionRequest r;
        r.source = mediaPath(kind);
        r.output = dir.filePath(kind + ".MP4");
        r.format = format;
        r.start = "1";
        r.length = "3";
        r.resolution = resolution;
        r.frameSize = resolution;
        r.title = "Clip " + kind + " \u00e9t\u00e9";
        ASSERT_EQ(convert(r), 0);
        PspExpectation e;
        e.codec = format;
        e.width = resolution.section(':', 0, 0).toInt();
        e.height = resolution.section(':', 1, 1).toInt();
        e.mpeg4Level = mpeg4Level;
        e.videoKbps = r.videoKbps.toInt();
        e.title = r.title;
        EXPECT_EQ(pspViolations(r.output, e), QStringList());
    }
}
}

TEST(EngineConformity, H264FromEverySourceKindPlaysOnThePsp)
{
    convertEverySourceKind("h264", "480:272", 0);
}

TEST(EngineConformity, Mpeg4FromEverySourceKindPlaysOnThePsp)
{
    convertEverySourceKind("mpeg4", "320:240", 4);
}

// Sources as people have them today, converted with the default profile. Whole files last as long as
// their picture, or their sound where it goes on for longer ("shortsound"'s starts 21 ms after its sound, as Matroska shifts AAC's priming; the
// joined recordings' second picture follows the first's sound, which outlasts its picture by 16 ms;
// "longsound"'s AAC ends on a whole frame, 11 ms after its beeps).
TEST(EngineConformity, SourcesFromTheFieldPlayOnThePsp)
{
    const struct {
        const char *kind, *start, *length;
        double seconds;
    } cases[] = {
        {"rot90", "1", "3", 3},      {"rot180", "1", "3", 3},      {"rot270", "1", "3", 3},
        {"switch", "0", "0", 4},     {"real", "0", "0", 4},        {"shortsound", "0", "0", 4.02},
        {"longsound", "0", "0", 4.01}, {"joined", "0", "0", 4.02},  {"joinedwrap", "0", "0", 4.02},
        {"hevc10", "1", "3", 3},     {"high10", "1", "3", 3},      {"av1", "1", "3", 3},
        {"fps5994", "1", "3", 3},    {"uhd", "1", "3", 3},         {"surround96k", "1", "3", 3},
        {"synclate", "0", "0", 6},
    };
    QTemporaryDir dir;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.kind);
        ConversionRequest r;
        r.source = mediaPath(c.kind);
        r.output = dir.filePath(QString(c.kind) + ".MP4");
        r.start = c.start;
        r.length = c.length;
        ASSERT_EQ(convert(r), 0);
        PspExpectation e;
        e.codec = "h264";
        e.seconds = c.seconds;
        EXPECT_EQ(pspViolations(r.output, e), QStringList());
    }
}
