#pragma once

#include "foundation/geometry/Point.h"
#include "foundation/system/UIEvent.h"
#include "ui/core/events/UIEventType.h"

#include <cstdint>

// Press, release, click, double click, move, leave and enter. Only the
// button events (106 to 109) come from the user's hand as input.
class UIMouseEvent : public UIEvent
{
public:
    UIMouseEvent(int type, uint32_t buttons, uint32_t button, const Point& position, uint32_t modifiers)
        : UIEvent(type), m_buttons(buttons), m_button(button), m_position(position), m_modifiers(modifiers)
    {
        setInput(type >= kMousePressEvent && type <= kDoubleClickEvent);
    }

    uint32_t buttons() const { return m_buttons; }
    uint32_t button() const { return m_button; }
    const Point& position() const { return m_position; }
    int x() const { return m_position.x; }
    int y() const { return m_position.y; }
    uint32_t modifiers() const { return m_modifiers; }

private:
    uint32_t m_buttons;
    uint32_t m_button;
    Point m_position;
    uint32_t m_modifiers;
};
