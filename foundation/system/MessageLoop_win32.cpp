#include "foundation/system/MessageLoop.h"

#include "foundation/system/EventReceiver.h"
#include "foundation/system/InvokeWindow.h"
#include "foundation/system/PostedEvent.h"
#include "foundation/system/UIEvent.h"

#include <memory>
#include <ole2.h>
#include <windows.h>

namespace {

const wchar_t kMessageWindowClass[] = L"DE488461-975A-4c0c-B8BC-FAADED591024";
const UINT kPaintOnlyPeek = PM_REMOVE | PM_QS_PAINT;
const UINT kInputDropPeek = PM_REMOVE | PM_QS_INPUT;

MessageLoop* g_instance = nullptr;

// Events posted and not yet delivered, in posting order. The loop owns them.
List<PostedEvent*>& pendingEvents()
{
    static List<PostedEvent*> pending;
    return pending;
}

LRESULT CALLBACK messageWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    // Reached when a system-run modal loop (a menu, a message box) dispatches
    // instead of our pump.
    if (message == MessageLoop::kPostedEventMessage && g_instance && window == g_instance->messageWindow()) {
        g_instance->dispatchPosted(reinterpret_cast<PostedEvent*>(lParam));
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
    if (g_instance)
        return g_instance;
    // The window is made whether OLE started or not; only a successful start
    // is balanced at the end.
    HRESULT ole = OleInitialize(nullptr);
    g_instance = new MessageLoop;
    g_instance->m_oleStarted = SUCCEEDED(ole);
    g_instance->m_messageWindow = createMessageWindow();
    // Worker threads report through the invoke window, which must belong to
    // this thread.
    InvokeWindow::instance();
    return g_instance;
}

void MessageLoop::destroy()
{
    MessageLoop* loop = g_instance;
    if (!loop)
        return;
    List<PostedEvent*>& pending = pendingEvents();
    for (PostedEvent* record : pending)
        delete record;
    pending.clear();
    g_instance = nullptr;
    HWND window = static_cast<HWND>(loop->m_messageWindow);
    bool oleStarted = loop->m_oleStarted;
    delete loop;
    if (window)
        DestroyWindow(window);
    UnregisterClassW(kMessageWindowClass, GetModuleHandleW(nullptr));
    if (oleStarted)
        OleUninitialize();
}

MessageLoop* MessageLoop::instance()
{
    return g_instance;
}

bool MessageLoop::pumpMessages(uint32_t flags, bool peekOnly)
{
    return pumpStep(flags, peekOnly) != PumpResult::Nothing;
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
    if (message.message == kPostedEventMessage && g_instance && message.hwnd == g_instance->m_messageWindow) {
        g_instance->dispatchPosted(reinterpret_cast<PostedEvent*>(message.lParam));
        return PumpResult::Handled;
    }
    if (message.message == WM_QUIT) {
        if (g_instance)
            g_instance->handleQuitMessage();
        return PumpResult::Quit;
    }
    dispatchMessage(message);
    return PumpResult::Handled;
}

int MessageLoop::run()
{
    return m_mainLoop.exec();
}

void MessageLoop::quit(int code)
{
    for (List<EventLoop*>::Node* node = m_runningLoops.last(); node; node = node->prev)
        node->value->exit(code);
    PostQuitMessage(code);
}

bool MessageLoop::sendEvent(UIEvent* event, EventReceiver* receiver)
{
    if (!event || isBlockedInput(event))
        return false;
    if (!isRegistered(receiver) || receiver->isDisabled())
        return false;
    return receiver->handleEvent(event);
}

bool MessageLoop::postEvent(UIEvent* event, EventReceiver* receiver)
{
    if (!event)
        return false;
    if (isBlockedInput(event)) {
        delete event;
        return false;
    }
    auto* record = new PostedEvent(event, receiver);
    pendingEvents().append(record);
    return PostMessageW(static_cast<HWND>(m_messageWindow), kPostedEventMessage, 0,
                        reinterpret_cast<LPARAM>(record)) != 0;
}

void MessageLoop::dispatchPosted(PostedEvent* record)
{
    // The message only carries a number: unless it names a record that still
    // waits here (and not a stale or forged one), nothing is touched.
    if (!pendingEvents().removeOne(record))
        return;
    std::unique_ptr<PostedEvent> owned(record);
    EventReceiver* receiver = record->receiver();
    if (!receiver || isBlockedInput(record->event()))
        return;
    // The registration is tested before the receiver is read at all.
    if (!isRegistered(receiver) || receiver->serial() != record->serial() || receiver->isDisabled())
        return;
    receiver->handleEvent(record->event());
}

void MessageLoop::addReceiver(EventReceiver* receiver)
{
    m_receivers.append(receiver);
}

void MessageLoop::removeReceiver(EventReceiver* receiver)
{
    m_receivers.removeOne(receiver);
}

bool MessageLoop::isRegistered(const EventReceiver* receiver) const
{
    if (!receiver)
        return false;
    for (EventReceiver* known : m_receivers) {
        if (known == receiver)
            return true;
    }
    return false;
}

EventLoop* MessageLoop::currentLoop() const
{
    List<EventLoop*>::Node* last = m_runningLoops.last();
    return last ? last->value : nullptr;
}

void MessageLoop::handleQuitMessage()
{
    if (m_quitHandler)
        m_quitHandler();
    else
        quit(0);
}

bool MessageLoop::isBlockedInput(const UIEvent* event) const
{
    return (m_flags & kInputBlocked) && event->isInputEvent();
}
