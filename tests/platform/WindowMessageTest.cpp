#include "platform/WindowMessage.h"

#include <QCoreApplication>
#include <QThread>
#include <gtest/gtest.h>
#include <atomic>
#include <thread>
#include <vector>

namespace {

struct Received {
    uint32_t number;
    intptr_t wparam;
    intptr_t lparam;
    bool onOwnThread;
};

// A window as the program writes one: event() hands numbered messages to its dispatcher.
class Window : public QObject {
public:
    Window()
    {
        for (uint32_t number : {537u, 2312u, 2412u, 2512u}) {
            dispatcher.On(number, [this, number](intptr_t wparam, intptr_t lparam) {
                received.push_back({number, wparam, lparam, QThread::currentThread() == thread()});
            });
        }
    }

    bool event(QEvent *event) override
    {
        if (dispatcher.Dispatch(event))
            return true;
        if (event->type() == WindowMessageEvent::EventType())
            ++unhandled;
        return QObject::event(event);
    }

    WindowMessageDispatcher dispatcher;
    std::vector<Received> received;
    int unhandled = 0;
};

} // namespace

TEST(PlatformWindowMessage, MessagesFromAnotherThreadArriveInOrderOnTheWindowThread)
{
    Window window;
    WindowMessageTarget target(&window);
    MessageTarget *handle = target.Handle();

    std::thread engine([handle] {
        handle->post(handle, 2312, 0, 0);
        handle->post(handle, 2412, 1, -7);
        handle->post(handle, 999, 5, 5); // no handler: the window's default handling
        handle->post(handle, 2512, 0, 0);
    });
    engine.join();
    target.Post(537, 0x8000, 42);
    EXPECT_TRUE(window.received.empty()); // posted, never delivered inside post()

    QCoreApplication::processEvents();

    ASSERT_EQ(window.received.size(), 4u);
    const Received expected[] = {{2312, 0, 0, true}, {2412, 1, -7, true}, {2512, 0, 0, true}, {537, 0x8000, 42, true}};
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(window.received[i].number, expected[i].number) << i;
        EXPECT_EQ(window.received[i].wparam, expected[i].wparam) << i;
        EXPECT_EQ(window.received[i].lparam, expected[i].lparam) << i;
        EXPECT_TRUE(window.received[i].onOwnThread) << i;
    }
    EXPECT_EQ(window.unhandled, 1);
}

TEST(PlatformWindowMessage, PostingToAGoneWindowIsDropped)
{
    auto *window = new Window;
    WindowMessageTarget target(window);
    target.Post(2312);      // pending when the window goes
    delete window;
    target.Post(2412, 1);   // after it went
    QCoreApplication::processEvents();
    SUCCEED();
}

TEST(PlatformWindowMessage, ManyThreadsPostWhileTheWindowGoes)
{
    auto *window = new Window;
    WindowMessageTarget target(window);
    std::atomic<bool> go{false};
    std::vector<std::thread> posters;
    for (int t = 0; t < 4; ++t) {
        posters.emplace_back([&] {
            while (!go.load()) {
            }
            for (int i = 0; i < 2000; ++i)
                target.Post(2412, i);
        });
    }
    go = true;
    QCoreApplication::processEvents();
    delete window;
    for (std::thread &poster : posters)
        poster.join();
    QCoreApplication::processEvents();
    SUCCEED();
}

TEST(PlatformWindowMessage, DispatcherIgnoresOtherEvents)
{
    WindowMessageDispatcher dispatcher;
    bool called = false;
    dispatcher.On(2023, [&](intptr_t, intptr_t) { called = true; });
    QEvent other(QEvent::User);
    EXPECT_FALSE(dispatcher.Dispatch(&other));
    EXPECT_FALSE(dispatcher.Dispatch(nullptr));
    WindowMessageEvent finished(2023, 0, 0);
    EXPECT_TRUE(dispatcher.Dispatch(&finished));
    EXPECT_TRUE(called);
}

// The engine keeps a window's handle as a bare pointer, and its grabber thread posts 2512 after it
// was told to close; the window (and the target inside it) may be gone by then.
TEST(PlatformWindowMessage, PostingThroughTheHandleOfAGoneWindowIsDropped)
{
    struct OwningWindow : Window {
        WindowMessageTarget target{this};
    };
    auto *kept = new OwningWindow;
    MessageTarget *keptHandle = kept->target.Handle();
    auto *gone = new OwningWindow;
    MessageTarget *goneHandle = gone->target.Handle();
    goneHandle->post(goneHandle, 2412, 1, 0); // pending when the window goes
    delete gone;

    std::thread engine([goneHandle, keptHandle] {
        goneHandle->post(goneHandle, 2512, 0, 0);
        keptHandle->post(keptHandle, 2512, 0, 0);
    });
    engine.join();
    goneHandle->post(goneHandle, 2312, 0, 0);
    QCoreApplication::processEvents();

    // The other window's handle is still its own: its message arrives, and only there.
    ASSERT_EQ(kept->received.size(), 1u);
    EXPECT_EQ(kept->received[0].number, 2512u);
    delete kept;
    keptHandle->post(keptHandle, 2512, 0, 0);
    QCoreApplication::processEvents();
}
