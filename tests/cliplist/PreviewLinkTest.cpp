#include "ClipListFixture.h"

#include "PreviewLink.h"

#include <QTest>
#include <functional>
#include <utility>

namespace {

// Records what the list asks of the preview, with the list's current clip at that moment.
class RecordingPreview : public PreviewLink {
public:
    explicit RecordingPreview(const ClipList &clips) : clips_(clips) {}

    bool awaiting = false;
    QImage shown;
    QStringList calls;
    std::function<void()> whileClosing;   // what the window handles while the grabber closes

    bool AwaitingFrame() const override { return awaiting; }
    QImage ShownPicture() const override { return shown; }
    void CloseFrameLibrary() override
    {
        Log("close");
        if (auto handle = std::exchange(whileClosing, nullptr))
            handle();
    }
    void ShowClipPicture(TVideoInfo *clip) override { Log(clip ? "picture" : "picture none"); }
    void ShowClipRange(TVideoInfo *clip) override { Log(clip ? "range" : "range none"); }

private:
    void Log(const QString &call)
    {
        const int current = clips_.IndexOf(clips_.CurrentClip());
        calls << call + (current >= 0 ? QString(" @%1").arg(current) : QString(" @-"));
    }
    const ClipList &clips_;
};

}

class CliplistPreviewLink : public ClipListFixture {
protected:
    void SetUp() override
    {
        ClipListFixture::SetUp();
        list->SetPreview(&preview);
    }

    RecordingPreview preview{clips};
};

TEST_F(CliplistPreviewLink, SelectionHandsThePreviewOverInOrder)
{
    AddClips(2);
    EXPECT_EQ(preview.calls, (QStringList{"close @-", "close @-", "range @0", "picture @0"}));

    preview.calls.clear();
    preview.shown = QImage(240, 180, QImage::Format_RGB888);
    preview.shown.fill(Qt::red);
    QTest::mousePress(Row(1), Qt::LeftButton, {}, QPoint(300, 8));
    // The grabber closes while the old clip is still current; that clip keeps the shown frame.
    EXPECT_EQ(preview.calls, (QStringList{"close @0", "range @1", "picture @1"}));
    EXPECT_EQ(clips.ClipAt(0)->Picture().pixelColor(0, 0), QColor(Qt::red));

    preview.calls.clear();
    RightClick(Row(1));
    list->ListMenu()->Item("Clear")->trigger();
    EXPECT_EQ(preview.calls,
              (QStringList{"close @1", "picture none @-", "range none @-", "range none @-"}));
}

TEST_F(CliplistPreviewLink, PressesWaitForTheFrame)
{
    AddClips(2);
    preview.awaiting = true;
    QTest::mousePress(Row(1), Qt::LeftButton, {}, QPoint(300, 8));
    EXPECT_EQ(clips.CurrentClip(), clips.ClipAt(0));
    RightClick(Row(1));
    EXPECT_EQ(list->ListMenu(), nullptr);

    preview.awaiting = false;
    QTest::mousePress(Row(1), Qt::LeftButton, {}, QPoint(300, 8));
    EXPECT_EQ(clips.CurrentClip(), clips.ClipAt(1));
}

TEST_F(CliplistPreviewLink, AClipClearedWhileTheGrabberClosesIsNotMadeCurrent)
{
    AddClips(3);
    preview.whileClosing = [this] { list->ClearClips(); };
    QTest::mousePress(Row(2), Qt::LeftButton, {}, QPoint(300, 8));
    EXPECT_EQ(clips.Count(), 0);
    EXPECT_EQ(clips.CurrentClip(), nullptr);
    EXPECT_FALSE(startEdit->isEnabled());
    EXPECT_TRUE(startEdit->text().isEmpty());
}
