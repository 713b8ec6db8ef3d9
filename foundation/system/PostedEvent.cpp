#include "foundation/system/PostedEvent.h"

#include "foundation/system/EventReceiver.h"
#include "foundation/system/UIEvent.h"

PostedEvent::PostedEvent(UIEvent* event, EventReceiver* receiver)
    : m_event(event), m_receiver(receiver), m_serial(receiver ? receiver->serial() : 0)
{
}

PostedEvent::~PostedEvent()
{
    delete m_event;
}
