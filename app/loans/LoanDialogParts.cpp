#include "app/loans/LoanDialogParts.h"

#include "app/window/DialogButtonRow.h"
#include "app/window/FieldGroup.h"
#include "app/window/StackedDialog.h"
#include "app/window/Window.h"
#include "ui/core/application/UIApplication.h"
#include "ui/core/widget/UINativeWindow.h"
#include "ui/widgets/buttons/UIButton.h"
#include "ui/widgets/group/UIGroup.h"
#include "ui/widgets/window/UIDialog.h"

UIDialog* makeLoanDialog(UIWidget* parent, const String& title, UIGroup** group)
{
    auto* dialog = makeStackedDialog(parent, UINativeWindow::kSystemMenu, title);
    dialog->applyMetricSpacing();
    dialog->setMinimumWidth(350);
    *group = makeFieldGroup(dialog);
    (*group)->applyMetricSpacing();
    (*group)->setSizePolicy(UISizePolicy::kExpanding, UISizePolicy::kExpanding);
    (*group)->show();
    dialog->setRowStretch(0, 100.0f);
    return dialog;
}

void addLoanButtonRow(UIDialog* dialog, const char16_t* context, UIButton** ok, UIButton** cancel)
{
    ButtonRowPlacement placement;
    placement.flush = true;
    addButtonRow(dialog, Window::translate(u"OK", context), 3, Window::translate(u"Cancel", context), ok,
                 cancel, placement);
}

void beepRefusal()
{
    if (UIApplication* application = UIApplication::instance())
        application->playSound(1);
}
