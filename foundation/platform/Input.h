#pragma once

#include "foundation/geometry/Point.h"
#include "foundation/geometry/Rect.h"

#include <cstdint>

// The state of mouse and keyboard as the system sees it now, and the mouse
// cursor's place, confinement and visibility.
class Input
{
public:
    // Mouse button flags.
    static constexpr uint32_t kLeftButton = 1;
    static constexpr uint32_t kRightButton = 2;
    static constexpr uint32_t kMiddleButton = 4;
    static constexpr uint32_t kFirstExtraButton = 8;
    static constexpr uint32_t kSecondExtraButton = 16;
    // Keyboard modifier flags.
    static constexpr uint32_t kShift = 1;
    static constexpr uint32_t kControl = 2;
    static constexpr uint32_t kAlt = 4;

    static bool isMousePresent();
    static bool isWheelPresent();
    static uint32_t mouseButtons();
    static uint32_t keyboardModifiers();
    static bool isKeyDown(int virtualKey);
    // Whether the current keyboard layout's language writes right to left.
    static bool isRightToLeftLayout();
    // (0, 0) when the input desktop is not ours to read.
    static Point cursorPos();
    static bool setCursorPos(const Point& position);
    // Keeps the cursor inside the Rect; an empty Rect releases it.
    static bool clipCursor(const Rect& rect);
    static Rect clipRect();
    static void showCursor(bool show);
};
