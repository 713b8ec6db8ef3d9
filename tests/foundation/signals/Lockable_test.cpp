// Per-object and process-wide locks: copying an object never copies or
// shares its lock, and every global lockable shares the one lock.
#include <gtest/gtest.h>

#include "foundation/signals/GlobalLockable.h"
#include "foundation/signals/Lockable.h"

#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>

// True when another thread locking tried gets through only after held is released.
template <class L> static bool blocksOtherThreads(L& held, L& tried)
{
    std::atomic<bool> taken{false};
    std::thread other([&] {
        std::lock_guard<L> guard(tried);
        taken = true;
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    bool blocked = !taken;
    held.unlock();
    other.join();
    return blocked && taken;
}

TEST(Lockable, CopiesGetAFreshLockGlobalOnesShareOne)
{
    Lockable original;
    original.lock();
    Lockable copy(original);
    Lockable assigned;
    assigned = original;
    EXPECT_FALSE(blocksOtherThreads(original, copy));
    original.lock();
    EXPECT_FALSE(blocksOtherThreads(original, assigned));

    GlobalLockable one;
    GlobalLockable another;
    one.lock();
    EXPECT_TRUE(blocksOtherThreads(one, another));
}
