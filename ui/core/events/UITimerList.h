#pragma once

#include "foundation/containers/List.h"

#include <cstdint>

class UITimerClient;

// One running timer: whose, its id there, and the system's id for it.
struct UITimerRecord
{
    const UITimerClient* client;
    int id;
    uint32_t interval;
    uintptr_t nativeId;
};

// The process-wide list of running timers, in start order; it owns its
// records.
class UITimerList
{
public:
    static List<UITimerRecord>& records();
    // Stops every timer and frees its record, so that none fires for a
    // client that no longer knows of it.
    static void clear();
};
