#pragma once

#include "foundation/system/UIEvent.h"
#include "ui/core/events/UIEventType.h"

// Focus in (115) and out (116).
class UIFocusEvent : public UIEvent
{
public:
    UIFocusEvent(int type, int value) : UIEvent(type), m_value(value) {}

    int value() const { return m_value; }

private:
    int m_value;
};
