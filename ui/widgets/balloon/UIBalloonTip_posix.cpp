#include "ui/widgets/balloon/UIBalloonTip.h"

// The native build has no mouse buttons of its own and no window shapes.
uint32_t UIBalloonTip::pressedButtons()
{
    return 0;
}

void UIBalloonTip::shapeWindow() {}
