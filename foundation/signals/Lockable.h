#pragma once

#include "foundation/system/CriticalSection.h"

// Root of every window, widget, signal and signal receiver: each object owns a
// re-entrant lock. Copying an object gives the copy a fresh, unlocked lock of
// its own; locks are never shared or copied.
class Lockable
{
public:
    Lockable() = default;
    Lockable(const Lockable&) {}
    Lockable& operator=(const Lockable&) { return *this; }
    virtual ~Lockable() = default;

    virtual void lock();
    virtual void unlock();

private:
    CriticalSection m_section;
};
