#pragma once

#include <cstdint>

// One window message as a NativeWindow hands it to its owner. A handler that
// takes the message sets result to what the window procedure returns.
struct NativeMessage
{
    void* hwnd;
    uint32_t message;
    uintptr_t wParam;
    intptr_t lParam;
    intptr_t result;
};
