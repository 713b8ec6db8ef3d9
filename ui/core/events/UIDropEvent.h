#pragma once

#include "foundation/geometry/Point.h"
#include "foundation/system/UIEvent.h"
#include "ui/core/events/UIEventType.h"

#include <cstdint>

class UIMimeData;
class UIWidget;

// The drop: its data, position, source and action are the drag state's while
// the event is delivered.
class UIDropEvent : public UIEvent
{
public:
    UIDropEvent() : UIEvent(kDropEvent) {}

    static const UIMimeData& mimeData();
    // In the receiving widget.
    static Point position();
    static UIWidget* source();
    static uint32_t buttons();
    static uint32_t modifiers();
    static uint32_t dropAction();
};
