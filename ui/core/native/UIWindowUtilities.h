#pragma once

// Free helpers on system window handles.
class UIWindowUtilities
{
public:
    // False for null.
    static bool isWindow(void* window);
    // Brings the window to the foreground even when another program's
    // window has it; true when it is the foreground window afterwards. The
    // system's foreground lock time-out is lowered only for the attempt, and
    // only when it could be read.
    static bool forceForeground(void* window);
};
