#include "foundation/system/Thread.h"

#include "foundation/system/InvokeWindow.h"

#include <process.h>
#include <windows.h>

class ThreadEntry
{
public:
    static unsigned __stdcall run(void* thread)
    {
        static_cast<Thread*>(thread)->execute();
        return 0;
    }
};

bool Thread::setCurrentPriority(int level)
{
    return SetThreadPriority(GetCurrentThread(), systemPriority(level)) != 0;
}

int Thread::processorCount()
{
    SYSTEM_INFO info = {};
    GetSystemInfo(&info);
    return info.dwNumberOfProcessors < 1 ? -1 : static_cast<int>(info.dwNumberOfProcessors);
}

uint32_t Thread::currentThreadId()
{
    return GetCurrentThreadId();
}

bool Thread::setProcessPriority(int level)
{
    DWORD priorityClass = NORMAL_PRIORITY_CLASS;
    if (level == 0)
        priorityClass = IDLE_PRIORITY_CLASS;
    else if (level == 2)
        priorityClass = HIGH_PRIORITY_CLASS;
    else if (level == 3)
        priorityClass = REALTIME_PRIORITY_CLASS;
    return SetPriorityClass(GetCurrentProcess(), priorityClass) != 0;
}

int Thread::deliverReports()
{
    HWND window = static_cast<HWND>(InvokeWindow::instance().handle());
    int delivered = 0;
    MSG message;
    while (PeekMessageW(&message, window, 0, 0, PM_REMOVE)) {
        DispatchMessageW(&message);
        ++delivered;
    }
    return delivered;
}

// The invoke window belongs to the thread that creates it, so it is made on
// the starting (GUI) thread before any worker can post to it.
void Thread::prepareReports()
{
    InvokeWindow::instance();
}

bool Thread::createSystemThread()
{
    m_handle = _beginthreadex(nullptr, 0, &ThreadEntry::run, this, 0, nullptr);
    return m_handle != 0;
}

void Thread::joinSystemThread()
{
    HANDLE handle = reinterpret_cast<HANDLE>(m_handle);
    WaitForSingleObject(handle, INFINITE);
    CloseHandle(handle);
    m_handle = 0;
}

bool Thread::applySystemPriority(int systemLevel)
{
    return SetThreadPriority(reinterpret_cast<HANDLE>(m_handle), systemLevel) != 0;
}

void Thread::applyAffinity()
{
    SetThreadAffinityMask(GetCurrentThread(), m_affinityMask);
}

void Thread::postReport(bool finished)
{
    InvokeWindow& window = InvokeWindow::instance();
    UINT message = finished ? window.finishedMessage() : window.startedMessage();
    PostMessageW(static_cast<HWND>(window.handle()), message, m_serial, reinterpret_cast<LPARAM>(this));
}
