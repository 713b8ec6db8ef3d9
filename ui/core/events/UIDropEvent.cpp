#include "ui/core/events/UIDropEvent.h"

#include "ui/core/input/UIDragState.h"

const UIMimeData& UIDropEvent::mimeData()
{
    return UIDragState::instance()->mimeData();
}

Point UIDropEvent::position()
{
    return UIDragState::instance()->position();
}

UIWidget* UIDropEvent::source()
{
    return UIDragState::instance()->source();
}

uint32_t UIDropEvent::buttons()
{
    return UIDragState::instance()->buttons();
}

uint32_t UIDropEvent::modifiers()
{
    return UIDragState::instance()->modifiers();
}

uint32_t UIDropEvent::dropAction()
{
    return UIDragState::instance()->dropAction();
}
