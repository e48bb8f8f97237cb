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
