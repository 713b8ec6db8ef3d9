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

static bool tryFromOtherThread(CriticalSection& section)
{
    bool entered = false;
    std::thread([&] {
        CriticalSectionGuard guard(section, true);
        entered = guard.ownsLock();
    }).join();
    return entered;
}

TEST(CriticalSection, ReentrantExclusiveAndTheGuardReleasesOnlyWhatItTook)
{
    CriticalSection section;
    section.enter();
    EXPECT_TRUE(section.tryEnter());
    section.leave();
    // A failed try guard on the other thread must not leave it on our behalf.
    EXPECT_FALSE(tryFromOtherThread(section));
    EXPECT_FALSE(tryFromOtherThread(section));
    section.leave();
    EXPECT_TRUE(tryFromOtherThread(section));

    int counter = 0;
    std::vector<std::thread> workers;
    for (int t = 0; t < 4; ++t)
        workers.emplace_back([&] {
            for (int i = 0; i < 20000; ++i) {
                CriticalSectionGuard guard(section);
                counter = counter + 1;
            }
        });
    for (std::thread& worker : workers)
        worker.join();
    EXPECT_EQ(counter, 80000);
}

TEST(WaitEvent, AutoResetLetsOneWaitThroughManualResetLetsAllAndWaitsEnd)
{
    WaitEvent automatic(false);
    automatic.set();
    EXPECT_TRUE(automatic.wait(0));
    EXPECT_FALSE(automatic.wait(0));
    automatic.set();
    automatic.reset();
    EXPECT_FALSE(automatic.wait(0));

    WaitEvent manual(true);
    manual.set();
    std::atomic<int> passed{0};
    std::vector<std::thread> waiters;
    for (int i = 0; i < 3; ++i)
        waiters.emplace_back([&] { passed += manual.wait(1000) ? 1 : 0; });
    for (std::thread& waiter : waiters)
        waiter.join();
    EXPECT_EQ(passed.load(), 3);
    manual.reset();
    EXPECT_FALSE(manual.wait(0));
    // A wait times out without a set and wakes on a set from another thread.
    auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(manual.wait(50));
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(40));
    std::thread setter([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
        automatic.set();
    });
    EXPECT_TRUE(automatic.wait(-1));
    setter.join();
    manual.set();
    manual.close();
    EXPECT_FALSE(manual.wait(0)) << "a closed event never reports signalled";
}
