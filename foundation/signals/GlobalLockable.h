#pragma once

// Objects that all share one process-wide lock instead of owning one each.
// The lock is made on first use and lives until the process ends, so it stays
// valid for objects destroyed during exit.
class GlobalLockable
{
public:
    GlobalLockable();
    virtual ~GlobalLockable() = default;

    virtual void lock();
    virtual void unlock();
};
