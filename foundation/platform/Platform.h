#pragma once

#include "foundation/text/String.h"

#include <cstdint>

// Small system services: the screen's resolution, whether the input desktop
// is ours, the texts of system error codes and new unique identifiers.
class Platform
{
public:
    // Vertical and horizontal pixels per logical inch of the screen, read
    // once.
    static int screenDpi();
    static int screenDpiX();
    static bool isInputDesktopUnavailable();
    // The system's text for an error code; -1 takes the calling thread's
    // last error; 0 and other negative codes give the empty String.
    static String systemErrorText(int code);
    // A new UUID as 36 lower-case characters with hyphens; empty on failure.
    static String newUuidText();
    // The first 32 bits of a new UUID.
    static uint32_t newUuidNumber();
};
