#include "app/window/StackedDialog.h"

#include "ui/widgets/window/UIDialog.h"

UIDialog* makeStackedDialog(UIWidget* parent, uint32_t windowFlags, const String& title)
{
    auto* dialog = new UIDialog(parent, windowFlags);
    dialog->setWindowTitle(title, true);
    dialog->setVerticalFlow(1);
    dialog->applyMetricMargins();
    return dialog;
}
