#include "foundation/system/MessageLoop.h"

#include "foundation/system/PostedEvent.h"

// The native twin has no windows: the pump delivers the queued events, one
// per step, which is all the toolkit's tests need of it.

MessageLoop::MessageLoop() : m_mainThreadId(0) {}

MessageLoop* MessageLoop::create()
{
    if (!s_instance)
        s_instance = new MessageLoop;
    return s_instance;
}

void MessageLoop::destroy()
{
    delete takeInstance();
}

MessageLoop::PumpResult MessageLoop::pumpStep(uint32_t, bool)
{
    List<PostedEvent*>::Node* first = pendingEvents().first();
    if (!first || !s_instance)
        return PumpResult::Nothing;
    s_instance->dispatchPosted(first->value);
    return PumpResult::Handled;
}

void MessageLoop::quit(int code)
{
    for (List<EventLoop*>::Node* node = m_runningLoops.last(); node; node = node->prev)
        node->value->exit(code);
}

bool MessageLoop::postEvent(UIEvent* event, EventReceiver* receiver)
{
    return queueEvent(event, receiver) != nullptr;
}
