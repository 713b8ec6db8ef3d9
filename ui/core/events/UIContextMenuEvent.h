#pragma once

#include "foundation/geometry/Point.h"
#include "foundation/system/UIEvent.h"
#include "ui/core/events/UIEventType.h"

class UIContextMenuEvent : public UIEvent
{
public:
    UIContextMenuEvent(int reason, const Point& position, const Point& globalPos)
        : UIEvent(kContextMenuEvent), m_reason(reason), m_position(position), m_globalPos(globalPos)
    {
        setInput(true);
    }

    int reason() const { return m_reason; }
    const Point& position() const { return m_position; }
    const Point& globalPos() const { return m_globalPos; }
    int x() const { return m_position.x; }
    int y() const { return m_position.y; }
    int globalX() const { return m_globalPos.x; }
    int globalY() const { return m_globalPos.y; }

private:
    int m_reason;
    Point m_position;
    Point m_globalPos;
};
