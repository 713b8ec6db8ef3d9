#include "ui/core/native/UINativeWindowHost.h"

#include "foundation/hash/Crc32.h"
#include "ui/core/application/UIApplication.h"
#include "ui/core/input/UIOleDrag.h"
#include "ui/core/platform/UIWindowUtils.h"
#include "ui/core/widget/UIWidget.h"

#include <windows.h>

#include <new>

LRESULT CALLBACK uiWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

namespace {

constexpr LONG kDropShadowClassStyle = 0x20000;
constexpr int kWindowExtraBytes = 32;
constexpr int kProgramIconId = 32512;
constexpr int kMaxTitleLength = 2048;
constexpr UINT kStyleChangeFlags =
    SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED | SWP_NOOWNERZORDER;

int g_hostCount = 0;

HWND hwnd(void* handle)
{
    return static_cast<HWND>(handle);
}

String programPath()
{
    wchar_t buffer[MAX_PATH + 1] = {};
    DWORD length = GetModuleFileNameW(nullptr, buffer, MAX_PATH);
    return String(reinterpret_cast<const char16_t*>(buffer), static_cast<int>(length));
}

struct FlagStyle
{
    uint32_t flag;
    LONG style;
};

// The flags that are plain style bits.
constexpr FlagStyle kStyleFlags[] = {
    {UINativeWindow::kMinimizeBox, WS_MINIMIZEBOX},
    {UINativeWindow::kMaximizeBox, WS_MAXIMIZEBOX},
    {UINativeWindow::kSystemMenu, WS_SYSMENU},
};

// A shared icon, the same handle at every load: looked up once, since every
// window registers a class of its own (a popup's shadow is a class style).
HICON programIcon(HINSTANCE instance)
{
    static HICON icon = LoadIconW(instance, MAKEINTRESOURCEW(kProgramIconId));
    return icon;
}

// Hosts asked to create whose system window is not made yet: while there are
// none, as after start-up, a show has nothing to make.
int g_waitingWindows = 0;

} // namespace

UINativeWindow* UINativeWindowHost::createFor(UIWidget* widget)
{
    return new (std::nothrow) UINativeWindowHost(widget);
}

const String& UINativeWindowHost::classNameStem()
{
    static String stem;
    if (stem.isEmpty()) {
        String path = programPath();
        Crc32 crc(path.data(), static_cast<uint32_t>(path.byteSize()));
        stem = String(u"UI___") + String::fromUInt(crc.value());
    }
    return stem;
}

UINativeWindowHost::UINativeWindowHost(UIWidget* widget) : m_widget(widget)
{
    ++g_hostCount;
    m_className = classNameStem() + String::fromUInt(static_cast<uint32_t>(g_hostCount));
}

UINativeWindowHost::~UINativeWindowHost()
{
    destroyWindow();
}

void UINativeWindowHost::destroyWindow()
{
    if (waitsToBeMade())
        --g_waitingWindows;
    m_wanted = false;
    m_lastFocusWidget = nullptr;
    m_lastFocusId = 0;
    if (!m_handle || hwnd(m_handle) == GetDesktopWindow())
        return;
    registerDropTarget(m_widget, m_handle, false);
    SetWindowLongPtrW(hwnd(m_handle), GWLP_USERDATA, 0);
    if (m_smallIcon)
        DestroyIcon(static_cast<HICON>(m_smallIcon));
    if (m_bigIcon)
        DestroyIcon(static_cast<HICON>(m_bigIcon));
    m_smallIcon = nullptr;
    m_bigIcon = nullptr;
    DestroyWindow(hwnd(m_handle));
    m_handle = nullptr;
    m_placementHeld = false;
    m_visibility = -1;
    UnregisterClassW(reinterpret_cast<const wchar_t*>(m_className.data()), GetModuleHandleW(nullptr));
}

void UINativeWindowHost::create()
{
    if (!waitsToBeMade() && !m_handle)
        ++g_waitingWindows;
    m_wanted = true;
    makeUnlessWaiting();
}

// Only a frameless window waits: its frame is its client area, so nothing
// about its place needs the system before it exists. It waits only while its
// owner is hidden: an owner on screen makes its windows at once, as it would
// make them at its first show.
void UINativeWindowHost::makeUnlessWaiting()
{
    if (!(m_flags & kMadeWhenNeeded) || !(m_flags & kFrameless) || ownerIsVisible())
        makeWindow();
}

bool UINativeWindowHost::ownerIsVisible() const
{
    UIWidget* owner = m_widget->parentWindow();
    void* handle = owner ? owner->existingNativeHandle() : nullptr;
    return handle && IsWindowVisible(hwnd(handle));
}

// Posted by a show while windows wait, so that the window is on screen
// before the system windows of its menus are made, and those exist before
// anything can open them.
void UINativeWindowHost::makeOwnedWindows()
{
    for (UIWidget* window : UIApplication::instance()->windows()) {
        for (UIWidget* owner = window->parentWindow(); owner; owner = owner->parentWindow()) {
            if (owner == m_widget) {
                window->nativeHandle();
                break;
            }
        }
    }
}

void* UINativeWindowHost::handle() const
{
    if (waitsToBeMade())
        const_cast<UINativeWindowHost*>(this)->makeWindow();
    return m_handle;
}

// Nothing is made for a widget or an owner that is going: the window would
// belong to a system window being torn down.
void UINativeWindowHost::makeWindow()
{
    // A second call (a second setStyleName) must not make a second window.
    if (!waitsToBeMade() || m_widget->testFlag(UIWidget::kDestroying))
        return;
    UIWidget* parentWindow = m_widget->parentWindow();
    if (parentWindow && parentWindow->testFlag(UIWidget::kDestroying))
        return;
    HWND owner = parentWindow ? hwnd(parentWindow->nativeHandle()) : nullptr;
    HINSTANCE instance = GetModuleHandleW(nullptr);
    const wchar_t* name = reinterpret_cast<const wchar_t*>(m_className.data());

    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = CS_OWNDC | ((m_flags & kDropShadow) ? kDropShadowClassStyle : 0);
    windowClass.lpfnWndProc = uiWindowProcedure;
    windowClass.cbWndExtra = kWindowExtraBytes;
    windowClass.hInstance = instance;
    windowClass.hIcon = programIcon(instance);
    windowClass.hIconSm = windowClass.hIcon;
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    windowClass.lpszClassName = name;
    RegisterClassExW(&windowClass);

    DWORD style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    if (m_flags & kFrameless)
        style |= WS_POPUP;
    else
        style |= WS_CAPTION;
    if (m_flags & kResizable)
        style |= WS_THICKFRAME;
    if (owner)
        style |= WS_POPUP;
    for (const FlagStyle& entry : kStyleFlags) {
        if (m_flags & entry.flag)
            style |= entry.style;
    }
    DWORD exStyle = (m_flags & kTopmost) ? WS_EX_TOPMOST : 0;
    // A window made late goes where its widget already is.
    const Rect place = (m_flags & kMadeWhenNeeded) ? m_widget->geometry() : Rect(0, 0, 0, 0);
    HWND window = CreateWindowExW(exStyle, name, L"", style, place.x, place.y, place.width, place.height, owner,
                                  nullptr, instance, nullptr);
    if (!window)
        return;
    --g_waitingWindows;
    m_handle = window;
    m_placementHeld = false;
    if (!(m_flags & kFrameless))
        setIcons();
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    m_visibility = -1;
    if ((m_flags & kDesktopOwned))
        SetWindowLongPtrW(window, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(GetDesktopWindow()));
    if (!m_enabled || (m_flags & kDisabled))
        EnableWindow(window, FALSE);
    if (m_opacity != 1.0f)
        applyOpacity();
}

void UINativeWindowHost::setIcons()
{
    UIApplication* application = UIApplication::instance();
    Image small = application->smallWindowIcon();
    Image big = application->bigWindowIcon();
    m_smallIcon = small.isNull() ? nullptr : small.toIcon();
    m_bigIcon = big.isNull() ? nullptr : big.toIcon();
    if (m_smallIcon)
        SendMessageW(hwnd(m_handle), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_smallIcon));
    if (m_bigIcon)
        SendMessageW(hwnd(m_handle), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_bigIcon));
}

Rect UINativeWindowHost::frameMargins() const
{
    if (!m_handle)
        return Rect(0, 0, 0, 0);
    RECT rect = {0, 0, 0, 0};
    DWORD style = static_cast<DWORD>(GetWindowLongW(hwnd(m_handle), GWL_STYLE));
    DWORD exStyle = static_cast<DWORD>(GetWindowLongW(hwnd(m_handle), GWL_EXSTYLE));
    AdjustWindowRectEx(&rect, style, FALSE, exStyle);
    return Rect(-rect.left, -rect.top, rect.right, rect.bottom);
}

Rect UINativeWindowHost::frameGeometry() const
{
    // A frameless window's frame is its client area.
    if (m_placementHeld || waitsToBeMade())
        return m_widget->geometry();
    RECT rect = {0, 0, 0, 0};
    if (!m_handle || !GetWindowRect(hwnd(m_handle), &rect))
        return Rect();
    return Rect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

bool UINativeWindowHost::isVisible() const
{
    if (!m_handle)
        return false;
    if (m_visibility < 0)
        m_visibility = IsWindowVisible(hwnd(m_handle)) ? 1 : 0;
    return m_visibility == 1;
}

// An owned window has no taskbar button of its own. A framed one whose
// owner was never shown (a prompt before the main window) would have none at
// all: once another program is in front, the user could not get back to it.
// The style counts only while the window is hidden, so it is set before the
// show.
void UINativeWindowHost::giveTaskbarButtonWhenOwnerHidden()
{
    HWND owner = GetWindow(hwnd(m_handle), GW_OWNER);
    if (!owner || (m_flags & kFrameless))
        return;
    const LONG exStyle = GetWindowLongW(hwnd(m_handle), GWL_EXSTYLE);
    const LONG wanted = IsWindowVisible(owner) ? (exStyle & ~WS_EX_APPWINDOW) : (exStyle | WS_EX_APPWINDOW);
    if (wanted != exStyle)
        SetWindowLongW(hwnd(m_handle), GWL_EXSTYLE, wanted);
}

void UINativeWindowHost::setVisible(bool visible, bool maximized, bool minimized)
{
    if (visible)
        makeWindow();
    if (!m_handle)
        return;
    if (!visible) {
        ShowWindow(hwnd(m_handle), SW_HIDE);
        return;
    }
    applyHeldPlacement();
    giveTaskbarButtonWhenOwnerHidden();
    int command = maximized ? SW_SHOWMAXIMIZED : (minimized ? SW_SHOWMINIMIZED : SW_SHOWNORMAL);
    if (m_flags & kShowInactive)
        command = SW_SHOWNOACTIVATE;
    ShowWindow(hwnd(m_handle), command);
    if (g_waitingWindows > 0)
        PostMessageW(hwnd(m_handle), kMakeOwnedWindowsMessage, 0, 0);
    // Moves made from the window's own messages during the show, before it
    // was visible, were held as well.
    applyHeldPlacement();
    // A window becomes a drop site when it is first shown: a hidden one takes
    // no drops, and most windows made at start (menus, popups) never show.
    registerDropTarget(m_widget, m_handle, true);
    if (command == SW_SHOWNORMAL) {
        SetForegroundWindow(hwnd(m_handle));
        ::SetFocus(hwnd(m_handle));
    }
}

void UINativeWindowHost::setEnabled(bool enabled)
{
    if (waitsToBeMade())
        m_enabled = enabled;
    else if (m_handle && enabled != isEnabled())
        EnableWindow(hwnd(m_handle), enabled);
}

bool UINativeWindowHost::isEnabled() const
{
    if (waitsToBeMade())
        return m_enabled;
    return m_handle && IsWindowEnabled(hwnd(m_handle));
}

// A hidden frameless window (a menu, a popup, a tip) is placed when it is
// shown: menus are filled item by item at start and mostly never shown, and
// a system move or resize costs more than the item itself. Until then the
// widget is told of its new place and size at once, as the window's own
// messages would tell it.
bool UINativeWindowHost::holdsPlacement() const
{
    if (waitsToBeMade())
        return true;
    return m_handle && (m_flags & kFrameless) && !IsWindowVisible(hwnd(m_handle));
}

void UINativeWindowHost::applyHeldPlacement()
{
    if (!m_placementHeld || !m_handle)
        return;
    m_placementHeld = false;
    SetWindowPos(hwnd(m_handle), nullptr, m_widget->x(), m_widget->y(), m_widget->width(), m_widget->height(),
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}

void UINativeWindowHost::move(int x, int y)
{
    if (holdsPlacement()) {
        if (tellWidgetMoved(Point(x, y)))
            m_placementHeld = true;
        return;
    }
    if (m_handle)
        SetWindowPos(hwnd(m_handle), nullptr, x, y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}

// The widget's size is its client area, so the frame is added here: a
// widget resized to its own size must not shrink by the frame each time.
void UINativeWindowHost::resize(int width, int height)
{
    if (holdsPlacement()) {
        if (tellWidgetResized(Size(width, height)))
            m_placementHeld = true;
        return;
    }
    if (!m_handle)
        return;
    Rect margins = frameMargins();
    SetWindowPos(hwnd(m_handle), nullptr, 0, 0, width + margins.x + margins.width,
                 height + margins.y + margins.height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}

void UINativeWindowHost::setFocus(bool focus)
{
    if (!m_handle)
        return;
    if (!focus)
        ::SetFocus(nullptr);
    else if (!hasFocus())
        ::SetFocus(hwnd(m_handle));
}

bool UINativeWindowHost::hasFocus() const
{
    return m_handle && GetFocus() == hwnd(m_handle);
}

void UINativeWindowHost::setWindowState(uint32_t states)
{
    if (!m_handle || !m_widget->isVisible())
        return;
    HWND window = hwnd(m_handle);
    if (states & kMinimizedState) {
        if (!IsIconic(window))
            ShowWindow(window, SW_SHOWMINIMIZED);
    } else if (states & kMaximizedState) {
        if (!IsZoomed(window))
            ShowWindow(window, SW_SHOWMAXIMIZED);
    } else if (!(states & kKeepShowState)) {
        bool normal = IsWindowVisible(window) && !IsIconic(window) && !IsZoomed(window);
        if (!normal)
            ShowWindow(window, (m_flags & kShowInactive) ? SW_SHOWNOACTIVATE : SW_SHOWNORMAL);
    }
    applyHeldPlacement();
    if (states & kActiveState)
        UIWindowUtils::forceForeground(m_handle);
}

uint32_t UINativeWindowHost::windowState() const
{
    if (!m_handle)
        return 0;
    HWND window = hwnd(m_handle);
    uint32_t state = 0;
    if (GetForegroundWindow() == window && GetActiveWindow() == window)
        state |= kActiveState;
    if (IsIconic(window))
        state |= kMinimizedState;
    else if (IsZoomed(window))
        state |= kMaximizedState;
    return state;
}

void UINativeWindowHost::setWindowFlag(uint32_t flag, bool on)
{
    bool current = (m_flags & flag) != 0;
    if (m_handle && current == on)
        return;
    // A blocked window stays as its blocker left it.
    if (m_handle && flag == kDisabled && m_blockCount > 0)
        return;
    m_flags = on ? (m_flags | flag) : (m_flags & ~flag);
    if (!m_handle) {
        makeUnlessWaiting();
        return;
    }
    applyFlagChange(flag, on);
}

void UINativeWindowHost::applyFlagChange(uint32_t flag, bool on)
{
    HWND window = hwnd(m_handle);
    switch (flag) {
    case kDropShadow: {
        LONG style = static_cast<LONG>(GetClassLongW(window, GCL_STYLE));
        SetClassLongW(window, GCL_STYLE,
                      on ? (style | kDropShadowClassStyle) : (style & ~kDropShadowClassStyle));
        return;
    }
    case kDesktopOwned:
        SetWindowLongPtrW(window, GWLP_HWNDPARENT, on ? reinterpret_cast<LONG_PTR>(GetDesktopWindow()) : 0);
        return;
    case kTopmost: {
        UINT flags = SWP_NOMOVE | SWP_NOSIZE | (IsWindowVisible(window) ? 0 : SWP_NOACTIVATE);
        SetWindowPos(window, on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, flags);
        return;
    }
    case kResizable:
        applyStyleBits(WS_THICKFRAME, on);
        SetWindowPos(window, nullptr, 0, 0, 0, 0, kStyleChangeFlags | SWP_NOSENDCHANGING);
        return;
    case kFrameless:
        if (on) {
            applyStyleBits(WS_DLGFRAME, false);
            applyStyleBits(WS_POPUP, true);
        } else {
            applyStyleBits(WS_POPUP | WS_CAPTION | WS_SYSMENU, false);
            applyStyleBits(WS_CAPTION | WS_SYSMENU, true);
        }
        return;
    case kDisabled:
        setEnabled(!on);
        if (!on && GetActiveWindow() == window)
            setFocus(true);
        return;
    default:
        break;
    }
    for (const FlagStyle& entry : kStyleFlags) {
        if (entry.flag == flag)
            applyStyleBits(static_cast<uint32_t>(entry.style), on);
    }
}

void UINativeWindowHost::applyStyleBits(uint32_t bits, bool on)
{
    HWND window = hwnd(m_handle);
    uint32_t style = static_cast<uint32_t>(GetWindowLongW(window, GWL_STYLE));
    style = on ? (style | bits) : (style & ~bits);
    SetWindowLongW(window, GWL_STYLE, static_cast<LONG>(style));
}

void UINativeWindowHost::setWindowFlags(uint32_t flags)
{
    if (!m_handle) {
        m_flags = flags;
        if (m_wanted)
            makeUnlessWaiting();
        return;
    }
    for (int i = 0; i < kFlagCount; ++i)
        setWindowFlag(1u << i, (flags >> i) & 1);
}

void UINativeWindowHost::setBlocked(bool block)
{
    if (m_flags & kDisabled)
        return;
    if (block) {
        if (++m_blockCount == 1) {
            m_enabledBeforeBlock = isEnabled();
            if (m_enabledBeforeBlock)
                setEnabled(false);
        }
        return;
    }
    if (--m_blockCount < 1) {
        m_blockCount = 0;
        setEnabled(m_enabledBeforeBlock);
    }
}

void UINativeWindowHost::setOpacity(float value)
{
    if (!(value >= 0.0f))
        value = 0.0f;
    if (value > 1.0f)
        value = 1.0f;
    if (value == m_opacity)
        return;
    m_opacity = value;
    if (m_handle)
        applyOpacity();
}

void UINativeWindowHost::applyOpacity()
{
    HWND window = hwnd(m_handle);
    LONG exStyle = GetWindowLongW(window, GWL_EXSTYLE);
    if (m_opacity == 1.0f) {
        SetWindowLongW(window, GWL_EXSTYLE, exStyle & ~WS_EX_LAYERED);
    } else {
        SetWindowLongW(window, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
        BYTE alpha = static_cast<BYTE>(static_cast<int>(m_opacity * 100.0f * 255.0f) / 100);
        SetLayeredWindowAttributes(window, 0, alpha, LWA_ALPHA);
    }
    SetWindowPos(window, nullptr, 0, 0, 0, 0, kStyleChangeFlags);
}

void UINativeWindowHost::flash(int count)
{
    if (!m_handle)
        return;
    for (int i = 0; i < count; ++i) {
        FlashWindow(hwnd(m_handle), TRUE);
        FlashWindow(hwnd(m_handle), FALSE);
    }
}

void UINativeWindowHost::setTitle(const String& title)
{
    makeWindow();
    if (!m_handle)
        return;
    String text = title + m_titleSuffix;
    SetWindowTextW(hwnd(m_handle), reinterpret_cast<const wchar_t*>(text.data()));
}

String UINativeWindowHost::title() const
{
    if (!m_handle)
        return String();
    int length = GetWindowTextLengthW(hwnd(m_handle));
    if (length < 1 || length >= kMaxTitleLength)
        return String();
    wchar_t buffer[kMaxTitleLength] = {};
    int read = GetWindowTextW(hwnd(m_handle), buffer, kMaxTitleLength);
    if (read != length)
        return String();
    return String(reinterpret_cast<const char16_t*>(buffer), read);
}

void UINativeWindowHost::invalidate()
{
    if (m_handle)
        InvalidateRect(hwnd(m_handle), nullptr, FALSE);
}

bool UINativeWindowHost::onPaint()
{
    HWND window = hwnd(m_handle);
    PAINTSTRUCT paint;
    if (!BeginPaint(window, &paint))
        return false;
    // The frame is already composed: uncovering a window copies it and
    // paints no widget. A window not yet composed copies nothing.
    Rect dirty(paint.rcPaint.left, paint.rcPaint.top, paint.rcPaint.right - paint.rcPaint.left,
               paint.rcPaint.bottom - paint.rcPaint.top);
    if (!dirty.isEmpty())
        m_widget->copyToScreenNow(dirty);
    EndPaint(window, &paint);
    return true;
}

void UINativeWindowHost::updateLayered(const Image& image)
{
    if (!image.isNull())
        makeWindow();
    if (!m_handle)
        return;
    applyHeldPlacement();
    HWND window = hwnd(m_handle);
    LONG exStyle = GetWindowLongW(window, GWL_EXSTYLE);
    if (image.isNull()) {
        m_layeredImage = Image();
        if (m_opacity == 1.0f)
            SetWindowLongW(window, GWL_EXSTYLE, exStyle & ~WS_EX_LAYERED);
        return;
    }
    if (!(exStyle & WS_EX_LAYERED))
        SetWindowLongW(window, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
    Rect frame = frameGeometry();
    bool current = image.bits() == m_layeredImage.bits() && image.size() == frame.size();
    if (!current) {
        // A copy even at the same size: premultiplying works in place and
        // must not change the caller's image.
        m_layeredImage = image.scaled(frame.width, frame.height, Image::kCubic);
        m_layeredImage.setPremultiplied(true);
    }
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = m_layeredImage.toBitmapHandle();
    HGDIOBJ old = SelectObject(memory, bitmap);
    POINT destination = {frame.x, frame.y};
    SIZE size = {frame.width, frame.height};
    POINT source = {0, 0};
    BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    UpdateLayeredWindow(window, nullptr, &destination, &size, memory, &source, 0, &blend, ULW_ALPHA);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}
