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
        return answer;
    }

    std::vector<int> types;
    std::function<void(UIEvent*)> onEvent;
    bool answer = true;
};

// Pumps the loop without blocking until done() or five seconds pass.
bool pumpUntil(const std::function<bool()>& done)
{
    DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > 5000)
            return false;
        MessageLoop::instance()->mainLoop().processPendingEvents(0);
        Sleep(1);
    }
    return true;
}

// Gives everything already posted a chance to be handled.
void pumpPending()
{
    for (int i = 0; i < 5; ++i)
        MessageLoop::instance()->mainLoop().processPendingEvents(0);
}

bool takeQuitMessage(WPARAM* code)
{
    MSG message;
    if (!PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE))
        return false;
    *code = message.wParam;
    return true;
}

class MessageLoopTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_NE(MessageLoop::create(), nullptr); }
    void TearDown() override
    {
        MessageLoop::destroy();
        WPARAM ignored;
        while (takeQuitMessage(&ignored)) {
        }
    }
    MessageLoop& loop() { return *MessageLoop::instance(); }
};

class RecordingWindow : public NativeWindow
{
public:
    RecordingWindow() : NativeWindow(String(u"ReelstackLoopTestWindow"), nullptr) {}
    bool handleMessage(NativeMessage* message) override
    {
        messages.push_back(message->message);
        lParams.push_back(message->lParam);
        return false;
    }
    std::vector<uint32_t> messages;
    std::vector<intptr_t> lParams;
};

} // namespace

TEST_F(MessageLoopTest, CreateIsIdempotentAndRecordsTheGuiThread)
{
    EXPECT_EQ(MessageLoop::create(), &loop());
    EXPECT_EQ(loop().mainThreadId(), GetCurrentThreadId());
    EXPECT_EQ(loop().currentLoop(), nullptr);
    EXPECT_EQ(loop().flags(), 0u);
    EXPECT_FALSE(IsWindowVisible(static_cast<HWND>(loop().messageWindow())));
}

TEST_F(MessageLoopTest, ReceiversRegisterForTheirLifetimeWithRisingSerials)
{
    auto* first = new TestReceiver;
    TestReceiver second;
    EXPECT_TRUE(loop().isRegistered(first));
    EXPECT_EQ(second.serial(), first->serial() + 1);
    EXPECT_TRUE(second.name().isEmpty());
    delete first;
    EXPECT_FALSE(loop().isRegistered(first));
    EXPECT_FALSE(loop().isRegistered(nullptr));
    EXPECT_TRUE(loop().isRegistered(&second));
}

TEST_F(MessageLoopTest, SendDeliversAtOncePostWaitsForThePump)
{
    TestReceiver receiver;
    TestEvent sent(101);
    EXPECT_TRUE(loop().sendEvent(&sent, &receiver));
    receiver.answer = false;
    EXPECT_FALSE(loop().sendEvent(&sent, &receiver));
    EXPECT_EQ(receiver.types, (std::vector<int>{101, 101}));

    int deletions = 0;
    receiver.types.clear();
    EXPECT_TRUE(loop().postEvent(new TestEvent(102, &deletions), &receiver));
    EXPECT_TRUE(loop().postEvent(new TestEvent(103, &deletions), &receiver));
    EXPECT_TRUE(loop().postEvent(new TestEvent(104, &deletions), &receiver));
    EXPECT_TRUE(receiver.types.empty());
    ASSERT_TRUE(pumpUntil([&] { return deletions == 3; }));
    EXPECT_EQ(receiver.types, (std::vector<int>{102, 103, 104}));
}

TEST_F(MessageLoopTest, PostedEventForADestroyedReceiverIsDroppedEvenAtTheSameAddress)
{
    int deletions = 0;
    alignas(TestReceiver) unsigned char storage[sizeof(TestReceiver)];
    auto* gone = new (storage) TestReceiver;
    loop().postEvent(new TestEvent(110, &deletions), gone);
    gone->~TestReceiver();
    auto* successor = new (storage) TestReceiver;
    ASSERT_EQ(static_cast<void*>(successor), static_cast<void*>(gone));

    ASSERT_TRUE(pumpUntil([&] { return deletions == 1; }));
    EXPECT_TRUE(successor->types.empty());
    successor->~TestReceiver();
}

TEST_F(MessageLoopTest, NullAndDisabledReceiversGetNothing)
{
    int deletions = 0;
    loop().postEvent(new TestEvent(111, &deletions), nullptr);
    TestReceiver disabled;
    disabled.setDisabled(true);
    TestEvent sent(112);
    EXPECT_FALSE(loop().sendEvent(&sent, &disabled));
    EXPECT_FALSE(loop().sendEvent(&sent, nullptr));
    loop().postEvent(new TestEvent(113, &deletions), &disabled);
    ASSERT_TRUE(pumpUntil([&] { return deletions == 2; }));
    EXPECT_TRUE(disabled.types.empty());
}

TEST_F(MessageLoopTest, BlockedInputIsRefusedAndDroppedOtherEventsPass)
{
    TestReceiver receiver;
    int deletions = 0;
    // Queued before the block, delivered after it: dropped at delivery.
    loop().postEvent(new TestEvent(120, &deletions, true), &receiver);
    loop().setFlags(MessageLoop::kInputBlocked);

    TestEvent key(121, nullptr, true);
    EXPECT_FALSE(loop().sendEvent(&key, &receiver));
    EXPECT_FALSE(loop().postEvent(new TestEvent(122, &deletions, true), &receiver));
    EXPECT_EQ(deletions, 1);
    TestEvent plain(123);
    EXPECT_TRUE(loop().sendEvent(&plain, &receiver));
    loop().postEvent(new TestEvent(124, &deletions), &receiver);

    ASSERT_TRUE(pumpUntil([&] { return deletions == 3; }));
    EXPECT_EQ(receiver.types, (std::vector<int>{123, 124}));
    loop().setFlags(0);
}

TEST_F(MessageLoopTest, QuitUnwindsNestedLoopsInnermostFirst)
{
    TestReceiver receiver;
    std::vector<int> returns;
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

    EXPECT_EQ(returns, (std::vector<int>{3, 3}));
    ASSERT_NE(innermost, nullptr);
    EXPECT_NE(innermost, &loop().mainLoop());
    EXPECT_EQ(loop().currentLoop(), nullptr);
    EXPECT_FALSE(loop().mainLoop().isRunning());
    WPARAM code = 0;
    ASSERT_TRUE(takeQuitMessage(&code));
    EXPECT_EQ(code, 3u);
}

TEST_F(MessageLoopTest, QuitMessageGoesToTheQuitHandler)
{
    static int handled = 0;
    handled = 0;
    loop().setQuitHandler([] {
        ++handled;
        MessageLoop::instance()->quit(7);
    });
    PostQuitMessage(1);
    EXPECT_EQ(loop().run(), 7);
    EXPECT_EQ(handled, 1);
    WPARAM code = 0;
    ASSERT_TRUE(takeQuitMessage(&code));
    EXPECT_EQ(code, 7u);

    // Without a handler a quit message ends the loops with 0.
    loop().setQuitHandler(nullptr);
    PostQuitMessage(9);
    EXPECT_EQ(loop().run(), 0);
}

TEST_F(MessageLoopTest, PendingWorkWithAQuitWaitingEndsInsteadOfCirclingForever)
{
    TestReceiver receiver;
    loop().postEvent(new TestEvent(130), &receiver);
    PostQuitMessage(0);
    EXPECT_TRUE(loop().mainLoop().processPendingEvents(0));
    EXPECT_EQ(receiver.types, (std::vector<int>{130}));
}

TEST_F(MessageLoopTest, PrivateMessageToAnotherWindowIsDispatchedLikeAnyOther)
{
    RecordingWindow window;
    PostMessageW(static_cast<HWND>(window.handle()), MessageLoop::kPostedEventMessage, 0, 12345);
    ASSERT_TRUE(pumpUntil([&] { return !window.messages.empty(); }));
    EXPECT_EQ(window.messages.front(), MessageLoop::kPostedEventMessage);
    EXPECT_EQ(window.lParams.front(), 12345);
}

TEST_F(MessageLoopTest, ForgedOrStaleRecordsAreIgnored)
{
    TestReceiver receiver;
    int deletions = 0;
    auto* event = new TestEvent(140, &deletions);
    loop().postEvent(event, &receiver);
    ASSERT_TRUE(pumpUntil([&] { return deletions == 1; }));

    HWND hidden = static_cast<HWND>(loop().messageWindow());
    // Neither a number that was never a record nor a record already
    // delivered may be read or freed again.
    PostMessageW(hidden, MessageLoop::kPostedEventMessage, 0, 0x1234);
    loop().postEvent(new TestEvent(141, &deletions), &receiver);
    ASSERT_TRUE(pumpUntil([&] { return deletions == 2; }));
    pumpPending();
    EXPECT_EQ(receiver.types, (std::vector<int>{140, 141}));
    EXPECT_EQ(deletions, 2);
}

TEST_F(MessageLoopTest, PostedEventArrivesThroughAForeignDispatchToo)
{
    TestReceiver receiver;
    loop().postEvent(new TestEvent(150), &receiver);
    // What a system-run modal loop does: take and dispatch, not our pump.
    MSG message;
    DWORD start = GetTickCount();
    while (receiver.types.empty() && GetTickCount() - start < 5000) {
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&message);
        Sleep(1);
    }
    EXPECT_EQ(receiver.types, (std::vector<int>{150}));
}

TEST_F(MessageLoopTest, PaintOnlyPumpingRepaintsWithoutTakingOtherMessages)
{
    class PaintWindow : public NativeWindow
    {
    public:
        PaintWindow() : NativeWindow(String(u"ReelstackPaintTestWindow"), nullptr) {}
        bool handleMessage(NativeMessage* message) override
        {
            if (message->message == WM_PAINT)
                ++paints;
            return false;
        }
        int paints = 0;
    };
    // Nothing to paint: false at once.
    pumpPending();
    EXPECT_FALSE(loop().mainLoop().processPendingEvents(MessageLoop::kPaintOnly));

    PaintWindow window;
    window.setGeometry(10, 10, 50, 50);
    window.show(true);
    pumpPending();
    int paintsBefore = window.paints;
    TestReceiver receiver;
    loop().postEvent(new TestEvent(160), &receiver);
    window.invalidate();
    EXPECT_TRUE(loop().mainLoop().processPendingEvents(MessageLoop::kPaintOnly));
    EXPECT_GT(window.paints, paintsBefore);
    EXPECT_TRUE(receiver.types.empty());
    ASSERT_TRUE(pumpUntil([&] { return !receiver.types.empty(); }));
    window.show(false);
}

TEST_F(MessageLoopTest, EventsStillPendingAtDestroyAreDeletedUndelivered)
{
    int deletions = 0;
    TestReceiver* receiver = new TestReceiver;
    loop().postEvent(new TestEvent(170, &deletions), receiver);
    loop().postEvent(new TestEvent(171, &deletions), nullptr);
    delete receiver;
    MessageLoop::destroy();
    EXPECT_EQ(deletions, 2);
    EXPECT_EQ(MessageLoop::instance(), nullptr);
    // The window went with the loop: whatever was queued for it is harmless.
    MessageLoop::create();
    pumpPending();
    EXPECT_EQ(deletions, 2);
}

TEST_F(MessageLoopTest, WorkerReportsArriveThroughTheLoopOnTheGuiThread)
{
    class QuickThread : public Thread
    {
    public:
        QuickThread() : Thread(String(u"quick")) {}
        ~QuickThread() override { stop(-1); }

    protected:
        void run() override {}
    };
    class Watcher : public SignalReceiver
    {
    public:
        void onStarted() { seen.push_back(GetCurrentThreadId() == gui ? 1 : -1); }
        void onFinished() { seen.push_back(GetCurrentThreadId() == gui ? 2 : -2); }
        DWORD gui = GetCurrentThreadId();
        std::vector<int> seen;
    };
    QuickThread thread;
    Watcher watcher;
    thread.started.connect(&watcher, &Watcher::onStarted);
    thread.finished.connect(&watcher, &Watcher::onFinished);
    thread.start();
    ASSERT_TRUE(pumpUntil([&] { return watcher.seen.size() == 2; }));
    EXPECT_EQ(watcher.seen, (std::vector<int>{1, 2}));
}
