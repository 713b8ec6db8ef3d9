#include "foundation/system/MessageLoop.h"

#include "foundation/system/EventReceiver.h"
#include "foundation/system/InvokeWindow.h"
#include "foundation/system/PostedEvent.h"
#include "foundation/system/UIEvent.h"

#include <ole2.h>
#include <windows.h>

namespace {

const wchar_t kMessageWindowClass[] = L"DE488461-975A-4c0c-B8BC-FAADED591024";
const UINT kPaintOnlyPeek = PM_REMOVE | PM_QS_PAINT;
const UINT kInputDropPeek = PM_REMOVE | PM_QS_INPUT;

LRESULT CALLBACK messageWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    // Reached when a system-run modal loop (a menu, a message box) dispatches
    // instead of our pump.
    MessageLoop* loop = MessageLoop::instance();
    if (message == MessageLoop::kPostedEventMessage && loop && window == loop->messageWindow()) {
        loop->dispatchPosted(reinterpret_cast<PostedEvent*>(lParam));
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND createMessageWindow()
{
    HINSTANCE module = GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = messageWindowProc;
    windowClass.cbWndExtra = 4;
    windowClass.hInstance = module;
    windowClass.lpszClassName = kMessageWindowClass;
    RegisterClassExW(&windowClass);
    return CreateWindowExW(0, kMessageWindowClass, L"", 0, 0, 0, 0, 0, nullptr, nullptr, module, nullptr);
}

void dispatchMessage(MSG& message)
{
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

} // namespace

MessageLoop::MessageLoop() : m_mainThreadId(GetCurrentThreadId()) {}

MessageLoop* MessageLoop::create()
{
    if (s_instance)
        return s_instance;
    // The window is made whether OLE started or not; only a successful start
    // is balanced at the end.
    HRESULT ole = OleInitialize(nullptr);
    s_instance = new MessageLoop;
    s_instance->m_oleStarted = SUCCEEDED(ole);
    s_instance->m_messageWindow = createMessageWindow();
    // Worker threads report through the invoke window, which must belong to
    // this thread.
    InvokeWindow::instance();
    return s_instance;
}

void MessageLoop::destroy()
{
    MessageLoop* loop = takeInstance();
    if (!loop)
        return;
    HWND window = static_cast<HWND>(loop->m_messageWindow);
    bool oleStarted = loop->m_oleStarted;
    delete loop;
    if (window)
        DestroyWindow(window);
    UnregisterClassW(kMessageWindowClass, GetModuleHandleW(nullptr));
    if (oleStarted)
        OleUninitialize();
}

MessageLoop::PumpResult MessageLoop::pumpStep(uint32_t flags, bool peekOnly)
{
    MSG message;
    if (flags & kPaintOnly) {
        if (!PeekMessageW(&message, nullptr, 0, 0, kPaintOnlyPeek))
            return PumpResult::Nothing;
        do {
            dispatchMessage(message);
        } while (PeekMessageW(&message, nullptr, 0, 0, kPaintOnlyPeek));
        return PumpResult::Handled;
    }
    if (flags & kInputBlocked) {
        while (PeekMessageW(&message, nullptr, 0, 0, kInputDropPeek)) {
        }
    }
    if (peekOnly && !PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE))
        return PumpResult::Nothing;
    if (GetMessageW(&message, nullptr, 0, 0) < 0)
        return PumpResult::Handled;
    if (message.message == kPostedEventMessage && s_instance && message.hwnd == s_instance->m_messageWindow) {
        s_instance->dispatchPosted(reinterpret_cast<PostedEvent*>(message.lParam));
        return PumpResult::Handled;
    }
    if (message.message == WM_QUIT) {
        if (s_instance)
            s_instance->handleQuitMessage();
        return PumpResult::Quit;
    }
    dispatchMessage(message);
    return PumpResult::Handled;
}

void MessageLoop::quit(int code)
{
    for (List<EventLoop*>::Node* node = m_runningLoops.last(); node; node = node->prev)
        node->value->exit(code);
    PostQuitMessage(code);
}

bool MessageLoop::postEvent(UIEvent* event, EventReceiver* receiver)
{
    PostedEvent* record = queueEvent(event, receiver);
    if (!record)
        return false;
    return PostMessageW(static_cast<HWND>(m_messageWindow), kPostedEventMessage, 0,
                        reinterpret_cast<LPARAM>(record)) != 0;
}
