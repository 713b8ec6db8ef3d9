#pragma once

#include <cstdint>

// Where timers really run: the system's window-less timers under Windows.
// Natively there is none (every start fails) unless a test installs a fake.
class UITimerBackend
{
public:
    virtual ~UITimerBackend() = default;

    // Starts a repeating timer; its native id, or 0 when none could be made.
    // Each firing must reach UITimer::fire with that id.
    virtual uintptr_t start(uint32_t intervalMs) = 0;
    virtual void stop(uintptr_t nativeId) = 0;

    static UITimerBackend* instance();
    // Null brings back the system's.
    static void install(UITimerBackend* backend);
    static UITimerBackend* systemBackend();
};
