#include "app/password/PasswordDialogParts.h"

#include "app/window/DialogButtonRow.h"
#include "app/window/FieldBalloon.h"
#include "ui/widgets/buttons/UIButton.h"
#include "ui/widgets/decorative/UIBox.h"
#include "ui/widgets/edit/UILineEdit.h"
#include "ui/widgets/window/UIDialog.h"

namespace {

const int kMaximumLength = 20;

} // namespace

void showPasswordBalloon(UIDialog* dialog, UIWidget* field, const String& text)
{
    showFieldBalloon(dialog, field, text, kBalloonInformationIcon);
}

// Shown as typed: the password is given once, with no second field to
// repeat it, so a slip hidden behind bullets would set a password nobody
// knows and lock the owner out of the collection for good.
UILineEdit* makePasswordField(UIWidget* parent)
{
    auto* field = new UILineEdit(parent);
    field->setMaxLength(kMaximumLength);
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
