#pragma once

#include "foundation/system/UIEvent.h"
#include "ui/core/events/UIEventType.h"

// A registered hot key was pressed (117), anywhere in the system; it carries
// the id the key was registered under.
class UIHotKeyEvent : public UIEvent
{
public:
    explicit UIHotKeyEvent(int id) : UIEvent(kHotKeyEvent), m_id(id) { setInput(true); }

    int id() const { return m_id; }

private:
    int m_id;
};
