#include "foundation/system/InvokeWindow.h"

#include "foundation/system/Thread.h"

#include <windows.h>

InvokeWindow& InvokeWindow::instance()
{
    static InvokeWindow window;
    return window;
}

InvokeWindow::InvokeWindow()
    : NativeWindow(String(u"2ECC044D-9915-4e0f-B91B-DD7B4F0D0546"), nullptr),
      m_startedMessage(RegisterWindowMessageW(L"E6036A79-16F6-4d26-9403-48D2FD42C1BA")),
      m_finishedMessage(RegisterWindowMessageW(L"D251A382-2BDC-4f7f-8BDA-3AD87BE0BC3F"))
{
}

bool InvokeWindow::handleMessage(NativeMessage* message)
{
    bool started = message->message == m_startedMessage;
    bool finished = message->message == m_finishedMessage;
    if (!started && !finished)
        return false;
    auto* thread = reinterpret_cast<Thread*>(message->lParam);
    Thread::deliverReport(thread, static_cast<uint32_t>(message->wParam), finished);
    return true;
}
