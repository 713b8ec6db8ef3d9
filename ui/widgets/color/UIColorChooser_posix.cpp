#include "ui/widgets/color/UIColorChooser.h"

// The native build has no system dialog: the chooser is always cancelled.
bool UIColorChooser::runDialog(uint32_t*)
{
    return false;
}
