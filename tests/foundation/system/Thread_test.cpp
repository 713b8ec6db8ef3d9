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

protected:
    void run() override { m_body(*this); }
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

// Records each report with whether it arrived on this (the owning) thread.
class ReportLog : public SignalReceiver
{
public:
    explicit ReportLog(Thread& thread)
    {
        thread.started.connect(this, &ReportLog::onStarted);
        thread.finished.connect(this, &ReportLog::onFinished);
    }
    void onStarted() { entries.push_back(Thread::currentThreadId() == m_owner ? "started" : "elsewhere"); }
    void onFinished() { entries.push_back(Thread::currentThreadId() == m_owner ? "finished" : "elsewhere"); }
    // Delivers reports until count have arrived or five seconds pass.
    bool deliverUntil(size_t count)
    {
        Clock::time_point start = Clock::now();
        while (entries.size() < count && msSince(start) < 5000) {
            Thread::deliverReports();
            Thread::sleep(1);
        }
        return entries.size() >= count;
    }

    std::vector<std::string> entries;

private:
    uint32_t m_owner = Thread::currentThreadId();
};

} // namespace

TEST(Thread, StartedThenFinishedArriveOnTheOwningThreadInOrder)
{
    // The run, asked to stop or wait for itself, refuses instead of deadlocking.
    std::atomic<uint32_t> runThreadId{0};
    std::atomic<bool> selfStopOrWait{true};
    TestThread thread([&](TestThread& self) {
        runThreadId = Thread::currentThreadId();
        selfStopOrWait = self.stop(-1) || self.wait(-1);
    });
    ReportLog log(thread);
    thread.start();
    ASSERT_TRUE(thread.wait(5000));
    EXPECT_FALSE(thread.isRunning());
    EXPECT_NE(runThreadId.load(), Thread::currentThreadId());
    EXPECT_FALSE(selfStopOrWait.load());
    // An ended thread can run again, with a fresh pair of reports.
    thread.start();
    ASSERT_TRUE(thread.wait(5000));
    ASSERT_TRUE(log.deliverUntil(4));
    EXPECT_EQ(log.entries, (std::vector<std::string>{"started", "finished", "started", "finished"}));
}

TEST(Thread, StopWakesOrInterruptsARunAndNeverKillsOne)
{
    TestThread waiting(waitForStop);
    waiting.start();
    EXPECT_FALSE(waiting.wait(20));
    EXPECT_TRUE(waiting.stop(5000));
    EXPECT_FALSE(waiting.isRunning());
    waiting.start();
    EXPECT_FALSE(waiting.isStopRequested()) << "starting again clears the stop request";

    WaitEvent blocker(true);
    TestThread blocked([&](TestThread&) { blocker.wait(-1); }, [&] { blocker.set(); });
    blocked.start();
    EXPECT_FALSE(blocked.wait(20));
    EXPECT_TRUE(blocked.stop(5000)) << "the interrupt hook wakes a run blocked elsewhere";

    // stopAll, and a destructor, stop whatever still runs.
    TestThread other(waitForStop);
    other.start();
    Thread::stopAll(5000);
    EXPECT_FALSE(waiting.isRunning());
    EXPECT_FALSE(other.isRunning());
    std::atomic<bool> ended{false};
    {
        TestThread scoped([&](TestThread& self) {
            waitForStop(self);
            ended = true;
        });
        scoped.start();
    }
    EXPECT_TRUE(ended.load());
    Thread::deliverReports();
}

TEST(Thread, ARunThatIgnoresStopIsWaitedForNeverKilled)
{
    // Without a limit: a wait for a thread that never ran would never return.
    TestThread never([](TestThread&) {});
    EXPECT_TRUE(never.wait(0)) << "a thread never started is not waited for";

    std::atomic<bool> release{false};
    std::atomic<bool> finishedCleanly{false};
    TestThread stubborn([&](TestThread&) {
        while (!release)
            Thread::sleep(1);
        finishedCleanly = true;
    });
    stubborn.start();
    EXPECT_FALSE(stubborn.stop(50));
    Clock::time_point start = Clock::now();
    EXPECT_FALSE(stubborn.wait(100));
    EXPECT_GE(msSince(start), 90);
    EXPECT_TRUE(stubborn.isRunning());
    release = true;
    EXPECT_TRUE(stubborn.wait(0)) << "0 waits without limit";
    EXPECT_TRUE(finishedCleanly.load());
    Thread::deliverReports();
}

TEST(Thread, ReportsOfADestroyedThreadNeverReachItsSuccessorAtTheSameAddress)
{
    EXPECT_EQ(Thread::current(), nullptr);
    int before = Thread::runningCount();
    std::atomic<Thread*> seenCurrent{nullptr};
    std::atomic<int> seenCount{0};
    alignas(TestThread) unsigned char storage[sizeof(TestThread)];
    auto* first = new (storage) TestThread([&](TestThread&) {
        seenCurrent = Thread::current();
        seenCount = Thread::runningCount();
    });
    first->start();
    ASSERT_TRUE(first->wait(5000));
    EXPECT_EQ(seenCurrent.load(), first);
    EXPECT_EQ(seenCount.load(), before + 1);
    EXPECT_EQ(Thread::runningCount(), before);
    first->~TestThread();
    EXPECT_FALSE(Thread::exists(first));

    auto* second = new (storage) TestThread([](TestThread&) {});
    EXPECT_TRUE(Thread::exists(second));
    {
        ReportLog log(*second);
        // The first thread's reports name this address but not this object.
        Thread::sleep(20);
        Thread::deliverReports();
        EXPECT_TRUE(log.entries.empty());
    }
    second->~TestThread();
    // A report naming something that never was a thread is only compared.
    Thread::deliverReport(reinterpret_cast<Thread*>(uintptr_t{0x1234}), 1, true);
}
