#include "tests/support/UIHarness.h"

#include "foundation/system/MessageLoop.h"
#include "graphics/codecs/PngWriter.h"
#include "graphics/image/Image.h"
#include "graphics/paint/PaintDevice.h"
#include "tests/ui/core/theme/GeneratedSkins.h"
#include "ui/core/application/UIApplication.h"
#include "ui/core/native/UINativeWindowHost.h"
#include "ui/core/theme/UITheme.h"
#include "ui/core/widget/UIWidget.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>

namespace testsupport {

namespace {

bool g_desktopChecked = false;

HWND windowOf(const UIWidget* widget)
{
    return static_cast<HWND>(widget->windowHandle());
}

// A point of the widget in its window's client coordinates.
LPARAM clientPoint(const UIWidget* widget, const Point& at)
{
    Point inWindow = widget->isWindow() ? at : widget->mapToWindow(at);
    return MAKELPARAM(static_cast<int16_t>(inWindow.x), static_cast<int16_t>(inWindow.y));
}

void sendKey(int virtualKey, bool up)
{
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = static_cast<WORD>(virtualKey);
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(static_cast<UINT>(virtualKey), MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof(input));
}

} // namespace

bool UIHarness::start(const char* skin)
{
    // Without the input desktop nothing drawn reaches the screen.
    if (!g_desktopChecked) {
        HDESK desktop = OpenInputDesktop(0, FALSE, GENERIC_READ);
        if (!desktop)
            return false;
        CloseDesktop(desktop);
        g_desktopChecked = true;
    }
    // Tests run before may have ended the message loop, loaded another
    // theme, replaced the factory or stopped the paint devices.
    MessageLoop::create();
    UIApplication* application = UIApplication::instance();
    const String style = generatedskins::skinPath(skin);
    if (!application->theme() || application->theme()->path() != style) {
        if (!application->loadTheme(style))
            return false;
    }
    UINativeWindow::setFactory(&UINativeWindowHost::createFor);
    if (!PaintDevice::current())
        PaintDevice::createDefault();
    return true;
}

UIWidget* UIHarness::openWindow(UIWidget* window, int x, int y, int width, int height)
{
    if (!window)
        window = new UIWidget(nullptr);
    window->setFlag(UIWidget::kWindow, true);
    // Above the windows of other test programs sharing the display.
    window->setWindowFlag(UINativeWindow::kFrameless, true);
    window->setWindowFlag(UINativeWindow::kTopmost, true);
    if (window->styleName().isEmpty())
        window->setStyleName(String(u"UIWindow"));
    window->setLayoutEnabled(false);
    window->setGeometry(x, y, width, height);
    window->show();
    activate(window);
    return window;
}

void UIHarness::closeWindow(UIWidget* window)
{
    if (!window)
        return;
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = test ? std::string(test->test_suite_name()) + "." + test->name() : "window";
    saveShot(window, name + "-" + std::to_string(window->id()));
    delete window;
    pump();
}

bool UIHarness::activate(UIWidget* window)
{
    // Test programs run side by side on one display: another one's window can
    // take the front between our request and its arrival, so ask again a
    // few times before calling it lost.
    HWND handle = windowOf(window);
    for (int attempt = 0; attempt < 10; ++attempt) {
        SetForegroundWindow(handle);
        SetFocus(handle);
        if (!pumpUntil([handle] { return GetForegroundWindow() == handle; }, 20 + 30 * attempt))
            continue;
        pumpFor(20);
        if (GetForegroundWindow() == handle)
            return true;
    }
    return false;
}

void UIHarness::pump()
{
    if (MessageLoop* loop = MessageLoop::instance()) {
        if (EventLoop* current = loop->currentLoop())
            current->processPendingEvents();
        else
            loop->mainLoop().processPendingEvents();
    }
}

void UIHarness::pumpFor(int ms)
{
    DWORD start = GetTickCount();
    do {
        pump();
        Sleep(1);
    } while (static_cast<int>(GetTickCount() - start) < ms);
}

bool UIHarness::pumpUntil(const std::function<bool()>& done, int timeoutMs)
{
    DWORD start = GetTickCount();
    for (;;) {
        pump();
        if (done())
            return true;
        if (static_cast<int>(GetTickCount() - start) >= timeoutMs)
            return false;
        Sleep(1);
    }
}

void UIHarness::postMouse(UIWidget* widget, uint32_t message, const Point& at, uintptr_t keyState)
{
    PostMessageW(windowOf(widget), message, keyState, clientPoint(widget, at));
}

void UIHarness::click(UIWidget* widget, const Point& at)
{
    postMouse(widget, WM_LBUTTONDOWN, at, MK_LBUTTON);
    postMouse(widget, WM_LBUTTONUP, at, 0);
}

// The system cursor goes there too: hover tracking asks where it is.
void UIHarness::moveMouse(UIWidget* widget, const Point& at)
{
    Point global = widget->mapToGlobal(at);
    SetCursorPos(global.x, global.y);
    postMouse(widget, WM_MOUSEMOVE, at, 0);
}

void UIHarness::wheel(UIWidget* widget, const Point& at, bool horizontal, int delta)
{
    Point global = widget->mapToGlobal(at);
    PostMessageW(windowOf(widget), horizontal ? WM_MOUSEHWHEEL : WM_MOUSEWHEEL, MAKEWPARAM(0, delta),
                 MAKELPARAM(static_cast<int16_t>(global.x), static_cast<int16_t>(global.y)));
}

void UIHarness::keyDown(int virtualKey)
{
    sendKey(virtualKey, false);
}

void UIHarness::keyUp(int virtualKey)
{
    sendKey(virtualKey, true);
}

void UIHarness::typeKeys(const std::vector<int>& virtualKeys)
{
    for (int key : virtualKeys) {
        keyDown(key);
        keyUp(key);
    }
}

void UIHarness::typeAt(UIWidget* widget, const std::vector<int>& virtualKeys)
{
    activate(widget->window());
    Point centre = widget->rect().center();
    Point global = widget->mapToGlobal(centre);
    SetCursorPos(global.x, global.y);
    click(widget, centre);
    pump();
    typeKeys(virtualKeys);
}

uint32_t UIHarness::screenPixel(const UIWidget* widget, const Point& at)
{
    // Wine hands what was drawn to the X server while it handles messages.
    GdiFlush();
    pump();
    Point global = widget->mapToGlobal(at);
    HDC screen = GetDC(nullptr);
    COLORREF colour = GetPixel(screen, global.x, global.y);
    ReleaseDC(nullptr, screen);
    return (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
}

bool UIHarness::saveShot(const UIWidget* window, const std::string& name)
{
    const char* folder = std::getenv("REELSTACK_SHOTS");
    if (!folder || !*folder || !window || window->width() < 1 || window->height() < 1)
        return false;
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
    std::string path = std::string(folder) + "\\" + name + ".png";
    return PngWriter::save(image, String::fromUtf8(path.data(), static_cast<int>(path.size())));
}

} // namespace testsupport
