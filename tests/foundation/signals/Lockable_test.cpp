// Per-object and process-wide locks: copying an object never copies or
// shares its lock, and every global lockable shares the one lock.
#include <gtest/gtest.h>

#include "foundation/signals/GlobalLockable.h"
#include "foundation/signals/Lockable.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

// Whether another thread locking tried gets through only after held is
// released. The other thread tells whether the release came before it got
// through; the release waits until the other thread got through, or until
// patienceMs passed. With a shared lock the other thread can never get
// through early, whatever the patience; so a test that expects no blocking
// is patient, and one that expects blocking need not be.
template <class L> static bool blocksOtherThreads(L& held, L& tried, int patienceMs)
{
    std::mutex mutex;
    std::condition_variable changed;
    bool through = false;
    bool throughAfterRelease = false;
    std::atomic<bool> released{false};
    std::thread other([&] {
        std::lock_guard<L> guard(tried);
        const bool afterRelease = released;
        std::lock_guard<std::mutex> report(mutex);
        through = true;
        throughAfterRelease = afterRelease;
        changed.notify_all();
    });
    {
        std::unique_lock<std::mutex> wait(mutex);
        changed.wait_for(wait, std::chrono::milliseconds(patienceMs), [&] { return through; });
    }
    released = true;
    held.unlock();
    other.join();
    return throughAfterRelease;
}

const int kPatientMs = 60000;
const int kBriefMs = 50;

TEST(Lockable, CopiesGetAFreshLockGlobalOnesShareOne)
{
    Lockable original;
    original.lock();
    Lockable copy(original);
    Lockable assigned;
    assigned = original;
    EXPECT_FALSE(blocksOtherThreads(original, copy, kPatientMs));
    original.lock();
    EXPECT_FALSE(blocksOtherThreads(original, assigned, kPatientMs));

    GlobalLockable one;
    GlobalLockable another;
    one.lock();
    EXPECT_TRUE(blocksOtherThreads(one, another, kBriefMs));
}
