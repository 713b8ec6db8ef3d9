#pragma once

#include <cstdint>
#include <string>

// Key names a request may use: "Enter", "Escape", "Tab", "Space",
// "Backspace", "Delete", "Insert", arrows ("Left" ...), "Home", "End",
// "PageUp", "PageDown", "F1" to "F12", "Alt", "Ctrl", "Shift", a single
// letter or digit. Modifiers: "ctrl", "shift", "alt".
class UIAutomationKeys
{
public:
    static constexpr uint32_t kShift = 1;
    static constexpr uint32_t kControl = 2;
    static constexpr uint32_t kAlt = 4;

    // The virtual key, or 0 for a name it does not know.
    static int virtualKey(const std::string& name);
    // The modifier bit, or 0.
    static uint32_t modifier(const std::string& name);
};
