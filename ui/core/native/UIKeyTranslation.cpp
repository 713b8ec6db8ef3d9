#include "ui/core/native/UIKeyTranslation.h"

#include <initializer_list>

namespace {

struct ModifierKey
{
    int virtualKey;
    uint32_t bit;
};

// Left and right Shift, Ctrl, Alt and Windows keys, then the toggles.
constexpr ModifierKey kHeldModifiers[] = {
    {160, UIKeyTranslation::kLeftShift},  {162, UIKeyTranslation::kLeftControl},
    {164, UIKeyTranslation::kLeftAlt},    {91, UIKeyTranslation::kLeftWindows},
    {161, UIKeyTranslation::kRightShift}, {163, UIKeyTranslation::kRightControl},
    {165, UIKeyTranslation::kRightAlt},   {92, UIKeyTranslation::kRightWindows},
};
constexpr ModifierKey kToggledModifiers[] = {
    {20, UIKeyTranslation::kCapsLock},
    {144, UIKeyTranslation::kNumLock},
    {145, UIKeyTranslation::kScrollLock},
};

bool isOneOf(int key, std::initializer_list<int> keys)
{
    for (int candidate : keys) {
        if (candidate == key)
            return true;
    }
    return false;
}

} // namespace

uint32_t UIKeyTranslation::fullModifiers(KeyStateReader keyState, uint32_t lParam)
{
    uint32_t word = lParam & kExtendedKey;
    for (const ModifierKey& key : kHeldModifiers) {
        if (keyState(key.virtualKey) < 0)
            word |= key.bit;
    }
    for (const ModifierKey& key : kToggledModifiers) {
        if (keyState(key.virtualKey) & 1)
            word |= key.bit;
    }
    return word;
}

uint32_t UIKeyTranslation::compactModifiers(uint32_t full)
{
    uint32_t compact = 0;
    if (full & (kLeftShift | kRightShift))
        compact |= kShift;
    if (full & (kLeftControl | kRightControl))
        compact |= kControl;
    if (full & (kLeftAlt | kRightAlt))
        compact |= kAlt;
    return compact;
}

uint32_t UIKeyTranslation::entryModifiers(uint32_t compact, int virtualKey)
{
    if (isOneOf(virtualKey, {16, 160, 161}))
        return compact ^ kShift;
    if (isOneOf(virtualKey, {17, 162, 163}))
        return compact ^ kControl;
    if (isOneOf(virtualKey, {18, 164, 165}))
        return compact ^ kAlt;
    return compact;
}

bool UIKeyTranslation::isModifierKey(int virtualKey)
{
    return isOneOf(virtualKey, {16, 17, 18, 20, 91, 92, 144, 145});
}

bool UIKeyTranslation::alwaysSendsRelease(int virtualKey)
{
    return isOneOf(virtualKey, {16, 160, 161, 17, 162, 163, 18, 164, 165, 91, 92});
}

bool UIKeyTranslation::isSystemAltKey(int virtualKey)
{
    return isOneOf(virtualKey, {9, 13, 27, 32, 115});
}

bool UIKeyTranslation::isIgnoredKey(int virtualKey)
{
    return virtualKey == 229 || virtualKey == 255;
}

String UIKeyTranslation::characterText(int key, uint32_t wParam, uint32_t lParam, uint32_t compact,
                                       ScanCodeMapper mapScanCode)
{
    if (key == 0)
        key = static_cast<int>(wParam);
    uint32_t character = wParam & 0xFFFF;
    if (key < '0' || key > '9') {
        uint32_t mapped = mapScanCode ? (mapScanCode(scanCode(lParam)) & 0xFFFF) : 0;
        if (mapped != 0)
            key = static_cast<int>(mapped);
        if (character < 32 && (compact & (kControl | kAlt)))
            character = 0;
    }
    if (character == 0 || isOneOf(key, {8, 9, 10, 13, 27}))
        return String();
    String text;
    text.appendChar(static_cast<char16_t>(character));
    return text;
}

int UIKeyTranslation::wheelDirection(bool horizontal, int delta)
{
    if (horizontal)
        return delta > 0 ? 2 : 1;
    return delta > 0 ? 4 : 3;
}

uint32_t UIKeyTranslation::mouseButtonFlags(uint32_t keyStateWord)
{
    // MK_LBUTTON 0x1, MK_RBUTTON 0x2, MK_MBUTTON 0x10, MK_XBUTTON1 0x20,
    // MK_XBUTTON2 0x40; Shift and Ctrl (0x4, 0x8) are not buttons.
    uint32_t flags = keyStateWord & 0x3;
    if (keyStateWord & 0x10)
        flags |= 4;
    if (keyStateWord & 0x20)
        flags |= 8;
    if (keyStateWord & 0x40)
        flags |= 16;
    return flags;
}

uint32_t UIKeyTranslation::mouseModifiers(uint32_t keyStateWord, bool altDown)
{
    // MK_SHIFT 0x4, MK_CONTROL 0x8.
    uint32_t compact = 0;
    if (keyStateWord & 0x4)
        compact |= kShift;
    if (keyStateWord & 0x8)
        compact |= kControl;
    if (altDown)
        compact |= kAlt;
    return compact;
}
