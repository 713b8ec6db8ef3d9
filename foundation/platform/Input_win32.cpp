#include "foundation/platform/Input.h"

#include "foundation/platform/Platform.h"

#include <windows.h>

namespace {

// The Unicode-subset bit that marks a right-to-left reading order, in the
// locale's font signature as 16 wide characters.
const int kReadingOrderUnit = 7;
const wchar_t kReadingOrderBit = 0x0800;
const int kFontSignatureUnits = 16;
// The cursor's display counter moves by one per call; this bounds the loop
// should a system never reach the wanted side.
const int kMaxShowCursorCalls = 256;

bool isDown(int virtualKey)
{
    return GetKeyState(virtualKey) < 0;
}

} // namespace

bool Input::isMousePresent()
{
    return GetSystemMetrics(SM_MOUSEPRESENT) != 0;
}

bool Input::isWheelPresent()
{
    return GetSystemMetrics(SM_MOUSEWHEELPRESENT) != 0;
}

uint32_t Input::mouseButtons()
{
    uint32_t buttons = 0;
    if (isDown(VK_LBUTTON))
        buttons |= kLeftButton;
    if (isDown(VK_RBUTTON))
        buttons |= kRightButton;
    if (isDown(VK_MBUTTON))
        buttons |= kMiddleButton;
    if (isDown(VK_XBUTTON1))
        buttons |= kFirstExtraButton;
    if (isDown(VK_XBUTTON2))
        buttons |= kSecondExtraButton;
    return buttons;
}

uint32_t Input::keyboardModifiers()
{
    uint32_t modifiers = 0;
    if (isDown(VK_SHIFT))
        modifiers |= kShift;
    if (isDown(VK_CONTROL))
        modifiers |= kControl;
    if (isDown(VK_MENU))
        modifiers |= kAlt;
    return modifiers;
}

bool Input::isKeyDown(int virtualKey)
{
    return isDown(virtualKey);
}

bool Input::isRightToLeftLayout()
{
    LANGID language = LOWORD(reinterpret_cast<uintptr_t>(GetKeyboardLayout(0)));
    wchar_t signature[kFontSignatureUnits] = {};
    if (!GetLocaleInfoW(MAKELCID(language, SORT_DEFAULT), LOCALE_FONTSIGNATURE, signature,
                        kFontSignatureUnits))
        return false;
    return (signature[kReadingOrderUnit] & kReadingOrderBit) != 0;
}

Point Input::cursorPos()
{
    POINT point = {};
    if (Platform::isInputDesktopUnavailable() || !GetCursorPos(&point))
        return Point();
    return Point(point.x, point.y);
}

bool Input::setCursorPos(const Point& position)
{
    return SetCursorPos(position.x, position.y) != 0;
}

bool Input::clipCursor(const Rect& rect)
{
    if (rect.isEmpty())
        return ClipCursor(nullptr) != 0;
    RECT area = {rect.x, rect.y, rect.x + rect.width, rect.y + rect.height};
    return ClipCursor(&area) != 0;
}

Rect Input::clipRect()
{
    RECT area = {};
    if (!GetClipCursor(&area))
        return Rect();
    return Rect(area.left, area.top, area.right - area.left, area.bottom - area.top);
}

void Input::showCursor(bool show)
{
    for (int i = 0; i < kMaxShowCursorCalls; ++i) {
        int counter = ShowCursor(show ? TRUE : FALSE);
        if (show ? counter >= 0 : counter < 0)
            return;
    }
}
