#include "ui/core/automation/UIAutomationInput.h"

#include "graphics/codecs/PngWriter.h"
#include "graphics/image/Image.h"
#include "ui/core/automation/UIAutomationText.h"
#include "ui/core/platform/UIWindowUtils.h"
#include "ui/core/widget/UIWidget.h"

#include <windows.h>

#include <cstdlib>

namespace {

void postMouse(HWND window, UINT message, WPARAM keys, const Point& client)
{
    PostMessageW(window, message, keys,
                 MAKELPARAM(static_cast<int16_t>(client.x), static_cast<int16_t>(client.y)));
}

INPUT keyInput(int virtualKey, bool up)
{
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = static_cast<WORD>(virtualKey);
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(static_cast<UINT>(virtualKey), MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

bool send(INPUT* inputs, UINT count)
{
    return SendInput(count, inputs, sizeof(INPUT)) == count;
}

} // namespace

bool UIAutomationInput::click(UIWidget* widget, const Point& at, int button, bool twice)
{
    HWND window = widget ? static_cast<HWND>(widget->windowHandle()) : nullptr;
    if (!window)
        return false;
    Point global = widget->mapToGlobal(at);
    Point client = widget->isWindow() ? at : widget->mapToWindow(at);
    // Hover tracking and the menus ask the system where the cursor is.
    SetCursorPos(global.x, global.y);
    UINT down = button == kRightButton ? WM_RBUTTONDOWN : WM_LBUTTONDOWN;
    UINT up = button == kRightButton ? WM_RBUTTONUP : WM_LBUTTONUP;
    WPARAM held = button == kRightButton ? MK_RBUTTON : MK_LBUTTON;
    postMouse(window, WM_MOUSEMOVE, 0, client);
    postMouse(window, down, held, client);
    postMouse(window, up, 0, client);
    // The windows' class does not ask the system for double clicks: a real
    // one arrives as a second press, which the toolkit pairs with the first.
    if (twice) {
        postMouse(window, down, held, client);
        postMouse(window, up, 0, client);
    }
    return true;
}

bool UIAutomationInput::bringToFront(UIWidget* window)
{
    HWND handle = window ? static_cast<HWND>(window->windowHandle()) : nullptr;
    if (!handle)
        return false;
    if (GetForegroundWindow() != handle)
        UIWindowUtils::forceForeground(handle);
    SetFocus(handle);
    return GetForegroundWindow() == handle;
}

bool UIAutomationInput::typeText(const String& text)
{
    for (int i = 0; i < text.length(); ++i) {
        INPUT inputs[2] = {};
        for (int j = 0; j < 2; ++j) {
            inputs[j].type = INPUT_KEYBOARD;
            inputs[j].ki.wScan = static_cast<WORD>(text.at(i));
            inputs[j].ki.dwFlags = KEYEVENTF_UNICODE | (j == 1 ? KEYEVENTF_KEYUP : 0);
        }
        if (!send(inputs, 2))
            return false;
    }
    return true;
}

bool UIAutomationInput::pressKey(int virtualKey, uint32_t modifiers)
{
    static const int kModifierKeys[] = {VK_SHIFT, VK_CONTROL, VK_MENU};
    INPUT inputs[8] = {};
    UINT count = 0;
    for (int i = 0; i < 3; ++i) {
        if (modifiers & (1u << i))
            inputs[count++] = keyInput(kModifierKeys[i], false);
    }
    inputs[count++] = keyInput(virtualKey, false);
    inputs[count++] = keyInput(virtualKey, true);
    for (int i = 2; i >= 0; --i) {
        if (modifiers & (1u << i))
            inputs[count++] = keyInput(kModifierKeys[i], true);
    }
    return send(inputs, count);
}

List<String> UIAutomationInput::shot(const List<UIWidget*>& windows, const std::string& prefix)
{
    List<String> written;
    const char* folder = std::getenv("REELSTACK_SHOTS");
    if (!folder || !*folder)
        return written;
    String folderPath = String::fromNarrow(folder);
    GdiFlush();
    for (UIWidget* window : windows) {
        if (!window->isVisible() || window->width() < 1 || window->height() < 1)
            continue;
        Point origin = window->mapToGlobal(Point(0, 0));
        HDC screen = GetDC(nullptr);
        HDC memory = CreateCompatibleDC(screen);
        HBITMAP bitmap = CreateCompatibleBitmap(screen, window->width(), window->height());
        HGDIOBJ old = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, window->width(), window->height(), screen, origin.x, origin.y, SRCCOPY);
        SelectObject(memory, old);
        Image image = Image::fromBitmapHandle(bitmap, false);
        DeleteObject(bitmap);
        DeleteDC(memory);
        ReleaseDC(nullptr, screen);
        std::string name = fileNamePart(prefix) + "-" + fileNamePart(utf8Of(window->windowTitle()));
        if (!window->objectId().isEmpty())
            name += "-" + fileNamePart(utf8Of(window->objectId()));
        String path = folderPath + String(u"\\") + stringOf(name) + String(u".png");
        if (PngWriter::save(image, path))
            written.append(path);
    }
    return written;
}
