#include "app/collections/CollectionDialogParts.h"

#include "app/window/DialogButtonRow.h"
#include "app/window/FieldGroup.h"
#include "app/window/StackedDialog.h"
#include "ui/core/application/UIApplication.h"
#include "ui/core/widget/UINativeWindow.h"
#include "ui/widgets/buttons/UIButton.h"
#include "ui/widgets/decorative/UIExpander.h"
#include "ui/widgets/group/UIGroup.h"
#include "ui/widgets/window/UIDialog.h"

namespace {

const int kErrorSound = 1;
const int kFirstButtonVariant = 3;

} // namespace

UIDialog* makeCollectionDialog(const String& title, int minimumWidth)
{
    auto* dialog =
        makeStackedDialog(UIApplication::instance()->mainWindow(), UINativeWindow::kSystemMenu, title);
    dialog->applyMetricSpacing();
    dialog->setRowStretch(0, 100.0f);
    dialog->setMinimumWidth(minimumWidth);
    return dialog;
}

UIWidget* addFieldGroup(UIDialog* dialog)
{
    UIGroup* group = makeFieldGroup(dialog);
    group->show();
    return group;
}

void addButtonRow(UIDialog* dialog, UIWidget* group, const String& firstText, const String& cancelText,
                  UIButton** first, UIButton** cancel)
{
    auto* spacer = new UIExpander(group);
    spacer->setColumnSpan(2);
    spacer->show();
    addButtonRow(dialog, firstText, kFirstButtonVariant, cancelText, first, cancel);
}

void playErrorSound()
{
    UIApplication::instance()->playSound(kErrorSound);
}
