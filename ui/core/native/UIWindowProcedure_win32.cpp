// The window procedure of every toolkit window: the system's messages become
// toolkit events for the widgets of the window.
#include "ui/core/native/UINativeWindowHost.h"

#include "foundation/system/MessageLoop.h"
#include "foundation/time/Time.h"
#include "ui/core/application/UIApplication.h"
#include "ui/core/events/UIContextMenuEvent.h"
#include "ui/core/events/UIHotKeyEvent.h"
#include "ui/core/events/UIKeyEvent.h"
#include "ui/core/events/UIMouseEvent.h"
#include "ui/core/events/UIMoveEvent.h"
#include "ui/core/events/UIResizeEvent.h"
#include "ui/core/events/UIValueEvent.h"
#include "ui/core/events/UIWheelEvent.h"
#include "ui/core/input/UICursorHost.h"
#include "ui/core/native/UIClickTracker.h"
#include "ui/core/native/UIHeldKeyTable.h"
#include "ui/core/native/UIKeyTranslation.h"
#include "ui/core/platform/SystemServices.h"
#include "ui/core/platform/UIInputMethod.h"
#include "ui/core/theme/UICursors.h"
#include "ui/core/widget/UIToolTipHost.h"
#include "ui/core/widget/UIWidget.h"
#include "ui/core/widget/UIWidgetGuard.h"

#include <windows.h>
#include <windowsx.h>

#include <algorithm>

namespace {

constexpr UINT kShowOrExternalMessage = 0xD000;
constexpr int kHoverTimerInterval = 20;

UIHeldKeyTable& heldKeys()
{
    static UIHeldKeyTable table;
    return table;
}

UIClickTracker& clickTracker()
{
    static UIClickTracker tracker;
    static bool limitsRead = false;
    if (!limitsRead) {
        tracker.setLimits(GetDoubleClickTime(), GetSystemMetrics(SM_CXDOUBLECLK),
                          GetSystemMetrics(SM_CYDOUBLECLK));
        limitsRead = true;
    }
    return tracker;
}

UINT taskbarButtonCreatedMessage()
{
    static UINT message = RegisterWindowMessageW(L"TaskbarButtonCreated");
    return message;
}

int16_t keyState(int virtualKey)
{
    return GetKeyState(virtualKey);
}

uint32_t mapScanCode(uint32_t scanCode)
{
    return MapVirtualKeyW(MapVirtualKeyW(scanCode, MAPVK_VSC_TO_VK), MAPVK_VK_TO_CHAR);
}

// Each key-state query is a trip to the system here: Shift and Ctrl come
// from the message itself.
uint32_t mouseModifiers(uintptr_t wParam)
{
    return UIKeyTranslation::mouseModifiers(LOWORD(wParam), GetKeyState(VK_MENU) < 0);
}

Point messagePoint(intptr_t lParam)
{
    return Point(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
}

// Events made from the user's hand are spontaneous; the loop owns posted
// ones.
void post(UIEvent* event, UIWidget* target)
{
    event->setSpontaneous(true);
    MessageLoop::instance()->postEvent(event, target);
}

void send(UIEvent&& event, UIWidget* target, bool spontaneous = true)
{
    event.setSpontaneous(spontaneous);
    MessageLoop::instance()->sendEvent(&event, target);
}

bool ignoresInput(const UIWidget* target, uint32_t ignoreFlag)
{
    for (const UIWidget* widget = target; widget; widget = widget->parentWidget()) {
        if (widget->testFlag(ignoreFlag))
            return true;
        if (widget->isWindow())
            break;
    }
    return false;
}

bool acceptsInput(const UIWidget* target, uint32_t ignoreFlag)
{
    return target->isEnabled() && !ignoresInput(target, ignoreFlag);
}

int buttonOf(UINT message, uintptr_t wParam)
{
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
        return 1;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
        return 2;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
        return 4;
    default:
        return HIWORD(wParam) == XBUTTON1 ? 8 : 16;
    }
}

bool isButtonDown(UINT message)
{
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_XBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
        return true;
    default:
        return false;
    }
}

// A click anywhere, or the focus leaving, commits what is being composed.
void completeComposition()
{
    UIInputMethod* inputMethod = UIInputMethod::instance();
    if (inputMethod->isActive())
        inputMethod->end(true);
}

bool isCharacterMessage(UINT message)
{
    return message == WM_CHAR || message == WM_IME_CHAR;
}

bool isKeyDownMessage(UINT message)
{
    return message == WM_KEYDOWN || message == WM_SYSKEYDOWN || message == WM_IME_KEYDOWN;
}

// Restoring a minimised window brings back the state it was minimised
// from, as the default handling does: a window maximised before comes back
// maximised. SW_SHOWNOACTIVATE alone would forget that.
int restoreShowCommand(HWND window)
{
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof(placement);
    if (IsIconic(window) && GetWindowPlacement(window, &placement) &&
        (placement.flags & WPF_RESTORETOMAXIMIZED))
        return SW_SHOWMAXIMIZED;
    return SW_SHOWNOACTIVATE;
}

// The window that blocks this one: the one active when the command came,
// or, when none was (minimised, the window took the activation with it),
// the popup it last handed the activation to.
HWND blockingWindow(HWND window)
{
    HWND active = GetActiveWindow();
    if (active && active != window)
        return active;
    HWND popup = GetLastActivePopup(window);
    if (popup == window || !IsWindowEnabled(popup) || !IsWindowVisible(popup))
        return nullptr;
    return popup;
}

// The default handling drops every command of a disabled window, and a
// modal window disables the others. A window manager, though, maximises or
// restores a window on screen first and tells us with the command after,
// blocked or not: dropped, the window would keep its old size inside its new
// frame. The window that blocks this one keeps the activation.
void carryOutSizeCommand(HWND window, uint32_t command)
{
    HWND blocker = blockingWindow(window);
    if (command == SC_MINIMIZE)
        ShowWindow(window, SW_SHOWMINNOACTIVE);
    else if (command == SC_RESTORE)
        ShowWindow(window, restoreShowCommand(window));
    else
        ShowWindow(window, SW_SHOWMAXIMIZED);
    // Maximising has no show command that leaves the activation alone, and
    // neither has restoring to a maximised state.
    if (blocker && GetActiveWindow() == window)
        SetActiveWindow(blocker);
}

UINT characterMessageFor(UINT keyDown)
{
    if (keyDown == WM_SYSKEYDOWN)
        return WM_SYSCHAR;
    return keyDown == WM_IME_KEYDOWN ? WM_IME_CHAR : WM_CHAR;
}

} // namespace

LRESULT CALLBACK uiWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* host = reinterpret_cast<UINativeWindowHost*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!host)
        return DefWindowProcW(window, message, wParam, lParam);
    return host->handleMessage(window, message, wParam, lParam);
}

intptr_t UINativeWindowHost::defaultResult(uint32_t message, uintptr_t wParam, intptr_t lParam)
{
    return DefWindowProcW(static_cast<HWND>(m_handle), message, wParam, lParam);
}

intptr_t UINativeWindowHost::handleMessage(void* window, uint32_t message, uintptr_t wParam, intptr_t lParam)
{
    if (isButtonDown(message))
        completeComposition();
    // Showing, hiding and restyling the window all pass through here.
    if (message == WM_WINDOWPOSCHANGED || message == WM_SHOWWINDOW || message == WM_STYLECHANGED)
        m_visibility = -1;
    // The system sets the cursor itself outside the client area, and other
    // windows may while this one is disabled or inactive.
    if ((message == WM_SETCURSOR && LOWORD(lParam) != HTCLIENT) || message == WM_ACTIVATE ||
        message == WM_ENABLE || message == WM_KILLFOCUS)
        UICursors::forgetLastCursor();
    if (message == taskbarButtonCreatedMessage() && message != 0) {
        m_widget->setFlag(UIWidget::kTaskbarButton, true);
        return 0;
    }
    switch (message) {
    case WM_SETFOCUS:
        onSetFocus();
        return 0;
    case WM_KILLFOCUS:
        onKillFocus();
        return 0;
    case WM_PAINT:
        return onPaint() ? 0 : defaultResult(message, wParam, lParam);
    case WM_CLOSE: {
        // Accepted before delivery: the window goes unless a handler refuses.
        UIValueEvent close(kCloseEvent);
        close.accept();
        send(std::move(close), m_widget);
        return 0;
    }
    case WM_QUERYENDSESSION:
        m_widget->sessionEnding.emit();
        return 1;
    case WM_ENDSESSION:
        // The session is over only with a true wParam; the system then ends
        // the process without a close, so this is the last word we get.
        if (wParam)
            m_widget->sessionEnded.emit();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_SETCURSOR:
        return LOWORD(lParam) == HTCLIENT ? 1 : defaultResult(message, wParam, lParam);
    case WM_GETMINMAXINFO:
        onMinMaxInfo(lParam);
        return 0;
    case WM_WINDOWPOSCHANGED:
        return onWindowPosChanged(lParam) ? 0 : defaultResult(message, wParam, lParam);
    case WM_DISPLAYCHANGE:
    case WM_PALETTECHANGED:
        InvalidateRect(static_cast<HWND>(window), nullptr, FALSE);
        return defaultResult(message, wParam, lParam);
    case WM_NCHITTEST:
        if (m_widget->testFlag(UIWidget::kMouseTransparent))
            return HTTRANSPARENT;
        return defaultResult(message, wParam, lParam);
    case WM_NCACTIVATE:
        if (wParam == 0 && (m_flags & kKeepsActiveLook))
            return 1;
        return defaultResult(message, wParam, lParam);
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
    case WM_IME_CHAR:
    case WM_IME_KEYDOWN:
        return onKey(message, wParam, lParam) ? 0 : defaultResult(message, wParam, lParam);
    case WM_SYSCHAR:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
        return 0;
    case WM_IME_STARTCOMPOSITION:
        onStartComposition();
        return defaultResult(message, wParam, lParam);
    case WM_IME_ENDCOMPOSITION:
        completeComposition();
        return defaultResult(message, wParam, lParam);
    case WM_SYSCOMMAND:
        return onSysCommand(wParam) ? defaultResult(message, wParam, lParam) : 0;
    case WM_MOUSEMOVE:
        return onMouseMove(wParam, lParam) ? 0 : defaultResult(message, wParam, lParam);
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_XBUTTONDOWN:
        onButtonDown(message, wParam, lParam);
        return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
    case WM_XBUTTONUP:
        onButtonUp(message, wParam, lParam);
        return 0;
    case WM_MOUSEWHEEL:
    case WM_MOUSEHWHEEL:
        onWheel(message == WM_MOUSEHWHEEL, wParam, lParam);
        return 0;
    case WM_CAPTURECHANGED:
        onCaptureChanged();
        return 0;
    case WM_HOTKEY:
        post(new UIHotKeyEvent(static_cast<int>(wParam)), m_widget);
        return defaultResult(message, wParam, lParam);
    case kShowOrExternalMessage:
        onExternal(lParam);
        return 0;
    case kMakeOwnedWindowsMessage:
        makeOwnedWindows();
        return 0;
    default:
        return defaultResult(message, wParam, lParam);
    }
}

UIWidget* UINativeWindowHost::mouseTarget(const Point& inWindow, Point* inTarget) const
{
    UIWidget* target = UIWidget::grabWidget();
    if (!target)
        target = m_widget->childAt(inWindow);
    if (!target)
        target = m_widget;
    *inTarget = target->mapFromWindow(inWindow);
    if (target->window() != m_widget)
        *inTarget = target->mapFromGlobal(m_widget->mapToGlobal(inWindow));
    return target;
}

void UINativeWindowHost::updateCursor(UIWidget* target, const Point& inTarget)
{
    UICursorHost* cursors = UICursorHost::instance();
    if (!cursors)
        return;
    int shape = UIApplication::instance()->overrideCursor();
    if (shape == 0)
        shape = target->isEnabled() ? target->cursorAt(inTarget).shape() : UIWidget::kArrowCursor;
    cursors->setShape(shape);
}

void UINativeWindowHost::onButtonDown(uint32_t message, uintptr_t wParam, intptr_t lParam)
{
    // A press hides the tool tip at once. The tip's own check of the buttons
    // runs only every 10 ms and reads the system's button state, which a
    // press sent as a message alone never changes.
    UIToolTipHost* toolTip = UIToolTipHost::instance();
    if (toolTip && toolTip->isShowing())
        toolTip->hide();
    HWND window = static_cast<HWND>(m_handle);
    uint32_t buttons = UIKeyTranslation::mouseButtonFlags(static_cast<uint32_t>(wParam));
    if (buttons != 0 && GetCapture() != window) {
        SetCapture(window);
        if (GetFocus() != window) {
            // The focus events this sends may close the window.
            UIWidgetGuard guard(m_widget);
            ::SetFocus(window);
            if (!guard.isAlive())
                return;
        }
    }
    Point position;
    UIWidget* target = mouseTarget(messagePoint(lParam), &position);
    if (!acceptsInput(target, UIWidget::kIgnoresMouse))
        return;
    int button = buttonOf(message, wParam);
    uint32_t modifiers = mouseModifiers(wParam);
    int type = kMousePressEvent;
    if (target->testFlag(UIWidget::kWantsDoubleClicks) && (button == 1 || button == 2) &&
        clickTracker().press(target->id(), Time::tickCountMs(), position, button))
        type = kDoubleClickEvent;
    post(new UIMouseEvent(type, buttons, static_cast<uint32_t>(button), position, modifiers), target);
}

void UINativeWindowHost::onButtonUp(uint32_t message, uintptr_t wParam, intptr_t lParam)
{
    HWND window = static_cast<HWND>(m_handle);
    uint32_t buttons = UIKeyTranslation::mouseButtonFlags(static_cast<uint32_t>(wParam));
    if (buttons == 0 && GetCapture() == window) {
        m_releasingCapture = true;
        ReleaseCapture();
        m_releasingCapture = false;
    }
    Point position;
    UIWidget* target = mouseTarget(messagePoint(lParam), &position);
    target->releaseGrab();
    if (!acceptsInput(target, UIWidget::kIgnoresMouse))
        return;
    int button = buttonOf(message, wParam);
    uint32_t modifiers = mouseModifiers(wParam);
    post(new UIMouseEvent(kMouseReleaseEvent, buttons, static_cast<uint32_t>(button), position, modifiers),
         target);
    if (button == 2 && target->rect().contains(position)) {
        POINT cursor = {0, 0};
        GetCursorPos(&cursor);
        post(new UIContextMenuEvent(0, position, Point(cursor.x, cursor.y)), target);
    }
}

bool UINativeWindowHost::onMouseMove(uintptr_t wParam, intptr_t lParam)
{
    Point inWindow = messagePoint(lParam);
    Point position;
    UIWidget* target = mouseTarget(inWindow, &position);
    if (inWindow.x == m_lastMousePos.x && inWindow.y == m_lastMousePos.y) {
        updateCursor(target, position);
        return false;
    }
    m_lastMousePos = inWindow;
    // The composition belongs to the widget it started on.
    UIInputMethod* inputMethod = UIInputMethod::instance();
    if (inputMethod->isActive() && inputMethod->widget() != target)
        inputMethod->end(true);
    UIToolTipHost* toolTip = UIToolTipHost::instance();
    if (toolTip && toolTip->isShowing() && toolTip->owner() != target)
        toolTip->hide();
    updateCursor(target, position);
    if (!acceptsInput(target, UIWidget::kIgnoresMouse))
        return true;
    if (target->testFlag(UIWidget::kHoverTracking) && !target->isTimerActive(UIWidget::kHoverTimerId))
        target->startTimer(UIWidget::kHoverTimerId, kHoverTimerInterval);
    uint32_t buttons = UIKeyTranslation::mouseButtonFlags(static_cast<uint32_t>(wParam));
    uint32_t modifiers = mouseModifiers(wParam);
    post(new UIMouseEvent(kMouseMoveEvent, buttons, 0, position, modifiers), target);
    return true;
}

void UINativeWindowHost::onWheel(bool horizontal, uintptr_t wParam, intptr_t lParam)
{
    Point inWindow = m_widget->mapFromGlobal(messagePoint(lParam));
    UIWidget* target = m_widget->childAt(inWindow);
    if (!target)
        target = m_widget;
    // A disabled field has no use for the wheel, but the form that holds it
    // still scrolls.
    while (!target->isEnabled() && !target->isWindow() && target->parentWidget())
        target = target->parentWidget();
    if (!target->isEnabled())
        return;
    Point position = target->mapFromWindow(inWindow);
    int delta = GET_WHEEL_DELTA_WPARAM(wParam);
    uint32_t modifiers = mouseModifiers(wParam);
    post(new UIWheelEvent(position, delta, modifiers, UIKeyTranslation::wheelDirection(horizontal, delta)),
         target);
}

void UINativeWindowHost::onCaptureChanged()
{
    if (m_releasingCapture)
        return;
    if (UIWidget* grab = UIWidget::grabWidget()) {
        grab->setFlag(UIWidget::kMouseDown, false);
        grab->releaseGrab();
    }
}

bool UINativeWindowHost::onWindowPosChanged(intptr_t lParam)
{
    const auto* position = reinterpret_cast<const WINDOWPOS*>(lParam);
    if ((position->flags & SWP_NOSIZE) && (position->flags & SWP_NOMOVE) &&
        !(position->flags & SWP_FRAMECHANGED))
        return true;
    UIWidgetGuard guard(m_widget);
    if (!(position->flags & SWP_NOMOVE)) {
        tellWidgetMoved(Point(position->x, position->y));
        if (!guard.isAlive())
            return true;
    }
    if (position->flags & SWP_NOSIZE)
        return true;
    RECT client = {0, 0, 0, 0};
    GetClientRect(static_cast<HWND>(m_handle), &client);
    return tellWidgetResized(Size(client.right, client.bottom));
}

// The widget hears only of a change, and never of an empty client area.
bool UINativeWindowHost::tellWidgetMoved(const Point& to)
{
    if (to == m_widget->pos())
        return false;
    send(UIMoveEvent(to, m_widget->pos()), m_widget);
    return true;
}

bool UINativeWindowHost::tellWidgetResized(const Size& size)
{
    if (size == m_widget->size() || size.width < 1 || size.height < 1)
        return false;
    send(UIResizeEvent(size, m_widget->size()), m_widget);
    return true;
}

void UINativeWindowHost::onMinMaxInfo(intptr_t lParam)
{
    if (!(m_flags & kResizable))
        return;
    Size size = m_widget->size();
    if (size.width != m_cachedWidgetSize.width || size.height != m_cachedWidgetSize.height) {
        Size hint = m_widget->effectiveSizeHint();
        hint.width = std::max(hint.width, m_widget->minimumWidth());
        hint.height = std::max(hint.height, m_widget->minimumHeight());
        Rect margins = frameMargins();
        m_cachedWidgetSize = size;
        m_cachedMinTrackSize =
            Size(hint.width + margins.x + margins.width, hint.height + margins.y + margins.height);
    }
    auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
    info->ptMinTrackSize.x = m_cachedMinTrackSize.width;
    info->ptMinTrackSize.y = m_cachedMinTrackSize.height;
}

bool UINativeWindowHost::onSysCommand(uintptr_t wParam)
{
    if (wParam == SC_SCREENSAVE)
        return SystemServices::screenSaverAllowed();
    if (wParam == SC_MONITORPOWER)
        return SystemServices::monitorPowerOffAllowed();
    uint32_t command = static_cast<uint32_t>(wParam) & 0xFFF0;
    if (command != SC_MINIMIZE && command != SC_MAXIMIZE && command != SC_RESTORE)
        return true;
    post(new UIValueEvent(kWindowStateEvent), m_widget);
    HWND window = static_cast<HWND>(m_handle);
    if (IsWindowEnabled(window))
        return true;
    carryOutSizeCommand(window, command);
    return false;
}

void UINativeWindowHost::onSetFocus()
{
    UIWidgetGuard guard(m_widget);
    if (UIWidget* focus = UIWidget::focusWidget())
        focus->clearFocus();
    if (!guard.isAlive())
        return;
    UIWidget* last = m_lastFocusWidget;
    bool alive = last && UIApplication::instance()->contains(last) && last->id() == m_lastFocusId;
    m_lastFocusWidget = nullptr;
    m_lastFocusId = 0;
    if (alive)
        last->setFocus();
}

void UINativeWindowHost::onStartComposition()
{
    UIWidget* focus = UIWidget::focusWidget();
    if (!focus || focus->window() != m_widget)
        return;
    // The composition opens on the focus widget here, when it takes text.
    UIInputMethod* inputMethod = UIInputMethod::instance();
    if (inputMethod->widget() != focus && !inputMethod->begin(focus, m_handle))
        return;
    inputMethod->updateCompositionWindow();
}

void UINativeWindowHost::onKillFocus()
{
    completeComposition();
    heldKeys().clear();
    if (UIWidget* grab = UIWidget::grabWidget()) {
        grab->setFlag(UIWidget::kMouseDown, false);
        grab->releaseGrab();
        if (GetCapture() == static_cast<HWND>(m_handle))
            ReleaseCapture();
    }
    UIWidget* focus = UIWidget::focusWidget();
    m_lastFocusWidget = (focus && !focus->isWindow()) ? focus : nullptr;
    m_lastFocusId = m_lastFocusWidget ? m_lastFocusWidget->id() : 0;
    if (focus)
        focus->clearFocus();
}

void UINativeWindowHost::onExternal(intptr_t lParam)
{
    if (lParam == 0) {
        m_widget->activateWindow();
        return;
    }
    send(UIValueEvent(kExternalEvent, static_cast<int>(lParam)), m_widget, false);
}

bool UINativeWindowHost::sendKey(UIWidget* target, int type, int key, uint32_t compact, const String& text,
                                 bool repeat, uint32_t scanCode, uint32_t full)
{
    target->setFlag(UIWidget::kKeyDown, !heldKeys().isEmpty());
    if (!target->isEnabled())
        return true;
    UIKeyEvent event(type, key, compact, text, repeat);
    event.setNativeValues(scanCode, static_cast<uint32_t>(key), full);
    UIWidgetGuard guard(m_widget);
    send(std::move(event), target);
    return guard.isAlive();
}

bool UINativeWindowHost::onKey(uint32_t message, uintptr_t wParam, intptr_t lParam)
{
    HWND window = static_cast<HWND>(m_handle);
    MSG next;
    if (PeekMessageW(&next, window, 0, 0, PM_NOREMOVE) && next.message == WM_DEADCHAR)
        return true;
    UIWidget* target = UIWidget::focusWidget();
    if (!target || target->window() != m_widget)
        target = m_widget;
    if (!acceptsInput(target, UIWidget::kIgnoresKeys))
        return false;
    uint32_t full = UIKeyTranslation::fullModifiers(keyState, static_cast<uint32_t>(lParam));
    uint32_t compact = UIKeyTranslation::compactModifiers(full);
    if (isCharacterMessage(message))
        return onCharacter(wParam, lParam, compact, full, target);
    int key = static_cast<int>(wParam);
    if (UIKeyTranslation::isIgnoredKey(key))
        return true;
    if (isKeyDownMessage(message))
        return onKeyDown(message, key, compact, full, target);
    return onKeyUp(key, compact, full, target);
}

bool UINativeWindowHost::onCharacter(uintptr_t wParam, intptr_t lParam, uint32_t compact, uint32_t full,
                                     UIWidget* target)
{
    String text = UIKeyTranslation::characterText(0, static_cast<uint32_t>(wParam),
                                                  static_cast<uint32_t>(lParam), compact, mapScanCode);
    uint32_t scanCode = UIKeyTranslation::scanCode(static_cast<uint32_t>(lParam));
    UIWidgetGuard guard(target);
    if (!sendKey(target, kKeyPressEvent, 0, compact, text, false, scanCode, full) || !guard.isAlive())
        return true;
    sendKey(target, kKeyReleaseEvent, 0, compact, text, false, scanCode, full);
    return true;
}

bool UINativeWindowHost::onKeyDown(uint32_t message, int key, uint32_t compact, uint32_t full,
                                   UIWidget* target)
{
    UIHeldKeyTable& table = heldKeys();
    uint32_t entryModifiers = UIKeyTranslation::entryModifiers(compact, key);
    const UIHeldKeyTable::Entry* entry = table.find(key);
    if (entry && entry->modifiers != entryModifiers) {
        table.remove(key);
        entry = nullptr;
    }
    if ((compact & UIKeyTranslation::kAlt) && UIKeyTranslation::isSystemAltKey(key))
        return false;
    HWND window = static_cast<HWND>(m_handle);
    UINT characterMessage = characterMessageFor(message);
    MSG character;
    String text;
    uint32_t scanCode = 0;
    if (PeekMessageW(&character, window, characterMessage, characterMessage, PM_REMOVE)) {
        text = UIKeyTranslation::characterText(key, static_cast<uint32_t>(character.wParam),
                                               static_cast<uint32_t>(character.lParam), compact, mapScanCode);
        scanCode = UIKeyTranslation::scanCode(static_cast<uint32_t>(character.lParam));
    }
    if (!entry) {
        table.add(key, entryModifiers, text);
        sendKey(target, kKeyPressEvent, key, compact, text, false, scanCode, full);
        return true;
    }
    if (UIKeyTranslation::isModifierKey(key))
        return true;
    String held = entry->text;
    UIWidgetGuard guard(target);
    if (!sendKey(target, kKeyReleaseEvent, key, compact, held, true, scanCode, full) || !guard.isAlive())
        return true;
    sendKey(target, kKeyPressEvent, key, compact, held, true, scanCode, full);
    return true;
}

bool UINativeWindowHost::onKeyUp(int key, uint32_t compact, uint32_t full, UIWidget* target)
{
    UIHeldKeyTable& table = heldKeys();
    bool hadEntry = table.remove(key);
    if (hadEntry || UIKeyTranslation::alwaysSendsRelease(key)) {
        String text = hadEntry ? table.lastRemoved().text : String();
        sendKey(target, kKeyReleaseEvent, key, compact, text, false, 0, full);
    }
    return true;
}
