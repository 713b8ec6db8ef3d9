#pragma once

#include "foundation/geometry/Point.h"
#include "foundation/geometry/Rect.h"

#include <cstdint>

// The rectangle a press on an item view's empty room drags out to select
// the items it meets. It stays anchored where it began in the content, so
// the view may scroll under it while it grows.
class UIRubberBand
{
public:
    // scroll is the view's scroll offset at the press; modifiers the keys
    // held, kept for the selection to read.
    void start(const Point& scroll, const Point& position, uint32_t modifiers);
    // Follows the pointer; false (and the rectangle left as it was) while it
    // is still too near where the band began for a drag.
    bool drag(const Point& position, const Point& scroll);
    // False when no band was being dragged.
    bool end();

    bool isActive() const { return m_active; }
    const Rect& rect() const { return m_rect; }
    uint32_t modifiers() const { return m_modifiers; }
    // Whether the band shows on screen yet.
    bool isShown() const { return m_active && !m_rect.isEmpty(); }

private:
    bool m_active = false;
    Point m_startOffset;
    Point m_startPosition;
    Rect m_rect;
    uint32_t m_modifiers = 0;
};
