#pragma once

#include "foundation/text/String.h"

#include <cstdint>

// The pure parts of turning the system's key, character and wheel messages
// into toolkit events: no system call is made here, the callers pass in what
// the system answered.
class UIKeyTranslation
{
public:
    // Bits of the full modifier word of a key event.
    static constexpr uint32_t kLeftShift = 1;
    static constexpr uint32_t kLeftControl = 2;
    static constexpr uint32_t kLeftAlt = 4;
    static constexpr uint32_t kLeftWindows = 8;
    static constexpr uint32_t kRightShift = 16;
    static constexpr uint32_t kRightControl = 32;
    static constexpr uint32_t kRightAlt = 64;
    static constexpr uint32_t kRightWindows = 128;
    static constexpr uint32_t kCapsLock = 256;
    static constexpr uint32_t kNumLock = 512;
    static constexpr uint32_t kScrollLock = 1024;
    static constexpr uint32_t kExtendedKey = 0x1000000;

    // Compact modifiers, as key, mouse and wheel events carry them.
    static constexpr uint32_t kShift = 1;
    static constexpr uint32_t kControl = 2;
    static constexpr uint32_t kAlt = 4;

    // What the key-state query said of one key: down (high bit) and toggled
    // (low bit), as the system packs it into a short.
    using KeyStateReader = int16_t (*)(int virtualKey);
    // The character a scan code's key gives (its low word; 0 for none).
    using ScanCodeMapper = uint32_t (*)(uint32_t scanCode);

    // The full modifier word from the state of each key and the message's
    // lParam (only its extended-key bit is kept).
    static uint32_t fullModifiers(KeyStateReader keyState, uint32_t lParam);
    static uint32_t compactModifiers(uint32_t fullModifiers);
    // The modifiers a held-key entry stores: a modifier key's own bit is
    // flipped, so its press does not count itself.
    static uint32_t entryModifiers(uint32_t compact, int virtualKey);
    // Keys whose repeats send no release and press pair.
    static bool isModifierKey(int virtualKey);
    // Shift, Ctrl, Alt and Windows keys, whose release is sent even without
    // an entry in the held-key table.
    static bool alwaysSendsRelease(int virtualKey);
    // Keys the system keeps for itself while Alt is down.
    static bool isSystemAltKey(int virtualKey);
    // Keys the system uses for input-method processing: never translated.
    static bool isIgnoredKey(int virtualKey);

    // The text of a character message (wParam, lParam), given the key of
    // its key-down message (0 for a lone character message). Control
    // characters typed with Ctrl or Alt, and the editing keys, give the
    // empty text.
    static String characterText(int key, uint32_t wParam, uint32_t lParam, uint32_t compact,
                                ScanCodeMapper mapScanCode);
    static uint32_t scanCode(uint32_t lParam) { return (lParam >> 16) & 0xFF; }

    // 1 horizontal left, 2 horizontal right, 3 vertical toward the user,
    // 4 vertical away from the user.
    static int wheelDirection(bool horizontal, int delta);
    // Compact modifiers of a mouse or wheel message: Shift and Ctrl from its
    // key-state word, which holds their state when the message was made;
    // Alt, which the word lacks, as the caller read it.
    static uint32_t mouseModifiers(uint32_t keyStateWord, bool altDown);
    // Button-state flags from the key-state word of a mouse message.
    static uint32_t mouseButtonFlags(uint32_t keyStateWord);
};
