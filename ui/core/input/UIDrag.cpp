#include "ui/core/input/UIDrag.h"

#include "ui/core/input/UIDragState.h"

UIDrag::UIDrag(UIWidget* source)
{
    UIDragState::instance()->setSource(source);
}

uint32_t UIDrag::exec(uint32_t actions)
{
    return UIDragState::instance()->startDrag(this, actions);
}
