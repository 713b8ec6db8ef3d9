#pragma once

#include "foundation/system/UIEvent.h"
#include "ui/core/events/UIEventType.h"

// The events that carry nothing but their type and perhaps one number: show,
// hide, close, state changes and external messages (the value). Hot keys
// have their own UIHotKeyEvent.
class UIValueEvent : public UIEvent
{
public:
    explicit UIValueEvent(int type, int value = 0) : UIEvent(type), m_value(value) {}

    int value() const { return m_value; }

private:
    int m_value;
};
