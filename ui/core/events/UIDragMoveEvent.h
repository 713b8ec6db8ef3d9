#pragma once

#include "foundation/geometry/Point.h"
#include "foundation/system/UIEvent.h"
#include "ui/core/events/UIEventType.h"

#include <cstdint>

class UIMimeData;
class UIWidget;

// Drag enter and drag move: the actions the drag offers. What it carries,
// where it is and who started it belong to the drag in progress.
class UIDragMoveEvent : public UIEvent
{
public:
    UIDragMoveEvent(int type, uint32_t possibleActions) : UIEvent(type), m_possibleActions(possibleActions) {}

    uint32_t possibleActions() const { return m_possibleActions; }
    // An action the drag does not offer leaves the drop action as it is.
    void setDropAction(uint32_t action);

    static const UIMimeData& mimeData();
    // In the receiving widget.
    static Point position();
    static UIWidget* source();
    static uint32_t buttons();
    static uint32_t modifiers();
    static uint32_t dropAction();

private:
    uint32_t m_possibleActions;
};
