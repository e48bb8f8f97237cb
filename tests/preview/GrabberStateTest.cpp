// The preview pane's frame grabber with the scripted engine: the states it goes through, what
// it asks the engine, and what the pane shows, also when notices come late, twice or not at all.
#include "PreviewFixture.h"

namespace {
const FakeEngine::Colour Red{255, 0, 0};
const FakeEngine::Colour Green{0, 255, 0};
const FakeEngine::Colour Blue{0, 0, 255};
}

using FakeEngine::Delivery;

class PreviewGrabber : public PreviewFixture {};

TEST_F(PreviewGrabber, WalksFromClosedThroughOpeningRequestingShowingAndClosingBack)
{
    const auto clips = AddClips({Probe(100), Probe(60)});
    TVideoInfo *clip = clips[0];
    ASSERT_EQ(form->Clips().CurrentClip(), clip);
    EXPECT_EQ(GrabberState(), State::Closed);
    EXPECT_FALSE(Busy());
    FakeEngine::SetGrabberReadyDelivery(Delivery::Held);
    FakeEngine::SetFrameDelivery(Delivery::Held);
    FakeEngine::SetFrameColourAtSecond(50, Red);
    FakeEngine::SetFrameResult(0, 50);

    DragTo(form->Image_Left, 67);   // half of a 100-second clip
    EXPECT_EQ(GrabberState(), State::Opening);
    EXPECT_TRUE(Busy());
    EXPECT_FALSE(form->Panel_Progress->isEnabled());
    EXPECT_FALSE(form->suiImageButton_Snapshoot->isEnabled());
    EXPECT_EQ(clip->StartTime(), 50);
    EXPECT_EQ(form->suiEdit_Start->text(), QStringLiteral("00:00:50"));
    const auto inits = FakeEngine::CallsTo("X_GetFrame_Init");
    ASSERT_EQ(inits.size(), 1u);
    EXPECT_EQ(inits[0].texts, (std::vector<std::string>{Key(clip->SourcePath()), "", "50"}));
    EXPECT_EQ(inits[0].numbers, (std::vector<int64_t>{2}));

    FakeEngine::PostHeldMessages();
    Settle();
    EXPECT_EQ(GrabberState(), State::Requesting);
    EXPECT_TRUE(Busy());
    EXPECT_EQ(RequestedSeconds(), (std::vector<int64_t>{50}));

    FakeEngine::PostHeldMessages();
    Settle();
    EXPECT_EQ(GrabberState(), State::Showing);
    EXPECT_FALSE(Busy());
    EXPECT_TRUE(form->suiImageButton_Snapshoot->isEnabled());
    EXPECT_EQ(ShownColour(), QColor(Qt::red));
    EXPECT_EQ(clip->Picture().pixelColor(0, 0), QColor(Qt::red));
    const auto grabs = FakeEngine::CallsTo("X_Get_Frame");
    EXPECT_EQ(grabs.back().numbers, (std::vector<int64_t>{clip->Picture().width(), clip->Picture().height()}));
    EXPECT_EQ(grabs.back().texts, (std::vector<std::string>{"<null>"}));

    // Let go at the second of the frame shown: nothing is asked, the pane stays idle.
    Drag(form->Image_Left, 0);
    EXPECT_EQ(RequestedSeconds().size(), 1u);
    EXPECT_EQ(GrabberState(), State::Showing);
    EXPECT_FALSE(Busy());

    // The end of a 100-second clip: the end stored is 100, the frame asked for is at 90.
    FakeEngine::SetFrameColourAtSecond(90, Green);
    FakeEngine::SetFrameResult(0, 90);
    DragTo(form->Image_Right, 144);
    EXPECT_EQ(clip->EndTime(), 100);
    EXPECT_EQ(RequestedSeconds(), (std::vector<int64_t>{50, 90}));
    EXPECT_EQ(GrabberState(), State::Requesting);
    FakeEngine::PostHeldMessages();
    Settle();
    EXPECT_EQ(GrabberState(), State::Showing);
    EXPECT_EQ(ShownColour(), QColor(Qt::green));

    // Another clip: the grabber closes first, while the old clip is still the current one.
    FakeEngine::SetGrabberClosedDelivery(Delivery::Held);
    TVideoInfo *currentWhileClosing = nullptr;
    State stateWhileClosing = State::Closed;
    Soon([&] {
        currentWhileClosing = form->Clips().CurrentClip();
        stateWhileClosing = GrabberState();
        FakeEngine::PostHeldMessages();
    });
    PressRow(clips[1]);
    EXPECT_EQ(currentWhileClosing, clip);
    EXPECT_EQ(stateWhileClosing, State::Closing);
    EXPECT_EQ(GrabberState(), State::Closed);
    EXPECT_EQ(form->Clips().CurrentClip(), clips[1]);
    EXPECT_EQ(FakeEngine::CallsTo("X_GetFrame_UnInit").size(), 1u);
    EXPECT_EQ(FakeEngine::UnloadCount(), FakeEngine::LoadCount());
    // The frame shown stays with the clip it was fetched for.
    EXPECT_EQ(clip->Picture().pixelColor(0, 0), QColor(Qt::green));
    EXPECT_NE(ShownColour(), QColor(Qt::green));
}

TEST_F(PreviewGrabber, AReleaseWhileOpeningStartsNoSecondGrabberAndTheStartFrameComes)
{
    TVideoInfo *clip = AddClip(100);
    FakeEngine::SetGrabberReadyDelivery(Delivery::Held);
    DragTo(form->Image_Right, 77);
    ASSERT_EQ(GrabberState(), State::Opening);
    EXPECT_EQ(FakeEngine::CallsTo("X_GetFrame_Init").at(0).texts.at(2), "50") << "the end just stored";

    // A release that reaches the pane while it opens (the slider is disabled, so only a release
    // already under way can) stores its time and waits for the same opening.
    emit form->PreviewPart()->Slider()->Released(SliderPart::Start);
    EXPECT_EQ(FakeEngine::CallsTo("X_GetFrame_Init").size(), 1u);
    EXPECT_TRUE(Busy());

    FakeEngine::PostHeldMessages();
    Settle();
    // After an opening the frame asked for is the start's (0 asks for 1), also when the end opened it.
    EXPECT_EQ(RequestedSeconds(), (std::vector<int64_t>{1}));
    EXPECT_EQ(GrabberState(), State::Showing);
    EXPECT_FALSE(Busy());
    EXPECT_EQ(clip->EndTime(), 50);
}

TEST_F(PreviewGrabber, NoticesAfterTheLibraryIsGoneLeaveNoStaleGrabber)
{
    const auto clips = AddClips({Probe(100), Probe(100)});
    DragTo(form->Image_Left, 67);
    ASSERT_EQ(GrabberState(), State::Showing);
    PressRow(clips[1]);
    ASSERT_EQ(GrabberState(), State::Closed);
    const QImage picture = clips[1]->Picture();
    const size_t grabs = FakeEngine::CallsTo("X_Get_Frame").size();

    for (uint32_t number : {uint32_t(DVDENCODER_MSG_READY), uint32_t(DVDENCODER_MSG_FRAME),
                            uint32_t(DVDENCODER_MSG_GRABBER_CLOSED)})
        form->MessageTargetOf().Post(number, 1);
    Settle();
    EXPECT_FALSE(Pane()->GrabberReady());
    EXPECT_EQ(GrabberState(), State::Closed);
    EXPECT_FALSE(Busy());
    EXPECT_EQ(clips[1]->Picture(), picture);
    EXPECT_EQ(FakeEngine::CallsTo("X_Get_Frame").size(), grabs);

    // The next release opens a grabber of its own instead of asking the released one.
    FakeEngine::SetGrabberReadyDelivery(Delivery::Held);
    DragTo(form->Image_Left, 20);
    EXPECT_EQ(FakeEngine::CallsTo("X_GetFrame_Init").size(), 2u);
    EXPECT_EQ(RequestedSeconds().size(), 1u);
    EXPECT_EQ(GrabberState(), State::Opening);
    FakeEngine::PostHeldMessages();
    Settle();
}

TEST_F(PreviewGrabber, NoFrameKeepsThePictureAndMakesThePaneIdle)
{
    TVideoInfo *clip = AddClip(100);
    const QImage picture = clip->Picture();
    const QColor shown = ShownColour();
    FakeEngine::SetFrameDelivery(Delivery::DuringCall, 0);
    FakeEngine::SetDefaultFrameColour(Blue);
    DragTo(form->Image_Left, 67);
    EXPECT_EQ(GrabberState(), State::Showing);
    EXPECT_FALSE(Busy());
    EXPECT_EQ(clip->Picture(), picture);
    EXPECT_EQ(ShownColour(), shown);
    EXPECT_EQ(clip->StartTime(), 50) << "the time is stored whether a frame comes or not";
}

TEST_F(PreviewGrabber, WhileAFrameIsAwaitedNothingElseMovesAndTheLastRequestIsShown)
{
    const auto clips = AddClips({Probe(100), Probe(100)});
    FakeEngine::SetFrameDelivery(Delivery::Held);
    FakeEngine::SetFrameColourAtSecond(50, Red);
    FakeEngine::SetFrameColourAtSecond(90, Green);
    DragTo(form->Image_Left, 67);
    ASSERT_TRUE(Busy());

    // A quick user: the other marker, the bar and the other clip's row, all while it seeks.
    const int endLeft = form->Image_Right->x();
    Drag(form->Image_Right, -40);
    Drag(form->Image_Stretch, 10);
    PressRow(clips[1]);
    EXPECT_EQ(form->Image_Right->x(), endLeft);
    EXPECT_EQ(form->Clips().CurrentClip(), clips[0]);
    EXPECT_EQ(RequestedSeconds(), (std::vector<int64_t>{50}));

    FakeEngine::PostHeldMessages();
    Settle();
    EXPECT_EQ(ShownColour(), QColor(Qt::red));
    DragTo(form->Image_Right, 144);
    FakeEngine::PostHeldMessages();
    Settle();
    EXPECT_FALSE(Busy());
    EXPECT_EQ(ShownColour(), QColor(Qt::green));
    EXPECT_EQ(clips[0]->Picture().pixelColor(0, 0), QColor(Qt::green));
}

TEST_F(PreviewGrabber, AFrameArrivingWhileTheGrabberClosesBelongsToTheOldClip)
{
    TVideoInfo *first = AddClip(100);
    FakeEngine::SetFrameDelivery(Delivery::Held);
    FakeEngine::SetGrabberClosedDelivery(Delivery::Held);
    FakeEngine::SetFrameColourAtSecond(50, Red);
    DragTo(form->Image_Left, 67);
    ASSERT_EQ(GrabberState(), State::Requesting);

    // Add closes the grabber; the frame and the closed notice come during its wait, in that order.
    TVideoInfo *currentWhenTheFrameCame = nullptr;
    Soon([&] {
        currentWhenTheFrameCame = form->Clips().CurrentClip();
        FakeEngine::PostHeldMessages();
    });
    const auto added = AddClips({Probe(30)});
    ASSERT_EQ(added.size(), 1);
    EXPECT_EQ(currentWhenTheFrameCame, first);
    EXPECT_EQ(first->Picture().pixelColor(0, 0), QColor(Qt::red));
    EXPECT_NE(added[0]->Picture().pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(GrabberState(), State::Closed);
    EXPECT_FALSE(Busy());
}

TEST_F(PreviewGrabber, ACloseWhileOpeningWaitsForTheReadyNoticeThenEnds)
{
    TVideoInfo *clip = AddClip(100);
    clip->SetStartTime(20);
    FakeEngine::SetGrabberReadyDelivery(Delivery::Held);
    DragTo(form->Image_Right, 144);
    ASSERT_EQ(GrabberState(), State::Opening);

    int timerTicks = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        // The wait keeps handling events; the engine answers only after a few of them.
        if (++timerTicks == 3)
            FakeEngine::PostHeldMessages();
    });
    ticker.start(10);
    AddClips({Probe(30)});
    ticker.stop();
    EXPECT_GE(timerTicks, 3);
    EXPECT_EQ(GrabberState(), State::Closed);
    std::vector<std::string> order;
    for (const auto &call : FakeEngine::Calls())
        if (call.entry.rfind("X_GetFrame_", 0) == 0 || call.entry == "X_Set_NextFrame_Time")
            order.push_back(call.entry);
    EXPECT_EQ(order, (std::vector<std::string>{"X_GetFrame_Init", "X_Set_NextFrame_Time", "X_GetFrame_UnInit"}));
    EXPECT_EQ(RequestedSeconds(), (std::vector<int64_t>{20}));
    EXPECT_FALSE(Busy());
}

TEST_F(PreviewGrabber, AFrameTheClosedGrabberNeverSentIsAwaitedNoLonger)
{
    const auto clips = AddClips({Probe(100), Probe(100)});
    FakeEngine::SetFrameDelivery(Delivery::Never);
    DragTo(form->Image_Left, 67);
    ASSERT_TRUE(Busy());

    AddClips({Probe(10)});
    EXPECT_EQ(GrabberState(), State::Closed);
    EXPECT_FALSE(Busy());
    // The window answers again: rows select and the close button is not refused.
    PressRow(clips[1]);
    EXPECT_EQ(form->Clips().CurrentClip(), clips[1]);
}

class PreviewGrabberWithoutEntryPoint : public PreviewFixture {
protected:
    PreviewGrabberWithoutEntryPoint() : PreviewFixture(QStringLiteral("X_Set_NextFrame_Time")) {}
};

TEST_F(PreviewGrabberWithoutEntryPoint, ReleaseStoresTheTimeAndRequestsNothing)
{
    TVideoInfo *clip = AddClip(100);
    DragTo(form->Image_Left, 67);
    EXPECT_EQ(clip->StartTime(), 50);
    EXPECT_TRUE(FakeEngine::CallsTo("X_GetFrame_Init").empty());
    EXPECT_EQ(GrabberState(), State::Closed);
    EXPECT_FALSE(Busy());
    EXPECT_TRUE(prompts.TextsOf(ScriptedPrompts::Kind::Information).isEmpty());
    EXPECT_TRUE(prompts.TextsOf(ScriptedPrompts::Kind::Error).isEmpty());
    EXPECT_TRUE(prompts.TextsOf(ScriptedPrompts::Kind::Confirm).isEmpty());
}
