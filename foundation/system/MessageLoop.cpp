#include "foundation/system/MessageLoop.h"

#include "foundation/system/EventReceiver.h"
#include "foundation/system/PostedEvent.h"
#include "foundation/system/UIEvent.h"

#include <memory>

MessageLoop* MessageLoop::s_instance = nullptr;

MessageLoop* MessageLoop::instance()
{
    return s_instance;
}

List<PostedEvent*>& MessageLoop::pendingEvents()
{
    static List<PostedEvent*> pending;
    return pending;
}

MessageLoop* MessageLoop::takeInstance()
{
    MessageLoop* loop = s_instance;
    if (!loop)
        return nullptr;
    List<PostedEvent*>& pending = pendingEvents();
    for (PostedEvent* record : pending)
        delete record;
    pending.clear();
    s_instance = nullptr;
    return loop;
}

PostedEvent* MessageLoop::queueEvent(UIEvent* event, EventReceiver* receiver)
{
    if (!event)
        return nullptr;
    if (isBlockedInput(event)) {
        delete event;
        return nullptr;
    }
    auto* record = new PostedEvent(event, receiver);
    pendingEvents().append(record);
    return record;
}

bool MessageLoop::pumpMessages(uint32_t flags, bool peekOnly)
{
    return pumpStep(flags, peekOnly) != PumpResult::Nothing;
}

int MessageLoop::run()
{
    return m_mainLoop.exec();
}

bool MessageLoop::sendEvent(UIEvent* event, EventReceiver* receiver)
{
    if (!event || isBlockedInput(event))
        return false;
    if (!isRegistered(receiver) || receiver->isDisabled())
        return false;
    return receiver->handleEvent(event);
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
    m_receivers.insert(receiver);
}

void MessageLoop::removeReceiver(EventReceiver* receiver)
{
    m_receivers.erase(receiver);
}

bool MessageLoop::isRegistered(const EventReceiver* receiver) const
{
    return receiver && m_receivers.count(receiver) != 0;
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
