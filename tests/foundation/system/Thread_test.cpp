// Worker threads: the order and thread of the started and finished reports,
// stopping (never killing), waiting, the process-wide lists, and reports for
// thread objects that are gone by the time they arrive.
#include <gtest/gtest.h>

#include "foundation/signals/SignalReceiver.h"
#include "foundation/system/Thread.h"
#include "foundation/system/WaitEvent.h"

#include <atomic>
#include <chrono>
#include <functional>
#include <new>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

long long msSince(Clock::time_point start)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

// Delivers thread reports on this thread until done() or five seconds pass.
bool deliverUntil(const std::function<bool()>& done)
{
    Clock::time_point start = Clock::now();
    while (!done()) {
        if (msSince(start) > 5000)
            return false;
        Thread::deliverReports();
        Thread::sleep(1);
    }
    return true;
}

// A thread whose run is given by the test. It stops its thread in its own
// destructor, as every derived class must.
class TestThread : public Thread
{
public:
    explicit TestThread(std::function<void(TestThread&)> body, std::function<void()> onInterrupt = nullptr)
        : Thread(String(u"test")), m_body(std::move(body)), m_onInterrupt(std::move(onInterrupt))
    {
    }
    ~TestThread() override { stop(-1); }

    std::atomic<int> runs{0};

protected:
    void run() override
    {
        ++runs;
        m_body(*this);
    }
    void interrupt() override
    {
        if (m_onInterrupt)
            m_onInterrupt();
    }

private:
    std::function<void(TestThread&)> m_body;
    std::function<void()> m_onInterrupt;
};

void waitForStop(TestThread& thread)
{
    while (!thread.isStopRequested())
        thread.waitWake(-1);
}

class ReportLog : public SignalReceiver
{
public:
    void watch(Thread& thread)
    {
        thread.started.connect(this, &ReportLog::onStarted);
        thread.finished.connect(this, &ReportLog::onFinished);
    }
    void onStarted() { record("started"); }
    void onFinished() { record("finished"); }

    std::vector<std::string> entries;
    std::vector<uint32_t> threadIds;

private:
    void record(const char* what)
    {
        entries.push_back(what);
        threadIds.push_back(Thread::currentThreadId());
    }
};

} // namespace

TEST(Thread, StartedThenFinishedArriveOnTheOwningThreadInOrder)
{
    std::atomic<uint32_t> runThreadId{0};
    TestThread thread([&](TestThread&) { runThreadId = Thread::currentThreadId(); });
    ReportLog log;
    log.watch(thread);

    thread.start();
    ASSERT_TRUE(thread.wait(5000));
    EXPECT_FALSE(thread.isRunning());
    EXPECT_EQ(thread.threadId(), 0u);
    ASSERT_TRUE(deliverUntil([&] { return log.entries.size() == 2; }));

    EXPECT_EQ(log.entries, (std::vector<std::string>{"started", "finished"}));
    uint32_t self = Thread::currentThreadId();
    EXPECT_EQ(log.threadIds, (std::vector<uint32_t>{self, self}));
    EXPECT_NE(runThreadId.load(), self);
    EXPECT_NE(runThreadId.load(), 0u);

    // An ended thread can run again, with a fresh pair of reports.
    thread.start();
    ASSERT_TRUE(thread.wait(5000));
    ASSERT_TRUE(deliverUntil([&] { return log.entries.size() == 4; }));
    EXPECT_EQ(thread.runs.load(), 2);
    EXPECT_EQ(log.entries, (std::vector<std::string>{"started", "finished", "started", "finished"}));
}

TEST(Thread, StopWakesARunThatWaitsAndReturnsOnceItEnded)
{
    TestThread thread(waitForStop);
    thread.start();
    EXPECT_TRUE(thread.isRunning());
    EXPECT_FALSE(thread.wait(20));
    EXPECT_TRUE(thread.stop(5000));
    EXPECT_FALSE(thread.isRunning());
    EXPECT_TRUE(thread.isStopRequested());

    // Starting again clears the stop request.
    thread.start();
    EXPECT_FALSE(thread.isStopRequested());
    EXPECT_TRUE(thread.stop(5000));
    Thread::deliverReports();
}

TEST(Thread, StopInterruptsARunBlockedOutsideItsWakeEvent)
{
    WaitEvent blocker(true);
    TestThread thread([&](TestThread&) { blocker.wait(-1); }, [&] { blocker.set(); });
    thread.start();
    EXPECT_FALSE(thread.wait(20));
    EXPECT_TRUE(thread.stop(5000));
    Thread::deliverReports();
}

TEST(Thread, ARunThatIgnoresStopIsLeftRunningNeverKilled)
{
    std::atomic<bool> release{false};
    std::atomic<bool> finishedCleanly{false};
    TestThread thread([&](TestThread&) {
        while (!release)
            Thread::sleep(1);
        finishedCleanly = true;
    });
    thread.start();
    EXPECT_FALSE(thread.stop(50));
    EXPECT_TRUE(thread.isRunning());
    release = true;
    EXPECT_TRUE(thread.wait(5000));
    EXPECT_TRUE(finishedCleanly.load());
    Thread::deliverReports();
}

TEST(Thread, WaitRules)
{
    TestThread never([](TestThread&) {});
    Clock::time_point start = Clock::now();
    EXPECT_TRUE(never.wait(100));
    EXPECT_TRUE(never.wait(0));
    EXPECT_LT(msSince(start), 50);

    std::atomic<bool> release{false};
    TestThread held([&](TestThread&) {
        while (!release)
            Thread::sleep(1);
    });
    held.start();
    start = Clock::now();
    EXPECT_FALSE(held.wait(100));
    EXPECT_GE(msSince(start), 90);

    std::thread releaser([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        release = true;
    });
    EXPECT_TRUE(held.wait(0));
    EXPECT_FALSE(held.isRunning());
    releaser.join();
    Thread::deliverReports();
}

TEST(Thread, AThreadCannotDeadlockWaitingForItself)
{
    std::atomic<bool> selfStop{true};
    std::atomic<bool> selfWait{true};
    TestThread thread([&](TestThread& self) {
        selfStop = self.stop(-1);
        selfWait = self.wait(-1);
    });
    thread.start();
    ASSERT_TRUE(thread.wait(5000));
    EXPECT_FALSE(selfStop.load());
    EXPECT_FALSE(selfWait.load());
    Thread::deliverReports();
}

TEST(Thread, CurrentRunningCountAndRegistry)
{
    EXPECT_EQ(Thread::current(), nullptr);
    EXPECT_FALSE(Thread::exists(nullptr));
    int before = Thread::runningCount();

    std::atomic<Thread*> seenCurrent{nullptr};
    std::atomic<int> seenCount{0};
    auto* thread = new TestThread([&](TestThread&) {
        seenCurrent = Thread::current();
        seenCount = Thread::runningCount();
    });
    EXPECT_TRUE(Thread::exists(thread));
    thread->start();
    ASSERT_TRUE(thread->wait(5000));
    EXPECT_EQ(seenCurrent.load(), thread);
    EXPECT_EQ(seenCount.load(), before + 1);
    EXPECT_EQ(Thread::runningCount(), before);

    delete thread;
    EXPECT_FALSE(Thread::exists(thread));
    // Its reports are still queued; they must find nothing to emit.
    Thread::deliverReports();
}

TEST(Thread, ReportsOfADestroyedThreadNeverReachItsSuccessorAtTheSameAddress)
{
    alignas(TestThread) unsigned char storage[sizeof(TestThread)];
    auto* first = new (storage) TestThread([](TestThread&) {});
    first->start();
    ASSERT_TRUE(first->wait(5000));
    first->~TestThread();

    auto* second = new (storage) TestThread([](TestThread&) {});
    ReportLog log;
    log.watch(*second);
    // The first thread's reports name this address but not this object.
    Thread::sleep(20);
    Thread::deliverReports();
    EXPECT_TRUE(log.entries.empty());
    EXPECT_TRUE(Thread::exists(second));
    second->~TestThread();
}

TEST(Thread, PriorityAndNameAreKept)
{
    TestThread thread(waitForStop);
    EXPECT_EQ(thread.priority(), 2);
    EXPECT_TRUE(thread.setPriority(7));
    EXPECT_EQ(thread.priority(), 7);
    thread.start();
    EXPECT_TRUE(thread.setPriority(4));
    EXPECT_EQ(thread.priority(), 4);
    EXPECT_TRUE(thread.setPriority(0));
    EXPECT_EQ(thread.priority(), 0);
    EXPECT_TRUE(thread.stop(5000));

    EXPECT_EQ(thread.name(), String(u"test"));
    thread.setName(String(u"renamed"));
    EXPECT_EQ(thread.name(), String(u"renamed"));
    EXPECT_GE(Thread::processorCount(), 1);
    Thread::deliverReports();
}

TEST(Thread, StopAllEndsEveryRunningThread)
{
    TestThread first(waitForStop);
    TestThread second(waitForStop);
    first.start();
    second.start();
    Thread::stopAll(5000);
    EXPECT_FALSE(first.isRunning());
    EXPECT_FALSE(second.isRunning());
    Thread::deliverReports();
}

TEST(Thread, DestroyingARunningThreadStopsItFirst)
{
    std::atomic<bool> ended{false};
    {
        TestThread thread([&](TestThread& self) {
            waitForStop(self);
            ended = true;
        });
        thread.start();
        Thread::sleep(10);
    }
    EXPECT_TRUE(ended.load());
    Thread::deliverReports();
}

TEST(Thread, SleepWaitsAtLeastTheTime)
{
    Clock::time_point start = Clock::now();
    Thread::sleep(3);
    EXPECT_GE(msSince(start), 2);
    start = Clock::now();
    Thread::sleep(20);
    EXPECT_GE(msSince(start), 19);
}
