#include "app/window/FieldBalloon.h"

#include "ui/widgets/balloon/UIBalloonTip.h"

namespace {

const int kShowDelay = 10;
const int kDisplayTime = 0; // stays until dismissed
const int kSoundKind = 6;
const int kNoHighlight = 0;

} // namespace

void showFieldBalloon(UIWidget* dialog, UIWidget* field, const String& text, int iconKind)
{
    UIBalloonTip::showBalloon(dialog, field->globalRect().center(), String(), text, iconKind, Image(),
                              UIBalloonTip::kAboveAnchor, kShowDelay, kDisplayTime, kSoundKind, kNoHighlight);
}
