#pragma once

#include "foundation/geometry/Point.h"
#include "foundation/system/UIEvent.h"
#include "ui/core/events/UIEventType.h"

#include <cstdint>

// One notch of a wheel. Direction: 4 vertical away from the user, 3 vertical
// towards, 2 horizontal right, 1 horizontal left.
class UIWheelEvent : public UIEvent
{
public:
    UIWheelEvent(const Point& position, int delta, uint32_t modifiers, int direction)
        : UIEvent(kWheelEvent), m_position(position), m_delta(delta), m_modifiers(modifiers), m_direction(direction)
    {
        setInput(true);
    }

    int count() const { return 1; }
    const Point& position() const { return m_position; }
    int x() const { return m_position.x; }
    int y() const { return m_position.y; }
    int delta() const { return m_delta; }
    uint32_t modifiers() const { return m_modifiers; }
    int direction() const { return m_direction; }

private:
    Point m_position;
    int m_delta;
    uint32_t m_modifiers;
    int m_direction;
};
