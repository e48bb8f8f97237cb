// The snapshot command with the scripted engine: the save dialog, the sizes fetched for each
// form, the names written, the THM beside the clip's output file, and the files' encodings.
#include "PreviewFixture.h"

#include "core/OutputNames.h"
#include "core/preview/SnapshotRules.h"

#include <QDir>
#include <QFileInfo>

namespace {

QByteArray Bytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The markers of a JPEG file up to its first scan, and its quantisation values.
struct JpegMarkers {
    QList<int> markers;
    QList<int> quantisers;
    bool jfif = false;
    int components = 0;
};

JpegMarkers ReadJpegMarkers(const QByteArray &bytes)
{
    JpegMarkers found;
    qsizetype at = 2;
    while (at + 4 <= bytes.size() && uchar(bytes[at]) == 0xFF) {
        const int marker = uchar(bytes[at + 1]);
        const int length = (uchar(bytes[at + 2]) << 8) | uchar(bytes[at + 3]);
        const QByteArray body = bytes.mid(at + 4, length - 2);
        found.markers << marker;
        if (marker == 0xE0)
            found.jfif = body.startsWith("JFIF");
        if (marker == 0xC0 || marker == 0xC2)
            found.components = uchar(body[5]);
        // 8-bit tables: a precision-and-id byte, then 64 values.
        for (qsizetype t = 0; marker == 0xDB && t + 65 <= body.size(); t += 65)
            for (int i = 1; i <= 64; ++i)
                found.quantisers << uchar(body[t + i]);
        if (marker == 0xDA)
            break;
        at += 2 + length;
    }
    return found;
}

quint32 LittleEndian(const QByteArray &bytes, int at, int size)
{
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | uchar(bytes[at + i]);
    return value;
}

}

class PreviewSnapshot : public PreviewFixture {
protected:
    void SetUp() override
    {
        PreviewFixture::SetUp();
        ASSERT_TRUE(shots.isValid());
        FakeEngine::SetDefaultFrameColour({200, 30, 40});
    }

    // A clip whose grabber has delivered a frame, so the snapshot command is usable.
    TVideoInfo *ReadyClip(const FakeEngine::ProbeAnswer &answer)
    {
        TVideoInfo *clip = AddClips({answer}).value(0);
        PressRow(clip);
        Drag(form->Image_Left, 0);
        EXPECT_TRUE(Pane()->GrabberReady());
        EXPECT_TRUE(form->suiImageButton_Snapshoot->isEnabled());
        return clip;
    }

    void Snapshot(const QString &name, int filterIndex)
    {
        prompts.QueueSaveFile(name.isEmpty() ? QString() : shots.filePath(name), filterIndex);
        QTest::mouseClick(form->suiImageButton_Snapshoot, Qt::LeftButton, {}, QPoint(5, 5));
    }

    QSize LastGrabSize() const
    {
        const auto grabs = FakeEngine::CallsTo("X_Get_Frame");
        return grabs.empty() ? QSize() : QSize(int(grabs.back().numbers[0]), int(grabs.back().numbers[1]));
    }

    QStringList Written() const { return QDir(shots.path()).entryList(QDir::Files, QDir::Name); }

    // The messages of the errors that reached the error report (its question follows each).
    QStringList Reported() const
    {
        QStringList messages;
        for (const QString &text : prompts.TextsOf(ScriptedPrompts::Kind::Confirm))
            messages << text.section(QStringLiteral("\n\n"), 0, 0);
        return messages;
    }

    QTemporaryDir shots;
};

TEST_F(PreviewSnapshot, EachFormFetchesItsSizeAndAppendsAMissingExtension)
{
    const struct {
        const char *what;
        FakeEngine::ProbeAnswer clip;
        const char *chosen;
        int filterIndex;
        const char *written;
        QSize size;
    } cases[] = {
        {"THM of a 4:3 DVD", Probe(100, 720, 480, 2, 0), "shot", 1, "shot.THM", {160, 120}},
        {"JPG of a 4:3 DVD", Probe(100, 720, 480, 2, 0), "a.jpeg", 2, "a.jpeg.jpg", {639, 480}},
        {"BMP of a 16:9 DVD", Probe(100, 720, 480, 3, 0), "a.jpg", 3, "a.jpg.bmp", {853, 480}},
        {"JPG of square pixels", Probe(100, 1280, 720, 3, 1), "wide.JPG", 2, "wide.JPG", {1280, 720}},
        {"THM of a 2.21 DVD", Probe(100, 720, 480, 4, 0), "b.thm", 1, "b.thm", {160, 120}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        ReadyClip(c.clip);
        Snapshot(QString::fromUtf8(c.chosen), c.filterIndex);
        EXPECT_EQ(LastGrabSize(), c.size);
        const QString path = shots.filePath(QString::fromUtf8(c.written));
        ASSERT_TRUE(QFileInfo::exists(path)) << Written().join(u' ').toStdString();
        EXPECT_EQ(QImage(path).size(), c.size);
        QFile::remove(path);
    }
    // The dialog opens with the form chosen last.
    QList<int> indexes;
    for (const auto &question : prompts.QuestionsOf(ScriptedPrompts::Kind::SaveFile)) {
        indexes << question.filterIndex;
        EXPECT_EQ(question.filter, SnapshotFilter);
    }
    EXPECT_EQ(indexes, (QList<int>{1, 1, 2, 3, 2}));
}

TEST_F(PreviewSnapshot, AThumbnailIsWrittenTwiceTheSecondBesideTheClipsOutputFile)
{
    TVideoInfo *clip = ReadyClip(Probe(100, 1280, 720, 3, 1));
    clip->SetOutputName(QStringLiteral("MAQ70012.MP4"));
    Snapshot(QStringLiteral("shot"), 1);
    const QByteArray chosen = Bytes(shots.filePath("shot.THM"));
    const QByteArray beside = Bytes(output.filePath("MAQ70012.THM"));
    ASSERT_FALSE(chosen.isEmpty());
    EXPECT_EQ(beside, chosen);
    // The clip remembers it, so the conversion keeps the name the thumbnail lies under.
    EXPECT_EQ(clip->SnapshotThumbnail(), g_s_OutputFolder + QStringLiteral("MAQ70012.THM"));

    // Baseline JFIF at quality 100 (every quantiser 1), three colour components.
    const JpegMarkers jpeg = ReadJpegMarkers(chosen);
    EXPECT_TRUE(jpeg.jfif);
    EXPECT_TRUE(jpeg.markers.contains(0xC0));
    EXPECT_FALSE(jpeg.markers.contains(0xC2)) << "not progressive";
    EXPECT_EQ(jpeg.components, 3);
    ASSERT_FALSE(jpeg.quantisers.isEmpty());
    EXPECT_EQ(jpeg.quantisers, QList<int>(jpeg.quantisers.size(), 1));
    const QColor centre = QImage::fromData(chosen).pixelColor(80, 60);
    EXPECT_NEAR(centre.red(), 200, 3);
    EXPECT_NEAR(centre.green(), 30, 3);
    EXPECT_NEAR(centre.blue(), 40, 3);
}

// An output folder from an earlier run or another machine may hold a thumbnail under the clip's
// name: it stays as it was, and the copy goes under the next free name, which the clip takes so
// that the conversion keeps it. A second snapshot replaces only its own copy.
TEST_F(PreviewSnapshot, AThumbnailCopyNeverReplacesAnEarlierOutputsFile)
{
    {
        QFile earlier(output.filePath("MAQ70012.THM"));
        ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
        earlier.write("earlier work");
    }
    const int savedSerial = i_OutputPSPSerialNumber;
    i_OutputPSPSerialNumber = 12;
    TVideoInfo *clip = ReadyClip(Probe(100));
    clip->SetOutputName(QStringLiteral("MAQ70012.MP4"));
    Snapshot(QStringLiteral("shot"), 1);
    Snapshot(QStringLiteral("again"), 1);
    i_OutputPSPSerialNumber = savedSerial;

    EXPECT_EQ(Bytes(output.filePath("MAQ70012.THM")), QByteArray("earlier work"));
    EXPECT_EQ(clip->OutputName(), QStringLiteral("MAQ70013.MP4"));
    EXPECT_EQ(clip->SnapshotThumbnail(), g_s_OutputFolder + QStringLiteral("MAQ70013.THM"));
    EXPECT_EQ(Bytes(output.filePath("MAQ70013.THM")), Bytes(shots.filePath("again.THM")));
    EXPECT_EQ(QDir(output.path()).entryList(QDir::Files), (QStringList{"MAQ70012.THM", "MAQ70013.THM"}));
}

TEST_F(PreviewSnapshot, ABitmapIsAnUncompressed24BitWindowsBitmap)
{
    ReadyClip(Probe(100, 720, 480, 2, 0));
    Snapshot(QStringLiteral("frame.bmp"), 3);
    const QByteArray bmp = Bytes(shots.filePath("frame.bmp"));
    ASSERT_GE(bmp.size(), 54);
    EXPECT_TRUE(bmp.startsWith("BM"));
    EXPECT_EQ(LittleEndian(bmp, 18, 4), 639u);
    EXPECT_EQ(LittleEndian(bmp, 22, 4), 480u);
    EXPECT_EQ(LittleEndian(bmp, 28, 2), 24u);
    EXPECT_EQ(LittleEndian(bmp, 30, 4), 0u) << "no compression";
    EXPECT_EQ(QImage(shots.filePath("frame.bmp")).pixelColor(638, 479), QColor(200, 30, 40));
}

TEST_F(PreviewSnapshot, CancelOrNoFrameYetWritesAndFetchesNothing)
{
    AddClip(100);
    // The grabber has not been opened: the command is not usable and asks nothing.
    emit form->suiImageButton_Snapshoot->clicked();
    EXPECT_TRUE(prompts.QuestionsOf(ScriptedPrompts::Kind::SaveFile).isEmpty());

    ReadyClip(Probe(100));
    const size_t grabs = FakeEngine::CallsTo("X_Get_Frame").size();
    Snapshot(QString(), 2);
    EXPECT_EQ(prompts.QuestionsOf(ScriptedPrompts::Kind::SaveFile).size(), 1);
    EXPECT_EQ(FakeEngine::CallsTo("X_Get_Frame").size(), grabs);
    EXPECT_TRUE(Written().isEmpty());
    EXPECT_TRUE(QDir(output.path()).entryList(QDir::Files).isEmpty());
    // A cancelled dialog keeps the form it opened with.
    Snapshot(QString(), 3);
    EXPECT_EQ(prompts.QuestionsOf(ScriptedPrompts::Kind::SaveFile).last().filterIndex, 1);
}

TEST_F(PreviewSnapshot, AnUnwritablePlaceIsReportedInTheProgramsWords)
{
    TVideoInfo *clip = ReadyClip(Probe(100));
    g_s_OutputFolder = output.filePath(QStringLiteral("gone/"));
    Snapshot(QStringLiteral("shot"), 1);
    EXPECT_TRUE(QFileInfo::exists(shots.filePath("shot.THM"))) << "the chosen place comes first";
    const QString beside = g_s_OutputFolder + ThumbnailNameOf(clip->OutputName());
    EXPECT_EQ(Reported(), QStringList{"Unable to write to " + beside});

    prompts.ClearQuestions();
    Snapshot(QStringLiteral("missing/dir/a.jpg"), 2);
    EXPECT_EQ(Reported(), QStringList{"Unable to write to " + shots.filePath("missing/dir/a.jpg")});
}
