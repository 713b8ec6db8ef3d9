#include "ui/core/input/UIDragState.h"

// Natively there is no pointer to drag with: the drop side is driven by the
// tests, and a drag started here ends at once with no action.

Size UIDragState::systemDragThreshold()
{
    return Size(4, 4);
}

uint32_t UIDragState::runSystemDrag(const UIDrag&, uint32_t)
{
    return 0;
}
