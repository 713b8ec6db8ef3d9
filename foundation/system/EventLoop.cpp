#include "foundation/system/EventLoop.h"

#include "foundation/system/MessageLoop.h"

int EventLoop::exec()
{
    MessageLoop* loop = MessageLoop::instance();
    if (!loop)
        return -1;
    loop->m_runningLoops.append(this);
    m_running = true;
    m_exitRequested = false;
    while (!m_exitRequested)
        MessageLoop::pumpMessages(loop->flags(), false);
    m_exitRequested = false;
    m_running = false;
    // Loops end in the reverse order of their start, so this is the last
    // entry; a handler may have destroyed the whole message loop meanwhile.
    loop = MessageLoop::instance();
    if (!loop)
        return m_exitCode;
    List<EventLoop*>::Node* last = loop->m_runningLoops.last();
    if (last && last->value == this)
        loop->m_runningLoops.erase(last);
    else
        loop->m_runningLoops.removeOne(this);
    return m_exitCode;
}

void EventLoop::exit(int code)
{
    m_exitCode = code;
    m_exitRequested = true;
}

bool EventLoop::processPendingEvents(uint32_t flags)
{
    bool handled = false;
    while (!m_exitRequested) {
        MessageLoop::PumpResult result = MessageLoop::pumpStep(flags, true);
        if (result == MessageLoop::PumpResult::Nothing)
            break;
        handled = true;
        // A quit posts WM_QUIT again for the loops outside; taking it here
        // once more would go round for ever when this loop is not running.
        if (result == MessageLoop::PumpResult::Quit)
            break;
    }
    return handled;
}
