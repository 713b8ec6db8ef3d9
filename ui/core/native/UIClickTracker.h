#pragma once

#include "foundation/geometry/Point.h"

#include <cstdint>

// Decides whether a press completes a double click: the same widget and
// button as the press before it, within the system's interval and distance.
// Widgets are told apart by their ids, never by address: a widget made where
// a deleted one was must not finish the deleted one's click.
class UIClickTracker
{
public:
    void setLimits(int64_t intervalMs, int maxDx, int maxDy);
    // Records a press; true when it forms a double click with the one
    // before, which also forgets both.
    bool press(uint32_t widgetId, int64_t timeMs, const Point& position, int button);
    void reset();

private:
    struct Click
    {
        uint32_t widgetId = 0;
        int64_t time = 0;
        Point position;
        int button = 0;
    };

    int64_t m_intervalMs = 500;
    int m_maxDx = 4;
    int m_maxDy = 4;
    Click m_previous;
    Click m_last;
};
