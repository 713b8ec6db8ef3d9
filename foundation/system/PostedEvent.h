#pragma once

#include <cstdint>

class EventReceiver;
class UIEvent;

// An event waiting in the queue for its receiver. It owns the event and
// remembers the receiver's serial number at posting time; it never touches the
// receiver, which may be gone by the time the record is taken.
class PostedEvent
{
public:
    // A null receiver gives serial 0.
    PostedEvent(UIEvent* event, EventReceiver* receiver);
    ~PostedEvent();
    PostedEvent(const PostedEvent&) = delete;
    PostedEvent& operator=(const PostedEvent&) = delete;

    UIEvent* event() const { return m_event; }
    EventReceiver* receiver() const { return m_receiver; }
    uint32_t serial() const { return m_serial; }

private:
    UIEvent* m_event;
    EventReceiver* m_receiver;
    uint32_t m_serial;
};
