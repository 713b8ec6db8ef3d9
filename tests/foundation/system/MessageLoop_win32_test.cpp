// The GUI thread's message loop with its real hidden window: send versus
// post, receivers that die or change before delivery, input blocking, nested
// loops and quit, paint-only pumping, and thread reports through the loop.
#include <gtest/gtest.h>

#include "foundation/platform/NativeWindow.h"
#include "foundation/signals/SignalReceiver.h"
#include "foundation/system/EventLoop.h"
#include "foundation/system/EventReceiver.h"
#include "foundation/system/MessageLoop.h"
#include "foundation/system/Thread.h"
#include "foundation/system/UIEvent.h"

#include <functional>
#include <new>
#include <vector>
#include <windows.h>

namespace {

using Types = std::vector<int>;

// Counts its deletions, so a test knows it was delivered or dropped.
class TestEvent : public UIEvent
{
public:
    TestEvent(int type, int* deletions = nullptr, bool input = false) : UIEvent(type), m_deletions(deletions)
    {
        setInput(input);
    }
    ~TestEvent() override
    {
        if (m_deletions)
            ++*m_deletions;
    }

private:
    int* m_deletions;
};

class TestReceiver : public EventReceiver
{
public:
    bool handleEvent(UIEvent* event) override
    {
        types.push_back(event->type());
        if (onEvent)
            onEvent(event);
        return true;
    }
    Types types;
    std::function<void(UIEvent*)> onEvent;
};

// A real window that records its paints (as 0) and the posted-event
// messages sent to it (as their lParam).
class RecordingWindow : public NativeWindow
{
public:
    RecordingWindow() : NativeWindow(String(u"ReelstackLoopTestWindow"), nullptr) {}
    bool handleMessage(NativeMessage* message) override
    {
        if (message->message == WM_PAINT)
            messages.push_back(0);
        if (message->message == MessageLoop::kPostedEventMessage)
            messages.push_back(int(message->lParam));
        return false;
    }
    Types messages;
};

// Pumps the loop without blocking until done() or five seconds pass.
bool pumpUntil(const std::function<bool()>& done)
{
    DWORD start = GetTickCount();
    while (!done() && GetTickCount() - start < 5000) {
        MessageLoop::instance()->mainLoop().processPendingEvents(0);
        Sleep(1);
    }
    return done();
}

WPARAM takeQuitMessage()
{
    MSG message;
    return PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) ? message.wParam : WPARAM(-1);
}

class MessageLoopTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_NE(MessageLoop::create(), nullptr); }
    void TearDown() override
    {
        MessageLoop::destroy();
        while (takeQuitMessage() != WPARAM(-1)) {
        }
    }
    MessageLoop& loop() { return *MessageLoop::instance(); }
    int deletions = 0;
};

} // namespace

TEST_F(MessageLoopTest, SendDeliversAtOncePostWaitsForThePumpAndKeepsOrder)
{
    EXPECT_EQ(MessageLoop::create(), &loop());
    TestReceiver receiver;
    TestEvent sent(101);
    EXPECT_TRUE(loop().sendEvent(&sent, &receiver));
    for (int type : {102, 103, 104})
        EXPECT_TRUE(loop().postEvent(new TestEvent(type, &deletions), &receiver));
    EXPECT_EQ(receiver.types, Types{101});
    ASSERT_TRUE(pumpUntil([&] { return deletions == 3; }));
    EXPECT_EQ(receiver.types, (Types{101, 102, 103, 104}));
}

TEST_F(MessageLoopTest, ReceiversThatCannotTakeAnEventGetNothing)
{
    // A destroyed receiver, even with a successor at the same address.
    alignas(TestReceiver) unsigned char storage[sizeof(TestReceiver)];
    auto* gone = new (storage) TestReceiver;
    loop().postEvent(new TestEvent(110, &deletions), gone);
    gone->~TestReceiver();
    EXPECT_FALSE(loop().isRegistered(gone));
    auto* successor = new (storage) TestReceiver;
    // Null and disabled receivers.
    loop().postEvent(new TestEvent(111, &deletions), nullptr);
    TestReceiver disabled;
    disabled.setDisabled(true);
    TestEvent sent(112);
    EXPECT_FALSE(loop().sendEvent(&sent, &disabled));
    EXPECT_FALSE(loop().sendEvent(&sent, nullptr));
    loop().postEvent(new TestEvent(113, &deletions), &disabled);
    // Input while input is blocked, even when queued before the block.
    TestReceiver receiver;
    loop().postEvent(new TestEvent(120, &deletions, true), &receiver);
    loop().setFlags(MessageLoop::kInputBlocked);
    TestEvent key(121, nullptr, true);
    EXPECT_FALSE(loop().sendEvent(&key, &receiver));
    EXPECT_FALSE(loop().postEvent(new TestEvent(122, &deletions, true), &receiver));
    loop().postEvent(new TestEvent(124, &deletions), &receiver);

    ASSERT_TRUE(pumpUntil([&] { return deletions == 6; }));
    EXPECT_TRUE(successor->types.empty());
    EXPECT_TRUE(disabled.types.empty());
    EXPECT_EQ(receiver.types, Types{124}) << "other events pass a block";
    loop().setFlags(0);
    successor->~TestReceiver();
}

TEST_F(MessageLoopTest, QuitUnwindsNestedLoopsInnermostFirstOrGoesToTheHandler)
{
    TestReceiver receiver;
    Types returns;
    EventLoop* innermost = nullptr;
    receiver.onEvent = [&](UIEvent* event) {
        if (event->type() == 1) {
            EventLoop nested;
            loop().postEvent(new TestEvent(2), &receiver);
            returns.push_back(nested.exec());
            return;
        }
        innermost = loop().currentLoop();
        loop().quit(3);
    };
    loop().postEvent(new TestEvent(1), &receiver);
    returns.push_back(loop().run());
    EXPECT_EQ(returns, (Types{3, 3}));
    EXPECT_NE(innermost, &loop().mainLoop());
    EXPECT_EQ(loop().currentLoop(), nullptr);
    EXPECT_EQ(takeQuitMessage(), 3u);

    // A quit message goes to the quit handler; without one it ends the loops with 0.
    static int handled = 0;
    loop().setQuitHandler([] {
        ++handled;
        MessageLoop::instance()->quit(7);
    });
    PostQuitMessage(1);
    EXPECT_EQ(loop().run(), 7);
    EXPECT_EQ(handled, 1);
    EXPECT_EQ(takeQuitMessage(), 7u);
    loop().setQuitHandler(nullptr);
    PostQuitMessage(9);
    EXPECT_EQ(loop().run(), 0);
    takeQuitMessage();
    // Pending work with a quit waiting ends instead of re-posting the quit.
    receiver.onEvent = nullptr;
    loop().postEvent(new TestEvent(130), &receiver);
    PostQuitMessage(0);
    EXPECT_TRUE(loop().mainLoop().processPendingEvents(0));
    EXPECT_EQ(receiver.types, (Types{1, 2, 130}));
}

TEST_F(MessageLoopTest, OnlyRecordsStillPendingAreDelivered)
{
    TestReceiver receiver;
    RecordingWindow window;
    loop().postEvent(new TestEvent(140, &deletions), &receiver);
    ASSERT_TRUE(pumpUntil([&] { return deletions == 1; }));
    // Neither a number that was never a record nor a record already
    // delivered may be read or freed again; another window's message of the
    // same number is its own.
    PostMessageW(static_cast<HWND>(loop().messageWindow()), MessageLoop::kPostedEventMessage, 0, 0x1234);
    PostMessageW(static_cast<HWND>(window.handle()), MessageLoop::kPostedEventMessage, 0, 12345);
    loop().postEvent(new TestEvent(141, &deletions), &receiver);
    ASSERT_TRUE(pumpUntil([&] { return deletions == 2 && !window.messages.empty(); }));
    EXPECT_EQ(receiver.types, (Types{140, 141}));
    EXPECT_EQ(window.messages, Types{12345});

    // What a system-run modal loop does: take and dispatch, not our pump.
    loop().postEvent(new TestEvent(150), &receiver);
    MSG message;
    DWORD start = GetTickCount();
    while (receiver.types.size() < 3 && GetTickCount() - start < 5000) {
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&message);
        Sleep(1);
    }
    EXPECT_EQ(receiver.types, (Types{140, 141, 150}));
}

TEST_F(MessageLoopTest, PaintOnlyPumpingRepaintsWithoutTakingOtherMessages)
{
    for (int i = 0; i < 5; ++i)
        loop().mainLoop().processPendingEvents(0);
    EXPECT_FALSE(loop().mainLoop().processPendingEvents(MessageLoop::kPaintOnly)) << "nothing to paint";
    RecordingWindow window;
    window.setGeometry(10, 10, 50, 50);
    window.show(true);
    for (int i = 0; i < 5; ++i)
        loop().mainLoop().processPendingEvents(0);
    window.messages.clear();
    TestReceiver receiver;
    loop().postEvent(new TestEvent(160), &receiver);
    window.invalidate();
    EXPECT_TRUE(loop().mainLoop().processPendingEvents(MessageLoop::kPaintOnly));
    EXPECT_EQ(window.messages, Types{0});
    EXPECT_TRUE(receiver.types.empty());
    EXPECT_TRUE(pumpUntil([&] { return !receiver.types.empty(); }));
    window.show(false);
}

TEST_F(MessageLoopTest, EventsStillPendingAtDestroyAreDeletedUndelivered)
{
    auto* receiver = new TestReceiver;
    loop().postEvent(new TestEvent(170, &deletions), receiver);
    loop().postEvent(new TestEvent(171, &deletions), nullptr);
    delete receiver;
    MessageLoop::destroy();
    EXPECT_EQ(deletions, 2);
    // The window went with the loop: whatever was queued for it is harmless.
    MessageLoop::create();
    for (int i = 0; i < 5; ++i)
        loop().mainLoop().processPendingEvents(0);
    EXPECT_EQ(deletions, 2);
}

TEST_F(MessageLoopTest, WorkerReportsArriveThroughTheLoopOnTheGuiThread)
{
    struct QuickThread : Thread
    {
        QuickThread() : Thread(String(u"quick")) {}
        ~QuickThread() override { stop(-1); }
        void run() override {}
    } thread;
    struct Watcher : SignalReceiver
    {
        void onStarted() { seen.push_back(GetCurrentThreadId() == gui ? 1 : -1); }
        void onFinished() { seen.push_back(GetCurrentThreadId() == gui ? 2 : -2); }
        DWORD gui = GetCurrentThreadId();
        Types seen;
    } watcher;
    thread.started.connect(&watcher, &Watcher::onStarted);
    thread.finished.connect(&watcher, &Watcher::onFinished);
    thread.start();
    ASSERT_TRUE(pumpUntil([&] { return watcher.seen.size() == 2; }));
    EXPECT_EQ(watcher.seen, (Types{1, 2}));
}
