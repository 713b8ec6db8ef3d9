#pragma once

#include <cstdint>

class UITimerClient;

// The process-wide list of running timers, in start order.
class UITimer
{
public:
    static bool start(UITimerClient* client, int id, uint32_t intervalMs);
    static void kill(const UITimerClient* client, int id);
    static int killAll(const UITimerClient* client);
    static bool isActive(const UITimerClient* client, int id);
    static int count();
    // A native timer fired: its client hears of it. An unknown id is ignored.
    static void fire(uintptr_t nativeId);
};
