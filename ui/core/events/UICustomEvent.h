#pragma once

#include "foundation/system/UIEvent.h"
#include "ui/core/events/UIEventType.h"

// A custom event; timers send it with their id as the code.
class UICustomEvent : public UIEvent
{
public:
    explicit UICustomEvent(int code) : UIEvent(kCustomEvent), m_code(code) {}

    int code() const { return m_code; }

private:
    int m_code;
};
