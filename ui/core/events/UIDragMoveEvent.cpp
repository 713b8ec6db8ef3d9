#include "ui/core/events/UIDragMoveEvent.h"

#include "ui/core/input/UIDragState.h"

void UIDragMoveEvent::setDropAction(uint32_t action)
{
    if (action != 0 && (action & m_possibleActions) == action)
        UIDragState::instance()->setDropAction(action);
}

const UIMimeData& UIDragMoveEvent::mimeData()
{
    return UIDragState::instance()->mimeData();
}

Point UIDragMoveEvent::position()
{
    return UIDragState::instance()->position();
}

UIWidget* UIDragMoveEvent::source()
{
    return UIDragState::instance()->source();
}

uint32_t UIDragMoveEvent::buttons()
{
    return UIDragState::instance()->buttons();
}

uint32_t UIDragMoveEvent::modifiers()
{
    return UIDragState::instance()->modifiers();
}

uint32_t UIDragMoveEvent::dropAction()
{
    return UIDragState::instance()->dropAction();
}
