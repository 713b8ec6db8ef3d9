#include "app/password/PasswordDialogParts.h"

#include "app/window/DialogButtonRow.h"
#include "graphics/image/Image.h"
#include "ui/widgets/balloon/UIBalloonTip.h"
#include "ui/widgets/buttons/UIButton.h"
#include "ui/widgets/decorative/UIBox.h"
#include "ui/widgets/edit/UILineEdit.h"
#include "ui/widgets/window/UIDialog.h"

namespace {

const int kMaximumLength = 20;
const int kWarningIcon = 5;
const int kShowDelay = 10;
const int kDisplayTime = 0;
const int kSoundKind = 6;
const int kNoHighlight = 0;

} // namespace

void showPasswordBalloon(UIDialog* dialog, UIWidget* field, const String& text)
{
    UIBalloonTip::showBalloon(dialog, field->globalRect().center(), String(), text, kWarningIcon, Image(),
                              UIBalloonTip::kAboveAnchor, kShowDelay, kDisplayTime, kSoundKind, kNoHighlight);
}

// A password typed in plain view can be read over the owner's shoulder.
UILineEdit* makePasswordField(UIWidget* parent)
{
    auto* field = new UILineEdit(parent);
    field->setMaxLength(kMaximumLength);
    field->setPasswordMode(true);
    field->show();
    return field;
}

UIBox* makePasswordButtonRow(UIWidget* parent, const String& mainText, const String& cancelText,
                             UIButton** main, UIButton** cancel)
{
    ButtonRowPlacement placement;
    placement.columnSpan = 2;
    placement.topMargin = 10;
    return addButtonRow(parent, mainText, 3, cancelText, main, cancel, placement);
}
