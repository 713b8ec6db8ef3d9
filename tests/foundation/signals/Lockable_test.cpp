// Per-object and process-wide locks: re-entrancy, exclusion, and that copying
// an object never copies or shares its lock.
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

TEST(Lockable, ReentrantExclusiveAndNeverCopied)
{
    Lockable lockable;
    lockable.lock();
    lockable.lock();
    lockable.unlock();
    Lockable copy(lockable); // a fresh lock, not held
    Lockable assigned;
    assigned = lockable;
    std::thread([&] {
        std::lock_guard<Lockable> first(copy);
        std::lock_guard<Lockable> second(assigned);
    }).join();
    EXPECT_TRUE(blocksOtherThreads(lockable, lockable)) << "still held once";

    GlobalLockable one;
    GlobalLockable another;
    one.lock();
    EXPECT_TRUE(blocksOtherThreads(one, another)) << "all global lockables share one lock";
}
