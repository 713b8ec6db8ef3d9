#pragma once

#include "foundation/text/String.h"

#include <cstdint>

// What the system browser is told from a web view's options: the download
// control it reads as an ambient property, the flags of its document host
// and which addresses it may go to.
class WebBrowserRules
{
public:
    static constexpr uint32_t kSilent = 0x40000000;
    static constexpr uint32_t kImages = 0x10;
    static constexpr uint32_t kVideos = 0x20;
    static constexpr uint32_t kBackgroundSounds = 0x40;
    static constexpr uint32_t kNoActiveContent = 0x780;
    static constexpr uint32_t kNoCache = 0x4000;
    static constexpr uint32_t kBaseHostFlags = 0x1A40084;
    static constexpr uint32_t kNoScrollHostFlag = 0x8;
    static constexpr uint32_t kDialogHostFlag = 0x1;

    static uint32_t downloadControl(uint32_t options, bool silent);
    static uint32_t hostFlags(uint32_t options);
    // True when a navigation or new window to the address must not happen;
    // a null address is never "about:blank".
    static bool cancelsNavigation(uint32_t options, const String* address);
};
