#pragma once

#include "foundation/geometry/Point.h"
#include "foundation/geometry/Rect.h"
#include "foundation/system/UIEvent.h"
#include "ui/core/events/UIEventType.h"

// Asks a widget to paint the rectangle (its own coordinates) into its
// surface, moved by the offset.
class UIPaintEvent : public UIEvent
{
public:
    UIPaintEvent(const Rect& rect, const Point& offset) : UIEvent(kPaintEvent), m_rect(rect), m_offset(offset)
    {
    }

    const Rect& rect() const { return m_rect; }
    const Point& offset() const { return m_offset; }

private:
    Rect m_rect;
    Point m_offset;
};
