#pragma once

#include <cstdint>

// Base of whatever runs timers: a timer is named by an id its client
// chooses, unique per client only, and fires on the GUI thread.
class UITimerClient
{
public:
    static constexpr uint32_t kDefaultInterval = 10;
    static constexpr uint32_t kMaximumInterval = 0x7FFFFFFF;

    UITimerClient() = default;
    UITimerClient(const UITimerClient&) = delete;
    UITimerClient& operator=(const UITimerClient&) = delete;
    virtual ~UITimerClient();

    virtual void timerFired(int id) = 0;

    // True when the timer runs (a second start of the same id keeps the
    // first); false, with nothing kept, when the system made no timer.
    bool startTimer(int id, uint32_t intervalMs);
    void killTimer(int id);
    bool isTimerActive(int id) const;
    int killAllTimers();
    static int timerCount();
};
