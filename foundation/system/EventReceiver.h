#pragma once

#include "foundation/text/String.h"

#include <cstdint>

class UIEvent;

// Base of every object that toolkit events are delivered to. It registers
// itself with the message loop for its lifetime and draws a serial number, so
// that an event posted to it is never delivered to a later object that
// happens to occupy the same address. Build receivers after the message loop
// and destroy them before it.
class EventReceiver
{
public:
    EventReceiver();
    virtual ~EventReceiver();
    EventReceiver(const EventReceiver&) = delete;
    EventReceiver& operator=(const EventReceiver&) = delete;

    // Returns whether the receiver took the event.
    virtual bool handleEvent(UIEvent* event) = 0;

    String& name() { return m_name; }
    uint32_t serial() const { return m_serial; }
    // While disabled nothing is delivered to the receiver.
    bool isDisabled() const { return m_disabled; }
    void setDisabled(bool disabled) { m_disabled = disabled; }

private:
    String m_name;
    bool m_disabled = false;
    uint32_t m_serial;
};
