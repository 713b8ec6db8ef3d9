#pragma once

#include <cstdint>

// The keys an item view steps through its items by, with or without the
// number pad's lock: what a key press asks of the view.
class UIItemKeys
{
public:
    enum Step
    {
        kNoStep,
        kPageUp,
        kPageDown,
        kLast,
        kFirst,
        kPrevious,
        kUp,
        kNext,
        kDown,
        kSelectAll
    };

    static Step stepOf(int key, uint32_t modifiers);
};
