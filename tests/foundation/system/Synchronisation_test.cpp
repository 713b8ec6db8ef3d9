// The small locks and events under Thread: re-entrancy, exclusion between
// threads, the try flag, and the two reset kinds of WaitEvent.
#include <gtest/gtest.h>

#include "foundation/system/CriticalSection.h"
#include "foundation/system/CriticalSectionGuard.h"
#include "foundation/system/WaitEvent.h"

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

namespace {

bool tryFromOtherThread(CriticalSection& section)
{
    bool entered = false;
    std::thread other([&] {
        entered = section.tryEnter();
        if (entered)
            section.leave();
    });
    other.join();
    return entered;
}

long long elapsedMs(std::chrono::steady_clock::time_point since)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - since)
        .count();
}

} // namespace

TEST(CriticalSection, IsReentrantAndExcludesOtherThreadsUntilFullyLeft)
{
    CriticalSection section;
    section.enter();
    EXPECT_TRUE(section.tryEnter());
    section.leave();
    EXPECT_FALSE(tryFromOtherThread(section));
    section.leave();
    EXPECT_TRUE(tryFromOtherThread(section));
}

TEST(CriticalSection, SerialisesUnsynchronisedCounters)
{
    CriticalSection section;
    int counter = 0;
    std::vector<std::thread> workers;
    for (int t = 0; t < 4; ++t) {
        workers.emplace_back([&] {
            for (int i = 0; i < 20000; ++i) {
                CriticalSectionGuard guard(section);
                counter = counter + 1;
            }
        });
    }
    for (std::thread& worker : workers)
        worker.join();
    EXPECT_EQ(counter, 80000);
}

TEST(CriticalSectionGuard, TryFlagTakesOnlyAFreeSectionAndReleasesOnlyWhatItTook)
{
    CriticalSection section;
    {
        CriticalSectionGuard guard(section, true);
        EXPECT_TRUE(guard.ownsLock());
        EXPECT_FALSE(tryFromOtherThread(section));
    }
    EXPECT_TRUE(tryFromOtherThread(section));

    section.enter();
    bool otherOwned = true;
    std::thread other([&] {
        CriticalSectionGuard guard(section, true);
        otherOwned = guard.ownsLock();
    });
    other.join();
    EXPECT_FALSE(otherOwned);
    // The failed guard must not have left the section on our behalf.
    EXPECT_FALSE(tryFromOtherThread(section));
    section.leave();
    EXPECT_TRUE(tryFromOtherThread(section));
}

TEST(WaitEvent, AutoResetLetsOneWaitThroughPerSet)
{
    WaitEvent event(false);
    EXPECT_FALSE(event.wait(0));
    event.set();
    EXPECT_TRUE(event.wait(0));
    EXPECT_FALSE(event.wait(0));

    event.set();
    event.reset();
    EXPECT_FALSE(event.wait(0));
}

TEST(WaitEvent, ManualResetStaysSetForEveryWaiterUntilReset)
{
    WaitEvent event(true);
    event.set();
    EXPECT_TRUE(event.wait(0));
    EXPECT_TRUE(event.wait(0));
    std::atomic<int> passed{0};
    std::vector<std::thread> waiters;
    for (int i = 0; i < 3; ++i)
        waiters.emplace_back([&] { passed += event.wait(1000) ? 1 : 0; });
    for (std::thread& waiter : waiters)
        waiter.join();
    EXPECT_EQ(passed.load(), 3);
    event.reset();
    EXPECT_FALSE(event.wait(0));
}

TEST(WaitEvent, TimesOutWithoutSetAndWakesOnSetFromAnotherThread)
{
    WaitEvent event(false);
    auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(event.wait(50));
    EXPECT_GE(elapsedMs(start), 40);

    std::thread setter([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
        event.set();
    });
    start = std::chrono::steady_clock::now();
    EXPECT_TRUE(event.wait(-1));
    setter.join();
    EXPECT_LT(elapsedMs(start), 5000);
}

TEST(WaitEvent, ClosedEventNeverReportsSignalled)
{
    WaitEvent event(true);
    event.set();
    event.close();
    EXPECT_FALSE(event.wait(0));
    event.set();
    event.reset();
    EXPECT_FALSE(event.wait(10));
    event.close();
}
