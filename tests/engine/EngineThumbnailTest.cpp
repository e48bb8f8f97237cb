#include "EngineCalls.h"
#include "TestMedia.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
bool baselineJpeg(const QByteArray &bytes)
{
    return bytes.startsWith("\xFF\xD8") && bytes.contains("\xFF\xC0") && !bytes.contains("\xFF\xC2");
}
}

TEST(EngineThumbnail, Writes160By120BaselineJpegFittedOnBlack)
{
    QTemporaryDir dir;
    struct Case {
        QString kind;
        const char *second;
        bool letterboxed; // wider than 4:3: black bands above and below
    };
    const Case cases[] = {{"dvd", "2", true}, {"avi", "1", false}, {"phone", "2", false}, {"avi", "11", false}};
    for (const Case &c : cases) {
        SCOPED_TRACE((c.kind + " at " + c.second).toStdString());
        const QString out = dir.filePath(c.kind + c.second + ".THM");
        ASSERT_EQ(thumbnail(mediaPath(c.kind), c.second, out), 0);
        EXPECT_TRUE(baselineJpeg(fileBytes(out)));
        const QJsonObject stream = streamOf(probeJson(out), 0);
        EXPECT_EQ(stream["width"].toInt(), 160);
        EXPECT_EQ(stream["height"].toInt(), 120);
        const std::vector<uint8_t> gray = firstFrameGray(out, 160, 120);
        ASSERT_EQ(gray.size(), 160u * 120u);
        const auto rowMean = [&](int row) {
            double sum = 0;
            for (int x = 0; x < 160; ++x)
                sum += gray[row * 160 + x];
            return sum / 160;
        };
        EXPECT_EQ(rowMean(2) < 20, c.letterboxed);
        EXPECT_GT(rowMean(60), 20);
    }
}

TEST(EngineThumbnail, UnreadableSourceOrBadSizeWritesNothing)
{
    QTemporaryDir dir;
    const QString out = dir.filePath("X.THM");
    EXPECT_EQ(thumbnail(dir.filePath("missing.avi"), "10", out), -1);
    const QByteArray s = mediaPath("avi").toUtf8(), o = out.toUtf8();
    EXPECT_EQ(EngineLibrary::get().X_Get_Frame_JPEG(nullptr, 2, s.constData(), "0", "1", "160", o.constData(), 0), -1);
    EXPECT_EQ(EngineLibrary::get().X_Get_Frame_JPEG(nullptr, 2, s.constData(), "0", "1", "160:120",
                                                    "/no/such/dir/X.THM", 0),
              -1);
    EXPECT_FALSE(QFile::exists(out));
}
