#pragma once

#include "foundation/geometry/Point.h"
#include "foundation/system/UIEvent.h"
#include "ui/core/events/UIEventType.h"

class UIMoveEvent : public UIEvent
{
public:
    UIMoveEvent(const Point& pos, const Point& oldPos) : UIEvent(kMoveEvent), m_pos(pos), m_oldPos(oldPos) {}

    const Point& pos() const { return m_pos; }
    const Point& oldPos() const { return m_oldPos; }

private:
    Point m_pos;
    Point m_oldPos;
};
