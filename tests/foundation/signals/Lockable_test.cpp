// Per-object and process-wide locks: re-entrancy, exclusion, and that copying
// an object never copies or shares its lock.
#include <gtest/gtest.h>

#include "foundation/signals/GlobalLockable.h"
#include "foundation/signals/Lockable.h"

#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>

namespace {

// Locks on another thread while the caller holds the lock, and reports
// whether that thread got through before the caller released it.
template <class L> bool blocksOtherThreads(L& held, L& tried)
{
    std::atomic<bool> taken{false};
    std::thread other([&] {
        tried.lock();
        taken = true;
        tried.unlock();
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    bool blocked = !taken;
    held.unlock();
    other.join();
    return blocked && taken;
}

} // namespace

TEST(Lockable, SameThreadMayLockAgainOtherThreadsWait)
{
    Lockable lockable;
    lockable.lock();
    lockable.lock();
    lockable.unlock();
    // Still held once: the other thread must wait for the last unlock.
    EXPECT_TRUE(blocksOtherThreads(lockable, lockable));
}

TEST(Lockable, CopyGetsAFreshUnlockedLock)
{
    Lockable original;
    original.lock();
    Lockable copy(original);
    Lockable assigned;
    assigned = original;
    std::atomic<int> taken{0};
    std::thread other([&] {
        std::lock_guard<Lockable> first(copy);
        std::lock_guard<Lockable> second(assigned);
        taken = 1;
    });
    other.join();
    EXPECT_EQ(taken.load(), 1);
    original.unlock();
}

TEST(GlobalLockable, AllInstancesShareOneLock)
{
    GlobalLockable first;
    GlobalLockable second;
    first.lock();
    EXPECT_TRUE(blocksOtherThreads(first, second));
}
