#pragma once

#include "foundation/text/String.h"

class UIWidget;

// The icons a field's balloon can carry, as the balloon numbers them.
const int kBalloonInformationIcon = 5;
const int kBalloonWarningIcon = 7;

// The balloon that points at a field from above with a text and no title:
// shown after the usual short delay with the system's sound, until the user
// dismisses it. The dialog owns it.
void showFieldBalloon(UIWidget* dialog, UIWidget* field, const String& text, int iconKind);
